// tickets add|list|check|export|import: the ticket book from a terminal.
#include <charconv>
#include <ctime>
#include <iostream>
#include <set>

#include "app/cli/commands.h"
#include "core/draw_schedule.h"
#include "io/file_io.h"
#include "platform/store/database.h"
#include "platform/store/result_store.h"
#include "platform/store/startup_load.h"
#include "platform/store/ticket_store.h"
#include "settings/settings_file.h"
#include "tickets/claim_deadline.h"
#include "tickets/ticket_csv.h"
#include "tickets/ticket_report.h"

namespace n3::cli {

namespace {

// Options another subcommand takes are a mistake here, not silently ignored.
void AllowOnly(const Arguments& args, const std::set<std::string>& allowed) {
    for (const auto& [name, value] : args.options)
        if (!allowed.count(name)) throw UsageError{"--" + name + " はこのコマンドでは使えません"};
    for (const std::string& name : args.switches)
        if (!allowed.count(name)) throw UsageError{"--" + name + " はこのコマンドでは使えません"};
}

void RequireWords(const Arguments& args, int words) {
    if (int(args.positional.size()) != words + 2) throw UsageError{"引数の数が正しくありません"};
}

std::string SettingsPath(const Arguments& args) {
    return args.settings.empty() ? std::string(kSettingsFileName) : args.settings;
}

// Every game's history and results, for checking a book of purchases of
// any game.
class GameSnapshots {
public:
    explicit GameSnapshots(const std::string& db) {
        const auto database = Database::Open(db, true);
        for (const Game* game : kGames) snapshots_.push_back(database->ReadSnapshot(*game));
    }
    std::vector<GameDraws> draws() const {
        std::vector<GameDraws> games;
        for (const HistorySnapshot& s : snapshots_) games.push_back({s.game, &s.history, &s.results});
        return games;
    }

private:
    std::vector<HistorySnapshot> snapshots_;
};

int Add(const Arguments& args) {
    RequireWords(args, 0);
    AllowOnly(args, {"draw", "draws", "number", "type", "units", "date", "memo"});
    Purchase p;
    const auto draw = args.number("draw", 1, kMaxDrawNo);
    if (!draw) throw UsageError{"--draw で最初の回数を指定してください"};
    p.最初の回数 = int(*draw);
    p.継続回数 = int(args.number("draws", 1, kMaxCoveredDraws).value_or(1));
    p.口数 = int(args.number("units", 1, kMaxUnits).value_or(1));
    const auto number = args.option("number");
    if (!number) throw UsageError{"--number で番号を指定してください"};
    p.番号 = *number;
    const auto type = args.option("type");
    if (!type) throw UsageError{"--type で種類（straight、box、set、mini）を指定してください"};
    const auto bet = ParseTicketKind(*type);
    if (!bet) throw UsageError{"--type には straight、box、set、mini のどれかを指定してください"};
    p.種類 = *bet;
    p.game = args.game;
    p.購入日 = args.option("date").value_or(TodayDate());
    p.メモ = args.option("memo").value_or("");
    if (std::string why = PurchaseError(p); !why.empty()) throw UsageError{why};
    if (std::string why = NewMemoError(p.メモ); !why.empty()) throw UsageError{why};

    const MonthlyBudgetResult budget = ReadMonthlyBudget(SettingsPath(args));
    if (!budget.ok()) std::cerr << budget.error << '\n';
    // The results' dates, when the database has any, refuse a purchase made
    // after its draw.
    ResultHistory results;
    try {
        results = ReadResults(DrawStore::Open(args.db, false));
    } catch (const StoreError&) {
        // No draws stored yet: no date to check against.
    }
    if (std::string why = PurchaseDateError(p, results); !why.empty()) throw UsageError{why};
    TicketStore store = TicketStore::Open(args.db);
    if (const auto over = OverBudget(store.ReadAll(), p, budget.yen))
        std::cerr << "注意: " << BudgetWarning(*over) << '\n';
    p.id = store.Add(p);
    std::cerr << "購入記録に追加しました（" << FormatYen(p.cost()) << " 円）。\n";
    return WriteOut(TicketListText({p})) ? 0 : 1;
}

int List(const Arguments& args) {
    RequireWords(args, 0);
    AllowOnly(args, {});
    return WriteOut(TicketListText(TicketStore::Open(args.db, false).ReadAll())) ? 0 : 1;
}

int Check(const Arguments& args) {
    RequireWords(args, 0);
    // --date: the day the claim deadlines are counted from (today by default).
    AllowOnly(args, {"date"});
    const std::string today = args.option("date").value_or(TodayDate());
    if (!IsValidDate(today)) throw UsageError{"--date には YYYY-MM-DD の日付を指定してください"};
    const std::vector<Purchase> book = TicketStore::Open(args.db, false).ReadAll();
    const HistorySnapshot snapshot = LoadHistorySnapshot(args.db);
    const GameSnapshots games(args.db);
    std::vector<DrawOutcome> outcomes = CheckBook(book, games.draws());
    MarkExpired(book, outcomes, snapshot.results, today);
    const BookSummary summary = Summarise(book, outcomes);
    const TicketReport report{book, outcomes, summary, &snapshot.results, today};
    const auto write = args.format == "csv"    ? WriteTicketReportCsv
                       : args.format == "json" ? WriteTicketReportJson
                                               : WriteTicketReportText;
    return StreamOut([&](std::ostream& out) { write(report, out); }) ? 0 : 1;
}

// Whether any draw the purchase covers won it something.
bool HasWon(const Purchase& p, const std::string& db) {
    const GameSnapshots games(db);
    for (const DrawOutcome& o : CheckBook({p}, games.draws()))
        if (o.outcome == Outcome::Won || o.outcome == Outcome::PrizeUnknown) return true;
    return false;
}

// tickets received ID yes|no: whether the winnings of purchase ID were collected.
int Received(const Arguments& args) {
    RequireWords(args, 2);
    AllowOnly(args, {});
    const std::string& idText = args.positional[2];
    const std::string& flag = args.positional[3];
    std::int64_t id = 0;
    const auto [end, ec] = std::from_chars(idText.data(), idText.data() + idText.size(), id);
    if (ec != std::errc() || end != idText.data() + idText.size() || id < 1)
        throw UsageError{"購入記録の id「" + idText + "」は正の整数ではありません"};
    if (flag != "yes" && flag != "no") throw UsageError{"受け取り済みかどうかは yes か no で指定してください"};
    TicketStore store = TicketStore::Open(args.db, false);
    for (Purchase p : store.ReadAll()) {
        if (p.id != id) continue;
        p.受け取り済み = flag == "yes";
        if (p.受け取り済み && !HasWon(p, args.db))
            throw UsageError{"購入記録 " + idText +
                             " はまだ当せんしていません（はずれ、または未抽せん）。受け取り済みにはできません。"};
        store.Update(p);
        std::cerr << "購入記録 " << id << " を"
                  << (p.受け取り済み ? "受け取り済みにしました" : "未受け取りに戻しました") << "。\n";
        return 0;
    }
    throw UsageError{"購入記録に id " + idText + " はありません"};
}

int Export(const Arguments& args) {
    RequireWords(args, 0);
    AllowOnly(args, {});
    return WriteOut(WriteTicketCsv(TicketStore::Open(args.db, false).ReadAll())) ? 0 : 1;
}

int Import(const Arguments& args) {
    RequireWords(args, 1);
    AllowOnly(args, {"replace"});
    const std::string& file = args.positional[2];
    const FileReadResult bytes = ReadWholeFile(file);
    if (bytes.missing) throw UsageError{file + ": ファイルが見つかりません"};
    if (!bytes.error.empty()) throw UsageError{file + ": " + bytes.error};
    const TicketCsvResult parsed = ReadTicketCsv(bytes.bytes);
    if (!parsed.ok()) throw UsageError{file + ": " + parsed.error + "\n取り込みは行っていません。"};
    TicketStore store = TicketStore::Open(args.db);
    store.AddAll(parsed.purchases, args.has("replace"));
    std::cerr << parsed.purchases.size() << " 件の購入記録を取り込みました。\n";
    return 0;
}

}  // namespace

int RunTickets(const Arguments& args) {
    const std::string& what = args.positional[1];
    if (what == "add") return Add(args);
    if (what == "list") return List(args);
    if (what == "check") return Check(args);
    if (what == "received") return Received(args);
    if (what == "export") return Export(args);
    if (what == "import") return Import(args);
    throw UsageError{"tickets の後には add、list、check、received、export、import のどれかを指定してください"};
}

}  // namespace n3::cli
