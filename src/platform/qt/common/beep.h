#pragma once
// The warning sound for a key the program refuses. Tests install a hook to
// count the beeps instead of sounding them.
#include <functional>

namespace n3 {

void Beep();
// While set, Beep() calls the hook and makes no sound.
void SetBeepHook(std::function<void()> hook);

}  // namespace n3
