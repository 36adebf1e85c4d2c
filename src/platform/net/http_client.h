#pragma once
// Fetching one file over HTTP(S) with libcurl, for the draw update: small
// files from one host, politely. Plain C++ so that the command-line tool and
// the desktop program (on a worker thread) share it.
//
// - Timeouts: connecting 10 s, the whole request 30 s.
// - A response larger than 256 KB is refused.
// - Redirects are followed only within the same host (and scheme).
// - At most two requests a second: a request waits for the previous one.
// - The User-Agent names the program and its version.
// - Proxies come from the environment (http_proxy, https_proxy, no_proxy);
//   the loopback addresses never go through one.
// - `cancelled` is asked while a request runs (and while it waits its turn);
//   when it answers true the request ends as cancelled.
#include <chrono>
#include <cstddef>
#include <functional>
#include <string>

namespace n3 {

// The least time between two requests: 500 ms, or N3_REQUEST_INTERVAL_MS
// milliseconds when that is set to a whole number 0..10000 (the tests of
// the update set it to 0; one of them keeps the real pace).
std::chrono::milliseconds DefaultRequestInterval();

struct HttpOptions {
    long connectTimeoutMs = 10'000;
    long totalTimeoutMs = 30'000;
    std::size_t maxBytes = 256 * 1024;
    std::chrono::milliseconds minInterval = DefaultRequestInterval();
    int maxRedirects = 5;
    // The clock the pause between requests is measured on, and the wait:
    // the steady clock and a real sleep unless a test gives its own.
    std::function<std::chrono::steady_clock::time_point()> now;
    std::function<void(std::chrono::steady_clock::duration)> sleep;
};

struct HttpResponse {
    enum class Outcome { Ok, HttpStatus, Failed, Cancelled };
    Outcome outcome = Outcome::Failed;
    long status = 0;     // the HTTP status of the last response, 0 when none came
    std::string body;    // the bytes of a response with status 200
    std::string reason;  // Japanese, for the user; empty when Ok
    bool ok() const { return outcome == Outcome::Ok; }
};

// "numbers3zubarin/1.10 (+libcurl)"
std::string UserAgent();

class HttpClient {
public:
    explicit HttpClient(HttpOptions options = {});
    HttpClient(const HttpClient&) = delete;
    HttpClient& operator=(const HttpClient&) = delete;

    // Fetches `url`. A status other than 200 is HttpStatus (with the reason).
    HttpResponse Get(const std::string& url, const std::function<bool()>& cancelled = {});

    int requestCount() const { return requests_; }

private:
    HttpResponse GetOnce(const std::string& url, const std::function<bool()>& cancelled, std::string& location);
    bool WaitTurn(const std::function<bool()>& cancelled);

    HttpOptions options_;
    std::chrono::steady_clock::time_point lastRequest_{};
    bool anyRequest_ = false;
    int requests_ = 0;
};

}  // namespace n3
