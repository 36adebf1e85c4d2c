// libcurl is opened only when an update runs: the command-line tool's other
// commands never map it (the dynamic loader's own account, LD_DEBUG=libs),
// an update does; and without it only the update fails, in plain Japanese,
// with the database left as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>

#include "cli_run.h"
#include "draw_update_fixture.h"
#include "platform/net/curl_library.h"
#include "platform/net/draw_updater.h"
#include "platform/net/fetch_address.h"
#include "platform/net/http_client.h"
#include "scoped_environment.h"
#include "test_paths.h"

namespace n3::testing {
namespace {

constexpr const char* kMissingLibrary = "/nonexistent/libcurl.so.4";

// The CLI with `args`, the loader's trace of the libraries it opens on
// standard error, written to a file of its own.
struct TracedRun {
    CliRun run;
    std::string trace;
    bool mapped(const std::string& part) const {
        // "calling init: /lib/x86_64-linux-gnu/libcurl.so.4": the library was mapped and started.
        for (std::size_t at = trace.find("calling init: "); at != std::string::npos;
             at = trace.find("calling init: ", at + 1)) {
            const std::size_t end = trace.find('\n', at);
            if (trace.substr(at, end - at).find(part) != std::string::npos) return true;
        }
        return false;
    }
};

class LibcurlOnDemand : public DrawUpdateTest {
protected:
    TracedRun Traced(const std::string& args, const std::string& environment = "") {
        // LD_DEBUG_OUTPUT appends the process id to the name: a folder of its own.
        const std::filesystem::path traces = dir_.file("traces");
        std::filesystem::remove_all(traces);
        std::filesystem::create_directories(traces);
        TracedRun r;
        r.run = RunShell("env " + environment + " LD_DEBUG=libs LD_DEBUG_OUTPUT=" + (traces / "libs").string() + " " +
                         n3::testing::kCliPath + " --db " + db_ + " " + args + " 2>&1");
        for (const auto& entry : std::filesystem::directory_iterator(traces)) {
            std::ifstream in(entry.path());
            r.trace.append(std::istreambuf_iterator<char>(in), {});
        }
        return r;
    }
};

struct Command {
    const char* name;
    const char* args;
};

void PrintTo(const Command& c, std::ostream* out) { *out << c.name; }

class CommandsWithoutTheNetwork : public LibcurlOnDemand, public ::testing::WithParamInterface<Command> {};

TEST_P(CommandsWithoutTheNetwork, NeverMapLibcurl) {
    const TracedRun r = Traced(GetParam().args);
    EXPECT_EQ(r.run.status, 0) << r.run.out;
    ASSERT_TRUE(r.mapped("libsqlite3")) << "no loader trace:\n" << r.trace.substr(0, 2000);
    EXPECT_FALSE(r.mapped("libcurl")) << r.trace;
    EXPECT_EQ(r.trace.find("libcurl"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Cli, CommandsWithoutTheNetwork,
                         ::testing::Values(Command{"Stats", "stats"},
                                           Command{"ShowFrequency", "show 出現頻度分析 --format json"},
                                           Command{"Export", "export"}),
                         [](const ::testing::TestParamInfo<Command>& p) { return std::string(p.param.name); });

TEST_F(LibcurlOnDemand, AnUpdateMapsItAndStores) {
    const TracedRun r = Traced("update --source " + server_->base());
    EXPECT_EQ(r.run.status, 0) << r.run.out;
    EXPECT_TRUE(r.mapped("libcurl")) << r.trace.substr(0, 2000);
    EXPECT_EQ(Stored().at(7060), "519");
}

TEST_F(LibcurlOnDemand, WithoutItOnlyTheUpdateFailsInPlainJapanese) {
    const auto before = Stored();
    const std::string missing = std::string("N3_LIBCURL=") + kMissingLibrary;
    const TracedRun update = Traced("update --source " + server_->base(), missing);
    EXPECT_EQ(update.run.status, 1) << update.run.out;
    EXPECT_EQ(update.run.out, CurlMissingText() + "\n");
    EXPECT_NE(update.run.out.find("libcurl4 パッケージをインストール"), std::string::npos);
    EXPECT_TRUE(server_->requests().empty());
    EXPECT_EQ(Stored(), before);

    const TracedRun stats = Traced("stats", missing);
    EXPECT_EQ(stats.run.status, 0) << stats.run.out;
    EXPECT_NE(stats.run.out.find("7053"), std::string::npos) << stats.run.out;
}

// In the process: each way in to the network says the same, and the real
// library answers again once the test's name is gone.
struct StandIn {
    const char* name;
    const char* library;  // a file that is not there, or a library without curl's functions
};

void PrintTo(const StandIn& s, std::ostream* out) { *out << s.name; }

class LibraryUnusable : public LibcurlOnDemand, public ::testing::WithParamInterface<StandIn> {};

TEST_P(LibraryUnusable, EveryRequestFailsWithTheMessageAndNothingIsStored) {
    const auto before = Stored();
    {
        const ScopedEnvironment named("N3_LIBCURL", GetParam().library);
        EXPECT_EQ(Curl(), nullptr);
        HttpClient http(HttpOptions{});
        const HttpResponse r = http.Get(server_->base() + "numbers.csv");
        EXPECT_EQ(r.outcome, HttpResponse::Outcome::Failed);
        EXPECT_EQ(r.reason, CurlMissingText());
        EXPECT_EQ(http.requestCount(), 0);
        EXPECT_EQ(ReadFetchAddress(server_->base()).reason, CurlMissingText());

        const std::unique_ptr<Database> database = Database::Open(db_, true);
        const UpdateOutcome outcome = UpdateDraws(*database, server_->base(), http);
        EXPECT_TRUE(outcome.failed());
        EXPECT_EQ(outcome.message, CurlMissingText());
        EXPECT_TRUE(outcome.storedDraws.empty());
    }
    EXPECT_TRUE(server_->requests().empty());
    EXPECT_EQ(Stored(), before);

    ASSERT_NE(Curl(), nullptr);
    const FetchAddress again = ReadFetchAddress(server_->base());
    EXPECT_TRUE(again.ok()) << again.reason;
}

INSTANTIATE_TEST_SUITE_P(Cases, LibraryUnusable,
                         ::testing::Values(StandIn{"Missing", kMissingLibrary}, StandIn{"NotCurl", "libz.so.1"}),
                         [](const ::testing::TestParamInfo<StandIn>& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace n3::testing
