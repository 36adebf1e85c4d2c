#pragma once
// The data every window reads: the history, the start-up statistics over
// it and the results, read once at start-up and rebuilt whenever the
// stored draws or results change.
#include "core/draw.h"
#include "core/draw_result.h"
#include "core/game.h"
#include "core/snapshot_memo.h"
#include "core/startup_statistics.h"

namespace n3 {

// The history of one game: its draws hold that game's digits.
struct HistorySnapshot {
    DrawHistory history;  // the rows of 全データ選択クエリ, ascending by 回数
    StartupStatistics stats;
    ResultHistory results;  // dates and prizes, where the database holds them
    // What windows worked out from this snapshot (a backtest), for the next to read.
    mutable SnapshotMemo memo;
    const Game* game = &kNumbers3;  // whose draws `history` holds
};

}  // namespace n3
