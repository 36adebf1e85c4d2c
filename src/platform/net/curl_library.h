#pragma once
// libcurl, opened the first time an update asks for it (dlopen), not linked:
// the desktop program, the command-line tool and the print helper start
// without it and its two dozen dependencies mapped, and a machine without
// it loses only the update. The curl headers give the types and constants;
// every call goes through the functions found here.
//
// The library tried is libcurl.so.4, then libcurl-gnutls.so.4 (the same
// interface built on GnuTLS). N3_LIBCURL names another file instead: the
// tests use it to name one that does not exist.
#include <curl/curl.h>

#include <string>

namespace n3 {

struct CurlLibrary {
    decltype(&::curl_easy_init) easyInit = nullptr;
    decltype(&::curl_easy_cleanup) easyCleanup = nullptr;
    decltype(&::curl_easy_setopt) easySetopt = nullptr;
    decltype(&::curl_easy_perform) easyPerform = nullptr;
    decltype(&::curl_easy_getinfo) easyGetinfo = nullptr;
    decltype(&::curl_easy_strerror) easyStrerror = nullptr;
    decltype(&::curl_url) url = nullptr;
    decltype(&::curl_url_cleanup) urlCleanup = nullptr;
    decltype(&::curl_url_set) urlSet = nullptr;
    decltype(&::curl_url_get) urlGet = nullptr;
    decltype(&::curl_free) free = nullptr;
};

// The library, opened and initialised on the first call (and kept open for
// the life of the process); nullptr when it cannot be opened or lacks one of
// the functions. Safe to call from any thread.
const CurlLibrary* Curl();

// What the user reads when Curl() gives nullptr: the update cannot run, and
// what to install.
std::string CurlMissingText();

}  // namespace n3
