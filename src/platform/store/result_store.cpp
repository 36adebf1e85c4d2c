#include "platform/store/result_store.h"
#include "platform/store/sql_statement.h"

#include <sqlite3.h>

#include <tuple>
#include <unordered_map>

#include "core/calendar.h"
#include "io/echo_text.h"

namespace n3 {

using Query = SqlStatement;

namespace {

// The figure columns of 当選結果, prize by prize: units, then yen.
constexpr const char* kSelect =
    "SELECT 回数, 抽せん日, ストレート口数, ストレート当せん金額, ボックス口数, ボックス当せん金額, "
    "セットストレート口数, セットストレート当せん金額, セットボックス口数, セットボックス当せん金額, "
    "ミニ口数, ミニ当せん金額 FROM 当選結果 ORDER BY 回数";

constexpr const char* kUpsert =
    "INSERT INTO 当選結果 (回数, 抽せん日, ストレート口数, ストレート当せん金額, ボックス口数, ボックス当せん金額, "
    "セットストレート口数, セットストレート当せん金額, セットボックス口数, セットボックス当せん金額, "
    "ミニ口数, ミニ当せん金額) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) "
    "ON CONFLICT(回数) DO UPDATE SET "
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
    "ミニ当せん金額 = coalesce(excluded.ミニ当せん金額, ミニ当せん金額) "
    // Only a row that changes is written, so that the count of changes says
    // what this import added (another program may have stored the same).
    "WHERE 抽せん日 IS NOT coalesce(excluded.抽せん日, 抽せん日) OR "
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

bool IsIsoDate(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (text[i] < '0' || text[i] > '9') return false;
    const int y = std::stoi(text.substr(0, 4)), m = std::stoi(text.substr(5, 2)), d = std::stoi(text.substr(8, 2));
    static constexpr int kDays[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (m < 1 || m > 12 || d < 1 || d > kDays[m - 1]) return false;
    return !(m == 2 && d == 29 && !((y % 4 == 0 && y % 100 != 0) || y % 400 == 0));
}

std::string DigitsText(const std::array<std::optional<int>, 3>& digits) {
    std::string s;
    for (const auto& d : digits) s += d ? char('0' + *d) : '?';
    return s;
}

std::vector<DigitConflict> FindConflicts(sqlite3* db, const std::vector<Draw>& draws) {
    std::unordered_map<int, std::array<std::optional<int>, 3>> stored;
    Query q(db, "SELECT 回数, 第1数字, 第2数字, 第3数字 FROM 当選データ");
    while (q.step()) {
        auto& digits = stored[int(q.number(0).value_or(0))];
        for (int i = 0; i < 3; ++i) {
            const auto v = q.number(i + 1);
            if (v) digits[std::size_t(i)] = int(*v);
        }
    }
    std::vector<DigitConflict> conflicts;
    for (const Draw& d : draws) {
        const auto it = stored.find(d.回数);
        if (it == stored.end()) continue;
        bool differs = false;
        for (std::size_t i = 0; i < 3; ++i)
            if (it->second[i] && it->second[i] != d.digits[i]) differs = true;
        if (differs) conflicts.push_back({d.回数, DigitsText(it->second), DigitsText(d.digits)});
    }
    return conflicts;
}

}  // namespace

ResultHistory ReadResults(const DrawStore& store) {
    store.RequireNewestVersion();
    ResultHistory results;
    Query q(store.connection(), kSelect);
    int previous = 0;
    while (q.step()) {
        DrawResult r;
        const std::optional<std::int64_t> no = q.number(0);
        const auto bad = [&](const std::string& why) {
            return StoreError("データベースファイル「" + store.path() + "」の当選結果を読み込めません。\n理由：" +
                              (no ? "第" + std::to_string(*no) + "回の行：" : std::string()) + why +
                              "\nデータベースは変更していません。");
        };
        // Ascending by the primary key: a number not above the previous
        // one cannot come from a table of this program's shape.
        if (!no || *no < 1 || *no > kMaxDrawNo || *no <= previous)
            throw bad("回数が 1〜" + std::to_string(kMaxDrawNo) + " の整数ではありません");
        r.回数 = int(*no);
        previous = r.回数;
        r.date = q.text(1);
        if (!r.date.empty() && (!IsIsoDate(r.date) || !WithinDrawYears(r.date)))
            throw bad("抽せん日「" + EchoText(r.date) + "」は " + std::string(kFirstDrawDate) + "〜" +
                      std::string(kLastAcceptedDate) + " の日付ではありません");
        for (std::size_t k = 0; k < kPrizeKindCount; ++k) {
            const int winners = int(2 + 2 * k), yen = int(3 + 2 * k);
            for (const auto& [column, bound, name, unit] :
                 {std::tuple{winners, kMaxWinners, "口数", "口"}, std::tuple{yen, kMaxPrizeYen, "当せん金額", "円"}}) {
                const bool known = sqlite3_column_type(q.handle(), column) != SQLITE_NULL;
                const std::optional<std::int64_t> value = q.number(column);
                if (known && (!value || *value < 0 || *value > bound))
                    throw bad(std::string(kPrizeKindNames[k]) + "の" + name + "「" + EchoText(q.text(column)) +
                              "」が 0〜" + std::to_string(bound) + " " + unit + "の整数ではありません");
            }
            r.prizes[k].winners = q.number(winners);
            r.prizes[k].yen = q.number(yen);
        }
        results.push_back(std::move(r));
    }
    return results;
}

ResultImport ImportDrawsAndResults(DrawStore& store, const std::vector<Draw>& draws, const ResultHistory& results,
                                   bool replaceDiffering, bool replaceResults) {
    sqlite3* db = store.connection();
    ResultImport outcome;
    if (store.upgradeBlocked()) {
        // An older file kept at its version by wrong digits has no table of
        // results yet: the digits go in first (the same rule for differing
        // ones), the file is upgraded, and then the results follow.
        Exec(db, "BEGIN IMMEDIATE");
        try {
            outcome.conflicts = FindConflicts(db, draws);
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
        outcome = ImportDrawsAndResults(store, draws, results, replaceDiffering, replaceResults);
        outcome.counts = digits;
        return outcome;
    }
    Exec(db, "BEGIN IMMEDIATE");
    try {
        const std::vector<DigitConflict> conflicts = FindConflicts(db, draws);
        if (!conflicts.empty() && !replaceDiffering) {
            outcome.conflicts = conflicts;
            Exec(db, "ROLLBACK");
            return outcome;
        }
        outcome.counts = store.Import(draws);
        // Prizes published for digits that are no longer stored go with them.
        Query drop(db, "DELETE FROM 当選結果 WHERE 回数 = ?");
        std::vector<int> dropped;
        for (const DigitConflict& c : conflicts) dropped.push_back(c.drawNo);
        if (replaceResults)
            for (const DrawResult& r : results) dropped.push_back(r.回数);
        for (const int no : dropped) {
            drop.bind(1, no);
            drop.step();
            drop.reset();
        }
        Query put(db, kUpsert);
        for (const DrawResult& r : results) {
            put.bind(1, r.回数);
            put.bindTextOrNull(2, r.date);
            for (std::size_t k = 0; k < kPrizeKindCount; ++k) {
                put.bind(int(3 + 2 * k), r.prizes[k].winners);
                put.bind(int(4 + 2 * k), r.prizes[k].yen);
            }
            put.step();
            if (sqlite3_changes(db) > 0) ++outcome.changedResults;
            put.reset();
            ++outcome.results;
        }
        Exec(db, "COMMIT");
    } catch (...) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    if (outcome.counts.added + outcome.counts.replaced > 0) store.announce(DataChange::Draws);
    if (outcome.results > 0) store.announce(DataChange::Results);
    return outcome;
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
