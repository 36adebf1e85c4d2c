#include "platform/net/fetch_address.h"

#include <algorithm>
#include <memory>

#include "io/echo_text.h"
#include "platform/net/curl_library.h"

namespace n3 {

namespace {

using Handle = std::unique_ptr<CURLU, decltype(CurlLibrary::urlCleanup)>;

// A part of the parsed address, empty when it has none.
std::string Part(const CurlLibrary& lib, CURLU* h, CURLUPart part) {
    char* text = nullptr;
    if (lib.urlGet(h, part, &text, 0) != CURLUE_OK || text == nullptr) return {};
    std::string out(text);
    lib.free(text);
    return out;
}

bool HasPart(const CurlLibrary& lib, CURLU* h, CURLUPart part) {
    char* text = nullptr;
    const bool has = lib.urlGet(h, part, &text, 0) == CURLUE_OK && text != nullptr;
    lib.free(text);
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
    const CurlLibrary* lib = Curl();
    if (!lib) {
        out.reason = CurlMissingText();
        return out;
    }
    Handle h(lib->url(), lib->urlCleanup);
    if (!h) {
        out.reason = "メモリが足りません";
        return out;
    }
    const std::string whole(text);
    if ((base && lib->urlSet(h.get(), CURLUPART_URL, base->url.c_str(), 0) != CURLUE_OK) ||
        lib->urlSet(h.get(), CURLUPART_URL, whole.c_str(), 0) != CURLUE_OK) {
        out.reason = "アドレス" + quoted + "を読めません";
        return out;
    }
    out.scheme = Part(*lib, h.get(), CURLUPART_SCHEME);
    out.host = Part(*lib, h.get(), CURLUPART_HOST);
    std::transform(out.host.begin(), out.host.end(), out.host.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    out.port = Part(*lib, h.get(), CURLUPART_PORT);
    if (out.scheme != "http" && out.scheme != "https")
        out.reason = "アドレス" + quoted + "は https:// で始まるアドレスではありません";
    else if (HasPart(*lib, h.get(), CURLUPART_USER) || HasPart(*lib, h.get(), CURLUPART_PASSWORD) ||
             HasPart(*lib, h.get(), CURLUPART_OPTIONS))
        out.reason = "アドレス" + quoted + "にユーザー名やパスワードを含めることはできません";
    else if (out.host.empty())
        out.reason = "アドレス" + quoted + "にサーバーの名前がありません";
    else if (out.scheme == "http" && out.host != "127.0.0.1" && out.host != "localhost")
        out.reason = "アドレス" + quoted +
                     "は https:// で始まるアドレスにしてください（http は 127.0.0.1 と localhost だけです）";
    if (!out.ok()) return out;
    out.url = Part(*lib, h.get(), CURLUPART_URL);
    if (out.url.empty()) out.reason = "アドレス" + quoted + "を読めません";
    return out;
}

}  // namespace n3
