#pragma once
// The environment variable by which numbers3zubarin-cli tells the print
// program its process id, so that the print program ends when the command
// line tool ends (killed or not).
namespace n3 {

inline constexpr const char* kPrintParentVariable = "N3_PRINT_PARENT_PID";

}  // namespace n3
