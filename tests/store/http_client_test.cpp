// The size limit of a fetched file, whichever way the server sends it: with
// a Content-Length (libcurl refuses it before the body comes) or in chunks
// without one (the write callback counts every byte).
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <ostream>
#include <string>

#include "draw_server.h"
#include "platform/net/http_client.h"
#include "temp_dir.h"

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

class HttpSizeLimit : public ::testing::TestWithParam<SizeCase> {
protected:
    void SetUp() override {
        std::filesystem::create_directories(dir_.file("www"));
        server_ = std::make_unique<DrawServer>(N3_TEST_SERVER, dir_.file("www"));
        ASSERT_NE(server_->port(), 0) << "the local server did not start";
    }

    TempDir dir_;
    std::unique_ptr<DrawServer> server_;
};

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

}  // namespace
}  // namespace n3::testing
