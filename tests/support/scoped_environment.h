#pragma once
// An environment variable set for as long as the object lives, then put
// back as it was; and the one the tests that hold a database lock use.
#include <cstdlib>
#include <optional>
#include <string>

namespace n3::testing {

class ScopedEnvironment {
public:
    ScopedEnvironment(std::string name, const std::string& value) : name_(std::move(name)) {
        if (const char* old = std::getenv(name_.c_str())) old_ = old;
        ::setenv(name_.c_str(), value.c_str(), 1);
    }
    ~ScopedEnvironment() {
        if (old_)
            ::setenv(name_.c_str(), old_->c_str(), 1);
        else
            ::unsetenv(name_.c_str());
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::string name_;
    std::optional<std::string> old_;
};

// Connections opened while it lives give up on another program's lock
// after 100 ms instead of 2 s: for the tests that hold a lock on purpose
// and check the refusal.
class ShortBusyTimeout : public ScopedEnvironment {
public:
    ShortBusyTimeout() : ScopedEnvironment("N3_BUSY_TIMEOUT_MS", "100") {}
};

}  // namespace n3::testing
