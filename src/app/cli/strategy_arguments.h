#pragma once
// The strategy of `show 買い方の検証 --strategy RULE [--n N] [--k K]
// [--numbers 123,456] [--sum A-B] [--kind straight|box|set|mini] [--units U]`.
#include <optional>

#include "app/cli/cli_arguments.h"
#include "core/strategy.h"

namespace n3::cli {

// nullopt without --strategy; throws UsageError with the reason for a
// strategy that cannot be tested.
std::optional<Strategy> StrategyFromArguments(const Arguments& args);

}  // namespace n3::cli
