#include "platform/store/result_store.h"
#include "platform/store/sql_statement.h"

#include <sqlite3.h>

#include <unordered_map>

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
    "ミニ当せん金額 = coalesce(excluded.ミニ当せん金額, ミニ当せん金額)";



void Exec(sqlite3* db, const char* sql) { ExecSql(db, sql); }

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
    ResultHistory results;
    Query q(store.connection(), kSelect);
    while (q.step()) {
        DrawResult r;
        r.回数 = int(q.number(0).value_or(0));
        r.date = q.text(1);
        for (std::size_t k = 0; k < kPrizeKindCount; ++k) {
            r.prizes[k].winners = q.number(int(2 + 2 * k));
            r.prizes[k].yen = q.number(int(3 + 2 * k));
        }
        results.push_back(std::move(r));
    }
    return results;
}

ResultImport ImportDrawsAndResults(DrawStore& store, const std::vector<Draw>& draws, const ResultHistory& results,
                                   bool checkDigits, bool replaceDiffering) {
    sqlite3* db = store.connection();
    ResultImport outcome;
    Exec(db, "BEGIN IMMEDIATE");
    try {
        if (checkDigits && !replaceDiffering) {
            outcome.conflicts = FindConflicts(db, draws);
            if (!outcome.conflicts.empty()) {
                Exec(db, "ROLLBACK");
                return outcome;
            }
        }
        outcome.counts = store.Import(draws);
        Query put(db, kUpsert);
        for (const DrawResult& r : results) {
            put.bind(1, r.回数);
            put.bindTextOrNull(2, r.date);
            for (std::size_t k = 0; k < kPrizeKindCount; ++k) {
                put.bind(int(3 + 2 * k), r.prizes[k].winners);
                put.bind(int(4 + 2 * k), r.prizes[k].yen);
            }
            put.step();
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
