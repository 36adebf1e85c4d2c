#pragma once
// An address the updater may fetch, read once by libcurl's own URL parser
// (curl_url): the normalised text that parser gives is the only text handed
// to libcurl, and the checks look at the parts it found, so that what was
// checked is what is fetched.
//
// Refused: any control character or NUL, a scheme other than http and
// https, a user name or password, a missing host, and plain http to any
// host but 127.0.0.1 and localhost.
#include <string>
#include <string_view>

namespace n3 {

struct FetchAddress {
    std::string url;     // normalised by libcurl
    std::string scheme;  // "https"
    std::string host;    // lower case
    std::string port;    // empty when the scheme's own
    std::string reason;  // Japanese, the address echoed safely; empty when it may be fetched
    bool ok() const { return reason.empty(); }
    bool sameServer(const FetchAddress& other) const {
        return scheme == other.scheme && host == other.host && port == other.port;
    }
};

// `text` alone, or resolved against `base` (a redirect's Location may be
// relative).
FetchAddress ReadFetchAddress(std::string_view text, const FetchAddress* base = nullptr);

}  // namespace n3
