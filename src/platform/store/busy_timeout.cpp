#include "platform/store/busy_timeout.h"

#include <charconv>
#include <cstdlib>
#include <string_view>

namespace n3 {

int BusyTimeoutMs() {
    const char* text = std::getenv("N3_BUSY_TIMEOUT_MS");
    if (!text || !*text) return kDefaultBusyTimeoutMs;
    const std::string_view v(text);
    int ms = -1;
    const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), ms);
    if (ec != std::errc() || end != v.data() + v.size() || ms < 0 || ms > 60'000) return kDefaultBusyTimeoutMs;
    return ms;
}

}  // namespace n3
