#include "platform/store/result_store.h"

#include "core/number_rules.h"
#include "platform/store/sql_statement.h"

#include <sqlite3.h>

#include <unordered_map>

#include "core/result_fill_in.h"
#include "platform/store/game_tables.h"
#include "platform/store/result_rows.h"

namespace n3 {

using Query = SqlStatement;

namespace {

// A file's figures over the stored ones: what the file leaves unknown
// keeps the stored value. A date from a file is published, never estimated.
constexpr const char* kUpsert =
    "INSERT INTO 当選結果 (回数, 抽せん日, ストレート口数, ストレート当せん金額, ボックス口数, ボックス当せん金額, "
    "セットストレート口数, セットストレート当せん金額, セットボックス口数, セットボックス当せん金額, "
    "ミニ口数, ミニ当せん金額, 抽せん日推定, 支払期限) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) "
    "ON CONFLICT(回数) DO UPDATE SET "
    "抽せん日推定 = CASE WHEN excluded.抽せん日 IS NULL THEN 抽せん日推定 ELSE excluded.抽せん日推定 END, "
    "抽せん日 = coalesce(excluded.抽せん日, 抽せん日), "
    "ストレート口数 = coalesce(excluded.ストレート口数, ストレート口数), "
    "ストレート当せん金額 = coalesce(excluded.ストレート当せん金額, ストレート当せん金額), "
    "ボックス口数 = coalesce(excluded.ボックス口数, ボックス口数), "
    "ボックス当せん金額 = coalesce(excluded.ボックス当せん金額, ボックス当せん金額), "
    "セットストレート口数 = coalesce(excluded.セットストレート口数, セットストレート口数), "
    "セットストレート当せん金額 = coalesce(excluded.セットストレート当せん金額, セットストレート当せん金額), "
    "セットボックス口数 = coalesce(excluded.セットボックス口数, セットボックス口数), "
    "セットボックス当せん金額 = coalesce(excluded.セットボックス当せん金額, セットボックス当せん金額), "
    "ミニ口数 = coalesce(excluded.ミニ口数, ミニ口数), "
    "ミニ当せん金額 = coalesce(excluded.ミニ当せん金額, ミニ当せん金額), "
    "支払期限 = coalesce(excluded.支払期限, 支払期限) "
    // Only a row that changes is written, so that the count of changes says
    // what this import added (another program may have stored the same).
    "WHERE 抽せん日 IS NOT coalesce(excluded.抽せん日, 抽せん日) OR "
    "抽せん日推定 IS NOT (CASE WHEN excluded.抽せん日 IS NULL THEN 抽せん日推定 ELSE excluded.抽せん日推定 END) OR "
    "支払期限 IS NOT coalesce(excluded.支払期限, 支払期限) OR "
    "ストレート口数 IS NOT coalesce(excluded.ストレート口数, ストレート口数) OR "
    "ストレート当せん金額 IS NOT coalesce(excluded.ストレート当せん金額, ストレート当せん金額) OR "
    "ボックス口数 IS NOT coalesce(excluded.ボックス口数, ボックス口数) OR "
    "ボックス当せん金額 IS NOT coalesce(excluded.ボックス当せん金額, ボックス当せん金額) OR "
    "セットストレート口数 IS NOT coalesce(excluded.セットストレート口数, セットストレート口数) OR "
    "セットストレート当せん金額 IS NOT coalesce(excluded.セットストレート当せん金額, セットストレート当せん金額) OR "
    "セットボックス口数 IS NOT coalesce(excluded.セットボックス口数, セットボックス口数) OR "
    "セットボックス当せん金額 IS NOT coalesce(excluded.セットボックス当せん金額, セットボックス当せん金額) OR "
    "ミニ口数 IS NOT coalesce(excluded.ミニ口数, ミニ口数) OR "
    "ミニ当せん金額 IS NOT coalesce(excluded.ミニ当せん金額, ミニ当せん金額)";

void Exec(sqlite3* db, const char* sql) { ExecSql(db, sql); }

using Digits = DrawDigits;

std::unordered_map<int, Digits> StoredDigits(sqlite3* db, const Game& game) {
    std::unordered_map<int, Digits> stored;
    const std::string select = "SELECT 回数, " + DigitColumns(game) + " FROM " + TablesOf(game).draws;
    Query q(db, select.c_str());
    while (q.step()) {
        auto& digits = stored[int(q.number(0).value_or(0))];
        for (int i = 0; i < game.digits; ++i) {
            const auto v = q.number(i + 1);
            if (v) digits[std::size_t(i)] = int(*v);
        }
    }
    return stored;
}

std::vector<DigitConflict> FindConflicts(sqlite3* db, const std::vector<Draw>& draws, const Game& game) {
    const std::unordered_map<int, Digits> stored = StoredDigits(db, game);
    std::vector<DigitConflict> conflicts;
    for (const Draw& d : draws) {
        const auto it = stored.find(d.drawNo);
        if (it == stored.end()) continue;
        bool differs = false;
        for (std::size_t i = 0; i < std::size_t(game.digits); ++i)
            if (it->second[i] && it->second[i] != d.digits[i]) differs = true;
        if (differs) conflicts.push_back({d.drawNo, DigitsText(it->second, game), DigitsText(d.digits, game)});
    }
    return conflicts;
}

// The shipped results merged into the stored rows (core/result_fill_in.h),
// for the draws stored with the digits the results were published for.
void FillInRows(sqlite3* db, const std::string& path, const Game& game, const std::vector<Draw>& draws,
                const ResultHistory& results, bool replaceDiffering, ResultImport& outcome) {
    const std::unordered_map<int, Digits> stored = StoredDigits(db, game);
    std::unordered_map<int, const Draw*> incoming;
    for (const Draw& d : draws) incoming[d.drawNo] = &d;
    const ResultHistory rows = ReadResultRows(db, path, game);
    ResultRowWriter writer(db, game);
    for (const DrawResult& r : results) {
        const auto digits = stored.find(r.drawNo);
        const auto draw = incoming.find(r.drawNo);
        if (digits == stored.end() || draw == incoming.end() || digits->second != draw->second->digits) continue;
        FilledResult filled = FillIn(FindResult(rows, r.drawNo), r, replaceDiffering);
        if (replaceDiffering)
            for (ResultDifference& d : FillIn(FindResult(rows, r.drawNo), r, false).differences)
                outcome.replacedDifferences.push_back(std::move(d));
        outcome.filled += filled.filled;
        outcome.replacedFigures += filled.replaced;
        for (ResultDifference& d : filled.differences) outcome.differences.push_back(std::move(d));
        if (!filled.changed()) continue;
        writer.put(filled.result);
        ++outcome.results;
    }
}

}  // namespace

ResultHistory ReadResults(const DrawStore& store) {
    store.RequireNewestVersion();
    return ReadResultRows(store.connection(), store.path(), store.game());
}

ResultImport ImportDrawsAndResults(DrawStore& store, const std::vector<Draw>& draws, const ResultHistory& results,
                                   bool replaceDiffering, ResultMerge merge) {
    sqlite3* db = store.connection();
    ResultImport outcome;
    if (store.upgradeBlocked()) {
        // An older file kept at its version by wrong digits has no table of
        // results yet: the digits go in first (the same rule for differing
        // ones), the file is upgraded, and then the results follow.
        Exec(db, "BEGIN IMMEDIATE");
        try {
            outcome.conflicts = FindConflicts(db, draws, store.game());
            if (!outcome.conflicts.empty() && !replaceDiffering) {
                Exec(db, "ROLLBACK");
                return outcome;
            }
            outcome.conflicts.clear();
            outcome.counts = store.Import(draws);
            Exec(db, "COMMIT");
        } catch (...) {
            sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
            throw;
        }
        store.RetryUpgrade();
        const ImportCounts digits = outcome.counts;
        outcome = ImportDrawsAndResults(store, draws, results, replaceDiffering, merge);
        outcome.counts = digits;
        return outcome;
    }
    Exec(db, "BEGIN IMMEDIATE");
    try {
        const std::vector<DigitConflict> conflicts = FindConflicts(db, draws, store.game());
        if (!conflicts.empty() && !replaceDiffering) {
            outcome.conflicts = conflicts;
            Exec(db, "ROLLBACK");
            return outcome;
        }
        outcome.counts = store.Import(draws);
        // Prizes published for digits that are no longer stored go with them.
        Query drop(db, InGameTables("DELETE FROM 当選結果 WHERE 回数 = ?", store.game()).c_str());
        std::vector<int> dropped;
        for (const DigitConflict& c : conflicts) dropped.push_back(c.drawNo);
        if (merge == ResultMerge::WholeRows)
            for (const DrawResult& r : results) dropped.push_back(r.drawNo);
        for (const int drawNo : dropped) {
            drop.bind(1, drawNo);
            drop.step();
            drop.reset();
        }
        if (merge == ResultMerge::FillIn) {
            FillInRows(db, store.path(), store.game(), draws, results, replaceDiffering, outcome);
        } else {
            Query put(db, InGameTables(kUpsert, store.game()).c_str());
            for (const DrawResult& r : results) {
                BindResultRow(put, r);
                put.step();
                if (sqlite3_changes(db) > 0) ++outcome.changedResults;
                put.reset();
                ++outcome.results;
            }
        }
        outcome.estimated = WriteEstimatedDates(db, store.path(), store.game());
        Exec(db, "COMMIT");
    } catch (...) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    if (outcome.counts.added + outcome.counts.replaced > 0) store.announce(DataChange::Draws);
    if (outcome.results > 0 || outcome.estimated > 0) store.announce(DataChange::Results);
    return outcome;
}

ResultImport FillInResults(DrawStore& store, const std::vector<Draw>& draws, const ResultHistory& results) {
    store.RequireNewestVersion();
    sqlite3* db = store.connection();
    ResultImport outcome;
    Exec(db, "BEGIN IMMEDIATE");
    try {
        FillInRows(db, store.path(), store.game(), draws, results, false, outcome);
        outcome.estimated = WriteEstimatedDates(db, store.path(), store.game());
        Exec(db, "COMMIT");
    } catch (...) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    if (outcome.results > 0 || outcome.estimated > 0) store.announce(DataChange::Results);
    return outcome;
}

void StoreResult(DrawStore& store, const DrawResult& result) {
    store.RequireNewestVersion();
    sqlite3* db = store.connection();
    Exec(db, "BEGIN IMMEDIATE");
    try {
        ResultRowWriter(db, store.game()).put(result);
        WriteEstimatedDates(db, store.path(), store.game());
        Exec(db, "COMMIT");
    } catch (...) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    store.announce(DataChange::Results);
}

int RefreshEstimatedDates(DrawStore& store) {
    if (store.upgradeBlocked()) return 0;
    return WriteEstimatedDates(store.connection(), store.path(), store.game());
}

std::string DescribeConflicts(const std::vector<DigitConflict>& conflicts) {
    constexpr std::size_t kShown = 5;
    std::string text;
    for (std::size_t i = 0; i < conflicts.size() && i < kShown; ++i)
        text += "第" + std::to_string(conflicts[i].drawNo) + "回：データベースでは「" + conflicts[i].stored +
                "」、ファイルでは「" + conflicts[i].incoming + "」\n";
    if (conflicts.size() > kShown) text += "ほか " + std::to_string(conflicts.size() - kShown) + " 件\n";
    return text;
}

}  // namespace n3
