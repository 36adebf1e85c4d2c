#include "platform/net/fetch_address.h"

#include <curl/curl.h>

#include <algorithm>
#include <memory>

#include "io/echo_text.h"

namespace n3 {

namespace {

using Handle = std::unique_ptr<CURLU, decltype(&curl_url_cleanup)>;

// A part of the parsed address, empty when it has none.
std::string Part(CURLU* h, CURLUPart part) {
    char* text = nullptr;
    if (curl_url_get(h, part, &text, 0) != CURLUE_OK || text == nullptr) return {};
    std::string out(text);
    curl_free(text);
    return out;
}

bool HasPart(CURLU* h, CURLUPart part) {
    char* text = nullptr;
    const bool has = curl_url_get(h, part, &text, 0) == CURLUE_OK && text != nullptr;
    curl_free(text);
    return has;
}

}  // namespace

FetchAddress ReadFetchAddress(std::string_view text, const FetchAddress* base) {
    FetchAddress out;
    const std::string quoted = "「" + EchoAddress(text) + "」";
    if (std::any_of(text.begin(), text.end(), [](char c) {
            const auto b = static_cast<unsigned char>(c);
            return b < 0x20 || b == 0x7F;
        })) {
        out.reason = "アドレス" + quoted + "に制御文字（改行・タブ・NUL など）が含まれています";
        return out;
    }
    Handle h(curl_url(), &curl_url_cleanup);
    if (!h) {
        out.reason = "メモリが足りません";
        return out;
    }
    const std::string whole(text);
    if ((base && curl_url_set(h.get(), CURLUPART_URL, base->url.c_str(), 0) != CURLUE_OK) ||
        curl_url_set(h.get(), CURLUPART_URL, whole.c_str(), 0) != CURLUE_OK) {
        out.reason = "アドレス" + quoted + "を読めません";
        return out;
    }
    out.scheme = Part(h.get(), CURLUPART_SCHEME);
    out.host = Part(h.get(), CURLUPART_HOST);
    std::transform(out.host.begin(), out.host.end(), out.host.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    out.port = Part(h.get(), CURLUPART_PORT);
    if (out.scheme != "http" && out.scheme != "https")
        out.reason = "アドレス" + quoted + "は https:// で始まるアドレスではありません";
    else if (HasPart(h.get(), CURLUPART_USER) || HasPart(h.get(), CURLUPART_PASSWORD) ||
             HasPart(h.get(), CURLUPART_OPTIONS))
        out.reason = "アドレス" + quoted + "にユーザー名やパスワードを含めることはできません";
    else if (out.host.empty())
        out.reason = "アドレス" + quoted + "にサーバーの名前がありません";
    else if (out.scheme == "http" && out.host != "127.0.0.1" && out.host != "localhost")
        out.reason = "アドレス" + quoted +
                     "は https:// で始まるアドレスにしてください（http は 127.0.0.1 と localhost だけです）";
    if (!out.ok()) return out;
    out.url = Part(h.get(), CURLUPART_URL);
    if (out.url.empty()) out.reason = "アドレス" + quoted + "を読めません";
    return out;
}

}  // namespace n3
