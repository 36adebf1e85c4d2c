// The size limit of a fetched file, whichever way the server sends it: with
// a Content-Length (libcurl refuses it before the body comes) or in chunks
// without one (the write callback counts every byte); the pace between
// requests on a simulated clock.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "draw_server.h"
#include "platform/net/http_client.h"
#include "platform/store/busy_timeout.h"
#include "scoped_environment.h"
#include "temp_dir.h"
#include "test_paths.h"

namespace n3::testing {
namespace {

constexpr std::size_t kLimit = 20'000;

struct SizeCase {
    const char* name;
    std::size_t bytes;
    int chunk;  // 0: sent with a Content-Length
    bool accepted;
};

void PrintTo(const SizeCase& c, std::ostream* out) { *out << c.name; }

// A local server serving the files of a temporary folder.
class LocalServer : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(dir_.file("www"));
        server_ = std::make_unique<DrawServer>(n3::testing::kTestServer, dir_.file("www"));
        ASSERT_NE(server_->port(), 0) << "the local server did not start";
    }

    TempDir dir_;
    std::unique_ptr<DrawServer> server_;
};

class HttpSizeLimit : public LocalServer, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(HttpSizeLimit, RefusesMoreThanTheLimitAndTakesUpToIt) {
    const SizeCase& c = GetParam();
    std::string body(c.bytes, 'x');
    for (std::size_t i = 0; i < body.size(); i += 97) body[i] = char('0' + i % 10);
    server_->write("file.csv", body);
    if (c.chunk > 0) server_->rules(R"({"/file.csv": {"chunked": )" + std::to_string(c.chunk) + "}}");
    HttpOptions options;
    options.maxBytes = kLimit;
    options.minInterval = std::chrono::milliseconds(0);
    HttpClient http(options);
    const HttpResponse r = http.Get(server_->base() + "file.csv");
    if (c.accepted) {
        ASSERT_TRUE(r.ok()) << r.reason;
        EXPECT_EQ(r.body, body);
    } else {
        EXPECT_FALSE(r.ok());
        EXPECT_NE(r.reason.find("大きすぎます"), std::string::npos) << r.reason;
        EXPECT_NE(r.reason.find("19 KB"), std::string::npos) << r.reason;
        EXPECT_TRUE(r.body.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, HttpSizeLimit,
                         ::testing::Values(SizeCase{"WholeAtTheLimit", kLimit, 0, true},
                                           SizeCase{"WholeOneByteOver", kLimit + 1, 0, false},
                                           SizeCase{"ChunkedAtTheLimit", kLimit, 4096, true},
                                           SizeCase{"ChunkedOneByteOver", kLimit + 1, 4096, false},
                                           SizeCase{"ChunkedFarOver", 5 * kLimit, 8192, false},
                                           SizeCase{"OneChunkOver", kLimit + 1, int(kLimit) + 1, false}),
                         [](const ::testing::TestParamInfo<SizeCase>& p) { return std::string(p.param.name); });

// Two requests a second, on a simulated clock: the first goes at once,
// each later one waits until 500 ms after the one before it.
TEST_F(LocalServer, RequestsKeepToTwoASecondOnTheClockGiven) {
    server_->write("file.csv", "1");
    std::chrono::steady_clock::time_point clock{};
    HttpOptions options;
    options.minInterval = std::chrono::milliseconds(500);
    options.now = [&] { return clock; };
    options.sleep = [&](std::chrono::steady_clock::duration d) { clock += d; };
    HttpClient http(options);
    std::vector<std::chrono::steady_clock::time_point> sent;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(http.Get(server_->base() + "file.csv").ok());
        sent.push_back(clock);
        if (i == 1) clock += std::chrono::milliseconds(200);  // time the caller spends between requests
    }
    EXPECT_EQ(sent[0], std::chrono::steady_clock::time_point{});
    EXPECT_EQ(sent[1] - sent[0], std::chrono::milliseconds(500));
    EXPECT_EQ(sent[2] - sent[1], std::chrono::milliseconds(500));
    EXPECT_EQ(http.requestCount(), 3);
}

struct Knob {
    const char* name;
    const char* value;  // nullptr: unset
    int expected;
};

void PrintTo(const Knob& k, std::ostream* out) { *out << k.name; }

class TestKnobs : public ::testing::TestWithParam<Knob> {};

TEST_P(TestKnobs, RequestIntervalAndBusyTimeoutReadTheEnvironmentOrKeepTheirDefault) {
    const Knob& k = GetParam();
    ScopedEnvironment interval("N3_REQUEST_INTERVAL_MS", "x");
    ScopedEnvironment busy("N3_BUSY_TIMEOUT_MS", "x");
    if (k.value) {
        ::setenv("N3_REQUEST_INTERVAL_MS", k.value, 1);
        ::setenv("N3_BUSY_TIMEOUT_MS", k.value, 1);
    } else {
        ::unsetenv("N3_REQUEST_INTERVAL_MS");
        ::unsetenv("N3_BUSY_TIMEOUT_MS");
    }
    EXPECT_EQ(DefaultRequestInterval().count(), k.expected < 0 ? 500 : k.expected);
    EXPECT_EQ(HttpOptions{}.minInterval.count(), k.expected < 0 ? 500 : k.expected);
    EXPECT_EQ(BusyTimeoutMs(), k.expected < 0 ? kDefaultBusyTimeoutMs : k.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, TestKnobs,
                         ::testing::Values(Knob{"Unset", nullptr, -1}, Knob{"Empty", "", -1}, Knob{"Zero", "0", 0},
                                           Knob{"Some", "250", 250}, Knob{"Negative", "-1", -1},
                                           Knob{"Words", "fast", -1}, Knob{"TrailingText", "20ms", -1},
                                           Knob{"Huge", "99999999999", -1}),
                         [](const ::testing::TestParamInfo<Knob>& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace n3::testing
