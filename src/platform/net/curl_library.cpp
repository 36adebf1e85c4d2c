#include "platform/net/curl_library.h"

#include <dlfcn.h>

#include <cstdlib>
#include <map>
#include <mutex>
#include <optional>
#include <vector>

namespace n3 {

namespace {

constexpr const char* kDefaultNames[] = {"libcurl.so.4", "libcurl-gnutls.so.4"};

std::vector<std::string> NamesToTry() {
    if (const char* named = std::getenv("N3_LIBCURL"); named && *named) return {named};
    return {std::begin(kDefaultNames), std::end(kDefaultNames)};
}

template <typename Function>
bool Find(void* library, const char* name, Function& out) {
    out = reinterpret_cast<Function>(dlsym(library, name));
    return out != nullptr;
}

std::optional<CurlLibrary> Open(const std::string& name) {
    void* library = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) return std::nullopt;
    CurlLibrary c;
    decltype(&::curl_global_init) globalInit = nullptr;
    const bool all =
        Find(library, "curl_global_init", globalInit) && Find(library, "curl_easy_init", c.easyInit) &&
        Find(library, "curl_easy_cleanup", c.easyCleanup) && Find(library, "curl_easy_setopt", c.easySetopt) &&
        Find(library, "curl_easy_perform", c.easyPerform) && Find(library, "curl_easy_getinfo", c.easyGetinfo) &&
        Find(library, "curl_easy_strerror", c.easyStrerror) && Find(library, "curl_url", c.url) &&
        Find(library, "curl_url_cleanup", c.urlCleanup) && Find(library, "curl_url_set", c.urlSet) &&
        Find(library, "curl_url_get", c.urlGet) && Find(library, "curl_free", c.free);
    if (!all || globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
        dlclose(library);
        return std::nullopt;
    }
    // Never closed: another thread's request may still be running in it.
    return c;
}

}  // namespace

const CurlLibrary* Curl() {
    // One answer per list of names, so that a test naming a missing file
    // sees it missing even after an earlier update opened the real one.
    static std::mutex mutex;
    static std::map<std::string, std::optional<CurlLibrary>> opened;
    const std::vector<std::string> names = NamesToTry();
    std::string key;
    for (const std::string& name : names) key += name + '\n';
    const std::lock_guard lock(mutex);
    auto it = opened.find(key);
    if (it == opened.end()) {
        std::optional<CurlLibrary> found;
        for (const std::string& name : names)
            if ((found = Open(name))) break;
        it = opened.emplace(key, found).first;
    }
    return it->second ? &*it->second : nullptr;
}

std::string CurlMissingText() {
    return "当選データの取得に使うライブラリ libcurl（libcurl.so.4）を読み込めないため、取得できません。\n"
           "libcurl4 パッケージをインストールしてから、もう一度お試しください。ほかの機能はこのまま使えます。";
}

}  // namespace n3
