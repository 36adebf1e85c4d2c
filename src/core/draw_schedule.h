#pragma once
// TEMPORARY stand-in until the shared header lands on main (merge takes main's).
#include <string>
#include <string_view>

namespace n3 {
std::string NextScheduledDrawDate(std::string_view date);
bool OnDrawSchedule(std::string_view date);
}  // namespace n3
