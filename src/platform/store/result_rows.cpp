#include "platform/store/result_rows.h"

#include <sqlite3.h>

#include <tuple>

#include "core/calendar.h"
#include "core/draw.h"
#include "core/estimated_dates.h"
#include "io/echo_text.h"
#include "platform/store/game_tables.h"
#include "platform/store/store_error.h"

namespace n3 {

namespace {

// The figure columns of 当選結果, prize by prize: units, then yen.
constexpr const char* kSelect =
    "SELECT 回数, 抽せん日, ストレート口数, ストレート当せん金額, ボックス口数, ボックス当せん金額, "
    "セットストレート口数, セットストレート当せん金額, セットボックス口数, セットボックス当せん金額, "
    "ミニ口数, ミニ当せん金額, 抽せん日推定, 支払期限 FROM 当選結果 ORDER BY 回数";

// The whole row as given: unknown figures are stored unknown.
constexpr const char* kPutRow =
    "INSERT OR REPLACE INTO 当選結果 (回数, 抽せん日, ストレート口数, ストレート当せん金額, ボックス口数, "
    "ボックス当せん金額, セットストレート口数, セットストレート当せん金額, セットボックス口数, "
    "セットボックス当せん金額, ミニ口数, ミニ当せん金額, 抽せん日推定, 支払期限) "
    "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";

bool IsIsoDate(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (text[i] < '0' || text[i] > '9') return false;
    const int y = std::stoi(text.substr(0, 4)), m = std::stoi(text.substr(5, 2)), d = std::stoi(text.substr(8, 2));
    static constexpr int kDays[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (m < 1 || m > 12 || d < 1 || d > kDays[m - 1]) return false;
    return !(m == 2 && d == 29 && !((y % 4 == 0 && y % 100 != 0) || y % 400 == 0));
}

}  // namespace

ResultHistory ReadResultRows(sqlite3* db, const std::string& path, const Game& game) {
    ResultHistory results;
    SqlStatement q(db, InGameTables(kSelect, game).c_str());
    int previous = 0;
    while (q.step()) {
        DrawResult r;
        const std::optional<std::int64_t> drawNo = q.number(0);
        const auto bad = [&](const std::string& why) {
            return StoreError("データベースファイル「" + path + "」の" + TablesOf(game).results +
                              "を読み込めません。\n理由：" +
                              (drawNo ? "第" + std::to_string(*drawNo) + "回の行：" : std::string()) + why +
                              "\nデータベースは変更していません。");
        };
        // Ascending by the primary key: a number not above the previous
        // one cannot come from a table of this program's shape.
        if (!drawNo || *drawNo < 1 || *drawNo > kMaxDrawNo || *drawNo <= previous)
            throw bad("回数が 1〜" + std::to_string(kMaxDrawNo) + " の整数ではありません");
        r.drawNo = int(*drawNo);
        previous = r.drawNo;
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
        r.dateEstimated = !r.date.empty() && q.number(12).value_or(0) != 0;
        r.claimDeadline = q.text(13);
        if (!r.claimDeadline.empty() && !IsIsoDate(r.claimDeadline))
            throw bad("支払期限「" + EchoText(r.claimDeadline) + "」は日付ではありません");
        results.push_back(std::move(r));
    }
    return results;
}

void BindResultRow(SqlStatement& q, const DrawResult& r) {
    q.bind(1, r.drawNo);
    q.bindTextOrNull(2, r.date);
    for (std::size_t k = 0; k < kPrizeKindCount; ++k) {
        q.bind(int(3 + 2 * k), r.prizes[k].winners);
        q.bind(int(4 + 2 * k), r.prizes[k].yen);
    }
    q.bind(13, std::int64_t(r.dateEstimated && !r.date.empty() ? 1 : 0));
    q.bindTextOrNull(14, r.claimDeadline);
}

ResultRowWriter::ResultRowWriter(sqlite3* db, const Game& game) : put_(db, InGameTables(kPutRow, game).c_str()) {}

void ResultRowWriter::put(const DrawResult& r) {
    BindResultRow(put_, r);
    put_.step();
    put_.reset();
}

int WriteEstimatedDates(sqlite3* db, const std::string& path, const Game& game) {
    std::vector<int> drawNos;
    {
        SqlStatement q(
            db, InGameTables("SELECT 回数 FROM 当選データ WHERE 回数 BETWEEN 1 AND 32767 ORDER BY 回数", game).c_str());
        while (q.step()) drawNos.push_back(int(q.integer(0)));
    }
    ResultHistory results;
    try {
        results = ReadResultRows(db, path, game);
    } catch (const StoreError&) {
        // A row this program cannot read is for the next load to report;
        // the write it follows still goes through.
        return 0;
    }
    const auto estimates = ScheduleEstimates(drawNos, results);
    ResultRowWriter writer(db, game);
    int written = 0;
    auto estimate = estimates.begin();
    auto row = results.begin();
    // Both lists ascend by draw: each stored guess is checked against the
    // new one, and each new guess lands in its row.
    while (estimate != estimates.end() || row != results.end()) {
        const int estimateNo = estimate != estimates.end() ? estimate->first : kMaxDrawNo + 1;
        const int rowNo = row != results.end() ? row->drawNo : kMaxDrawNo + 1;
        if (rowNo < estimateNo) {
            if (row->dateEstimated) {
                DrawResult cleared = *row;
                cleared.date.clear();
                cleared.dateEstimated = false;
                writer.put(cleared);
                ++written;
            }
            ++row;
            continue;
        }
        DrawResult r;
        if (rowNo == estimateNo) r = *row++;
        r.drawNo = estimateNo;
        const std::string& date = (estimate++)->second;
        if (r.dateEstimated && r.date == date) continue;
        r.date = date;
        r.dateEstimated = true;
        writer.put(r);
        ++written;
    }
    return written;
}

}  // namespace n3
