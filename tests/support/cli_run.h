#pragma once
// Runs numbers3zubarin-cli (or any shell command line) for the store tests
// and collects what it prints and its exit status.
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

#include "test_paths.h"

namespace n3::testing {

struct CliRun {
    int status;
    std::string out;
};

inline CliRun RunShell(const std::string& command) {
    FILE* p = popen(command.c_str(), "r");
    std::string out;
    std::array<char, 4096> buf;
    std::size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) out.append(buf.data(), n);
    const int status = pclose(p);
    return {WEXITSTATUS(status), out};
}

// The CLI with `args`; `redirect` follows them (by default standard error
// joins the output).
inline CliRun Cli(const std::string& args, const std::string& redirect = "2>&1") {
    return RunShell(std::string(n3::testing::kCliPath) + " " + args + " " + redirect);
}

}  // namespace n3::testing
