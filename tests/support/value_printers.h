#pragma once
// How GoogleTest prints the program's enums in test names and failure
// messages: by their words. Every test file reads this (the test programs'
// precompiled header holds it), so each enum has one printer everywhere; a
// printer seen by only some files would leave the others printing numbers
// and the linker free to pick either.
#include <cstddef>
#include <ostream>

#include "core/game.h"
#include "core/strategy.h"

namespace n3 {

inline void PrintTo(StrategyRule r, std::ostream* out) { *out << kStrategyRuleWords[std::size_t(r)]; }
inline void PrintTo(TicketKind k, std::ostream* out) { *out << kTicketKindWords[std::size_t(k)]; }
// A game by the number players call it by (the parameter of tests run for each game).
inline void PrintTo(const Game* g, std::ostream* out) { *out << "game " << g->id; }

}  // namespace n3
