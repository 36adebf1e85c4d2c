#pragma once
// The names a window answers to on the command line: its class name, its
// caption and the caption of the menu item that opens it (without the
// access key, so 一発ズバリン予想 names the prediction as 一発ズバリン does).
#include <string>
#include <string_view>

namespace n3 {

// A menu caption without its access key: "購入記録(&T)" → "購入記録",
// "印刷(&P)..." → "印刷".
std::string CaptionWithoutAccessKey(std::string_view caption);

// The window class `name` stands for, or `name` itself when it names none.
std::string WindowClassForName(std::string_view name);

}  // namespace n3
