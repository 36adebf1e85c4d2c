#pragma once
// How long a connection waits for another program's write to finish before
// it gives up with "locked": 2 s, or N3_BUSY_TIMEOUT_MS milliseconds when
// that is set to a whole number 0..60000 (the tests that hold a lock on
// purpose set it short, so that the refusal they check comes at once).
namespace n3 {

inline constexpr int kDefaultBusyTimeoutMs = 2000;

int BusyTimeoutMs();

}  // namespace n3
