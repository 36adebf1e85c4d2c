// numbers3zubarin-cli backtest: the window 予想の検証, printed as `show` prints it.
#include "app/cli/commands.h"
#include "core/draw.h"

namespace n3::cli {

int RunBacktest(const Arguments& args) {
    const auto from = args.number("from", 1, kMaxDrawNo);
    const auto to = args.number("to", 1, kMaxDrawNo);
    if (from && to && *from > *to) throw UsageError{"--from には --to 以下の回数を指定してください。"};
    return ShowWindow("予想の検証", args);
}

}  // namespace n3::cli
