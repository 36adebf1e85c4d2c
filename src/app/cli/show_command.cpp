#include "app/cli/show_command.h"
#include "app/cli/window_json.h"

#include <array>
#include <iostream>
#include <span>
#include <sstream>

#include "analysis/number_lookup.h"
#include "analysis/result_list.h"
#include "app/cli/commands.h"
#include "app/cli/prediction_json.h"
#include "app/cli/strategy_arguments.h"
#include "core/draw_schedule.h"
#include "core/prize_rule.h"
#include "core/window_names.h"
#include "lab/ticket_payout.h"
#include "platform/store/database.h"
#include "platform/store/ticket_store.h"
#include "prediction/prediction_window_logic.h"
#include "settings/settings.h"
#include "tickets/claim_deadline.h"
#include "tickets/ticket_grids.h"
#include "windows/draw_rows.h"
#include "windows/window_aliases.h"
#include "windows/window_table.h"

namespace n3 {

namespace {

constexpr std::string_view kPredictionWindow = windows::kPrediction;

// The windows `show` prints beside the window table's, and the games each
// serves: the prediction reads the game's draws; the ticket book holds
// purchases of every game.
struct OtherWindow {
    std::string_view name;
    std::span<const Game* const> games;
};
const std::array<OtherWindow, 2> kOtherWindows = {{
    {kPredictionWindow, kGames},
    {windows::kTickets, kGames},
}};

bool OtherWindowServes(std::string_view name, const Game& game) {
    for (const OtherWindow& w : kOtherWindows)
        if (w.name == name)
            for (const Game* served : w.games)
                if (served->id == game.id) return true;
    return false;
}

// The settings as the program starts: the flags from the settings file.
Settings ReadSettings(const ShowOptions& options) {
    Settings settings(options.settingsPath.empty() ? std::string(kSettingsFileName) : options.settingsPath);
    const SettingsFileResult read = settings.Read();
    if (!read.ok()) std::cerr << read.error << '\n';
    return settings;
}

// The prediction window as it opens at start-up: flags from the settings
// file, then the four grids.
PrintedWindow BuildPredictionWindow(const ShowOptions& options, const HistorySnapshot& snapshot) {
    Settings settings = ReadSettings(options);
    一発ズバリン prediction(settings);
    prediction.BuildPrediction(snapshot.history, snapshot.stats.LatestDrawNo, *snapshot.game);
    PrintedWindow w;
    w.name = std::string(kPredictionWindow);
    w.caption = "一発ズバリン予想";
    w.grids.assign(prediction.grids().begin(), prediction.grids().end());
    w.extraJsonMembers = PredictionJsonMember(prediction);
    return w;
}

// 購入記録: the book checked against the snapshot, as the window shows it.
PrintedWindow BuildTicketsWindow(const ShowOptions& options, const HistorySnapshot& snapshot) {
    const std::vector<Purchase> book = TicketStore::Open(options.databasePath, false).ReadAll();
    // Each purchase against its own game's draws.
    std::vector<HistorySnapshot> others;
    std::vector<GameDraws> games{{snapshot.game, &snapshot.history, &snapshot.results}};
    {
        const auto database = Database::Open(options.databasePath, false);
        for (const Game* game : kGames)
            if (game->id != snapshot.game->id) others.push_back(database->ReadSnapshot(*game));
    }
    for (const HistorySnapshot& s : others) games.push_back({s.game, &s.history, &s.results});
    std::vector<DrawOutcome> outcomes = CheckBook(book, games);
    MarkExpired(book, outcomes, snapshot.results, TodayDate());
    PrintedWindow w;
    w.name = std::string(windows::kTickets);
    w.caption = std::string(windows::kTickets);
    const TicketFactors factors =
        TicketFactorsOf(*KeptPayoutFigures(snapshot.history, snapshot.results, &snapshot.memo));
    w.grids = TicketGrids(book, outcomes, Summarise(book, outcomes), &factors);
    return w;
}

}  // namespace

void RefuseRangeWithout(std::string_view window, DrawRange range) {
    if (range.from == 0 && range.to == 0) return;
    const AnalysisWindowInfo* info = FindAnalysisWindow(window);
    // An unknown name is told apart later.
    if (!info && window != kPredictionWindow && window != windows::kTickets) return;
    if (!info || !TakesDrawRange(*info)) throw cli::UsageError{NoRangeMessage(info ? info->caption : window)};
}

std::optional<PrintedWindow> BuildPrintedWindow(const ShowOptions& options, const HistorySnapshot& snapshot) {
    const Game& game = *snapshot.game;
    if (options.window == kPredictionWindow && OtherWindowServes(kPredictionWindow, game))
        return BuildPredictionWindow(options, snapshot);
    if (options.window == windows::kTickets && !options.databasePath.empty() &&
        OtherWindowServes(windows::kTickets, game))
        return BuildTicketsWindow(options, snapshot);
    if (const auto* info = FindAnalysisWindow(options.window);
        info && (info->build || info->content) && ServesGame(*info, game)) {
        OptionFlags flags{};
        if (info->usesOptionFlags) flags = ReadSettings(options).optionFlags();
        WindowInput input = InputOf(snapshot, flags, options.range);
        input.number = options.number;
        std::vector<Strategy> strategies;
        if (info->usesStrategies) {
            if (options.strategy)
                strategies.push_back(*options.strategy);
            else if (!options.databasePath.empty())
                strategies = Database::Open(options.databasePath, false)->strategies().ReadAll();
            input.strategies = &strategies;
            input.singleStrategy = options.strategy.has_value();
        }
        WindowContent content = BuildWindowContent(*info, input);
        PrintedWindow w;
        w.name = std::string(info->className);
        w.caption = std::string(info->caption) + std::string(game.captionSuffix);
        w.extraJsonMembers = WindowJsonMembers(content);
        w.gridTabs = GridTabCaptions(content);
        for (ContentView& view : content.views)
            if (view.grid) w.grids.push_back(std::move(*view.grid));
        // The list of results names the draws whose prizes break the prize rule.
        if (std::holds_alternative<std::shared_ptr<const ResultListDates>>(content.details)) {
            std::string broken;
            for (const int drawNo : PrizeRuleBrokenDraws(snapshot.history, snapshot.results, game))
                broken += (broken.empty() ? "" : ", ") + std::to_string(drawNo);
            w.extraJsonMembers +=
                (w.extraJsonMembers.empty() ? "" : ", ") + std::string("\"prizeRuleBroken\": [") + broken + "]";
        }
        w.headline = std::move(content.headline);
        // A list of draws shows the draws asked for under its frozen rows.
        if (ListsDraws(*info) && (options.range.from != 0 || options.range.to != 0)) {
            const GridModel& grid = w.grids.front();
            std::vector<int> rows;
            for (int r = 1; r <= std::min(grid.frozenRows, grid.rows()); ++r) rows.push_back(r);
            for (int r : DrawRowsBetween(grid, options.range.from, options.range.to ? options.range.to : kMaxDrawNo))
                rows.push_back(r);
            w.onlyRows.push_back(std::move(rows));
        }
        return w;
    }
    return std::nullopt;
}

std::vector<std::string> ShowableWindowNames(const Game& game) {
    std::vector<std::string> names;
    if (OtherWindowServes(kPredictionWindow, game)) names.emplace_back(kPredictionWindow);
    for (const auto& w : AnalysisWindowTable())
        if ((w.build || w.content) && ServesGame(w, game)) names.emplace_back(w.className);
    if (OtherWindowServes(windows::kTickets, game)) names.emplace_back(windows::kTickets);
    return names;
}

namespace cli {

int RunShow(const Arguments& args) { return ShowWindow(args.positional[1], args); }

int ShowWindow(const std::string& windowName, const Arguments& args) {
    // "?" asks for the names that may be given.
    if (windowName == "?") {
        std::string names;
        for (const auto& name : ShowableWindowNames(*args.game)) names += name + '\n';
        return WriteOut(names) ? 0 : 1;
    }
    ShowOptions options;
    options.game = args.game;
    options.window = WindowClassForName(windowName);
    options.settingsPath = args.settings;
    options.databasePath = args.db;
    options.range.from = int(args.number("from", 1, kMaxDrawNo).value_or(0));
    options.range.to = int(args.number("to", 1, kMaxDrawNo).value_or(0));
    if (options.range.from != 0 && options.range.to != 0 && options.range.from > options.range.to)
        throw UsageError{"--from には --to 以下の回数を指定してください。"};
    if (const auto number = args.option("number")) {
        options.number = ParseNumberOption(*number, *args.game);
        if (!options.number) throw UsageError{NumberOptionMessage(*args.game)};
    }
    RefuseRangeWithout(options.window, options.range);
    options.strategy = StrategyFromArguments(args);
    const HistorySnapshot snap = LoadHistorySnapshot(args.db, *args.game);
    const auto window = BuildPrintedWindow(options, snap);
    if (!window) {
        std::cerr << "ウィンドウ名「" << options.window << "」は"
                  << (args.gameGiven ? std::string(args.game->name) + "には" : std::string())
                  << "ありません。指定できる名前:\n";
        for (const auto& name : ShowableWindowNames(*args.game)) std::cerr << "  " << name << '\n';
        return kUsageError;
    }
    std::ostringstream out;
    if (args.format == "json")
        PrintJson(out, *window);
    else if (args.format == "csv")
        PrintCsv(out, *window);
    else
        PrintText(out, *window);
    return WriteOut(out.str()) ? 0 : 1;
}

}  // namespace cli

}  // namespace n3
