#include "platform/net/http_client.h"

#include <charconv>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <thread>

#include "io/echo_text.h"
#include "platform/net/curl_library.h"
#include "platform/net/fetch_address.h"

#ifndef N3_VERSION
#define N3_VERSION "0"
#endif

namespace n3 {

namespace {

struct Transfer {
    std::string body;
    std::size_t maxBytes = 0;
    bool tooLarge = false;
    const std::function<bool()>* cancelled = nullptr;
    bool wasCancelled = false;
};

std::size_t OnData(char* data, std::size_t size, std::size_t count, void* user) {
    auto* t = static_cast<Transfer*>(user);
    const std::size_t n = size * count;
    if (t->body.size() + n > t->maxBytes) {
        t->tooLarge = true;
        return 0;  // ends the transfer
    }
    t->body.append(data, n);
    return n;
}

int OnProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    auto* t = static_cast<Transfer*>(user);
    if (t->cancelled && *t->cancelled && (*t->cancelled)()) {
        t->wasCancelled = true;
        return 1;
    }
    return 0;
}

// The environment's no_proxy with the loopback names added.
std::string NoProxyList() {
    std::string list = "127.0.0.1,localhost,::1";
    for (const char* name : {"no_proxy", "NO_PROXY"})
        if (const char* v = std::getenv(name); v && *v) {
            list = std::string(v) + "," + list;
            break;
        }
    return list;
}

}  // namespace

std::chrono::milliseconds DefaultRequestInterval() {
    constexpr std::chrono::milliseconds kPolite{500};
    const char* text = std::getenv("N3_REQUEST_INTERVAL_MS");
    if (!text || !*text) return kPolite;
    const std::string_view v(text);
    int ms = -1;
    const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), ms);
    if (ec != std::errc() || end != v.data() + v.size() || ms < 0 || ms > 10'000) return kPolite;
    return std::chrono::milliseconds(ms);
}

std::string UserAgent() { return std::string("numbers3zubarin/") + N3_VERSION + " (+libcurl)"; }

HttpClient::HttpClient(HttpOptions options) : options_(options) {}

bool HttpClient::WaitTurn(const std::function<bool()>& cancelled) {
    const auto now = [this] { return options_.now ? options_.now() : std::chrono::steady_clock::now(); };
    if (anyRequest_) {
        const auto due = lastRequest_ + options_.minInterval;
        while (now() < due) {
            if (cancelled && cancelled()) return false;
            const auto wait = std::min<std::chrono::steady_clock::duration>(std::chrono::milliseconds(20), due - now());
            if (options_.sleep)
                options_.sleep(wait);
            else
                std::this_thread::sleep_for(wait);
        }
    }
    lastRequest_ = now();
    anyRequest_ = true;
    return true;
}

HttpResponse HttpClient::Get(const std::string& url, const std::function<bool()>& cancelled) {
    if (!Curl()) {
        HttpResponse missing;
        missing.reason = CurlMissingText();
        return missing;
    }
    FetchAddress current = ReadFetchAddress(url);
    for (int hop = 0;; ++hop) {
        if (!current.ok()) {
            HttpResponse refused;
            refused.reason = current.reason;
            return refused;
        }
        std::string location;
        HttpResponse r = GetOnce(current.url, cancelled, location);
        if (location.empty()) return r;
        if (hop >= options_.maxRedirects) {
            r.outcome = HttpResponse::Outcome::Failed;
            r.reason = "転送（リダイレクト）が多すぎます";
            return r;
        }
        FetchAddress next = ReadFetchAddress(location, &current);
        if (!next.ok() || !next.sameServer(current)) {
            r.outcome = HttpResponse::Outcome::Failed;
            r.reason = "別のホストへの転送（" + EchoAddress(location) + "）は受け付けません";
            return r;
        }
        current = std::move(next);
    }
}

HttpResponse HttpClient::GetOnce(const std::string& url, const std::function<bool()>& cancelled,
                                 std::string& location) {
    HttpResponse r;
    if (!WaitTurn(cancelled)) {
        r.outcome = HttpResponse::Outcome::Cancelled;
        r.reason = "取り消しました";
        return r;
    }
    const CurlLibrary* lib = Curl();  // opened by Get
    ++requests_;
    std::unique_ptr<CURL, decltype(lib->easyCleanup)> curl(lib->easyInit(), lib->easyCleanup);
    if (!curl) {
        r.reason = "通信の準備ができません";
        return r;
    }
    Transfer t;
    t.maxBytes = options_.maxBytes;
    t.cancelled = &cancelled;
    const std::string agent = UserAgent();
    const std::string noProxy = NoProxyList();
    char error[CURL_ERROR_SIZE] = {};
    CURL* c = curl.get();
    lib->easySetopt(c, CURLOPT_URL, url.c_str());
    lib->easySetopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    lib->easySetopt(c, CURLOPT_FOLLOWLOCATION, 0L);
    lib->easySetopt(c, CURLOPT_CONNECTTIMEOUT_MS, options_.connectTimeoutMs);
    lib->easySetopt(c, CURLOPT_TIMEOUT_MS, options_.totalTimeoutMs);
    lib->easySetopt(c, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(options_.maxBytes));
    lib->easySetopt(c, CURLOPT_USERAGENT, agent.c_str());
    lib->easySetopt(c, CURLOPT_NOPROXY, noProxy.c_str());
    lib->easySetopt(c, CURLOPT_NOSIGNAL, 1L);
    lib->easySetopt(c, CURLOPT_ACCEPT_ENCODING, "");
    lib->easySetopt(c, CURLOPT_WRITEFUNCTION, &OnData);
    lib->easySetopt(c, CURLOPT_WRITEDATA, &t);
    lib->easySetopt(c, CURLOPT_XFERINFOFUNCTION, &OnProgress);
    lib->easySetopt(c, CURLOPT_XFERINFODATA, &t);
    lib->easySetopt(c, CURLOPT_NOPROGRESS, 0L);
    lib->easySetopt(c, CURLOPT_ERRORBUFFER, error);

    const CURLcode code = lib->easyPerform(c);
    lib->easyGetinfo(c, CURLINFO_RESPONSE_CODE, &r.status);
    const std::string limit = std::to_string(options_.maxBytes / 1024) + " KB";
    if (t.wasCancelled || code == CURLE_ABORTED_BY_CALLBACK) {
        r.outcome = HttpResponse::Outcome::Cancelled;
        r.reason = "取り消しました";
        return r;
    }
    if (t.tooLarge || code == CURLE_FILESIZE_EXCEEDED) {
        r.reason = "応答が大きすぎます（" + limit + "を超えています）";
        return r;
    }
    switch (code) {
    case CURLE_OK: break;
    case CURLE_OPERATION_TIMEDOUT: r.reason = "応答がありません（時間切れ）"; return r;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
        r.reason = "サーバーの名前を引けません（インターネットにつながっていない可能性があります）";
        return r;
    case CURLE_COULDNT_CONNECT:
        r.reason = "サーバーに接続できません（インターネットにつながっていない可能性があります）";
        return r;
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CONNECT_ERROR: r.reason = "安全な接続（https）を確立できません"; return r;
    default:
        r.reason = "通信に失敗しました（" + EchoText(error[0] ? error : lib->easyStrerror(code), 120) + "）";
        return r;
    }
    if (r.status >= 300 && r.status < 400) {
        char* next = nullptr;
        lib->easyGetinfo(c, CURLINFO_REDIRECT_URL, &next);
        if (next) {
            location = next;
            return r;
        }
    }
    if (r.status != 200) {
        r.outcome = HttpResponse::Outcome::HttpStatus;
        r.reason = r.status == 404 ? "ファイルがありません（HTTP 404）"
                                   : "サーバーがエラーを返しました（HTTP " + std::to_string(r.status) + "）";
        return r;
    }
    r.outcome = HttpResponse::Outcome::Ok;
    r.body = std::move(t.body);
    return r;
}

}  // namespace n3
