#include "windows/main_commands.h"

#include "core/window_names.h"
#include "windows/window_table.h"

namespace n3 {

namespace {

MenuItem Item(std::string name, std::string caption, Command command, std::string window = {}) {
    MenuItem m;
    m.name = std::move(name);
    m.caption = std::move(caption);
    m.command = command;
    m.window = std::move(window);
    return m;
}

MenuItem Menu(std::string name, std::string caption, std::vector<MenuItem> children) {
    MenuItem m = Item(std::move(name), std::move(caption), Command::None);
    m.children = std::move(children);
    return m;
}

// The items of the window table's rows that sit in the top-level menu
// `top`; consecutive rows of one group share a sub-menu.
std::vector<MenuItem> TableItems(std::string_view top) {
    std::vector<MenuItem> items;
    for (const AnalysisWindowInfo* w : WindowsInMenu(top)) {
        MenuItem item = Item(std::string(w->menu.name), std::string(w->menu.caption), Command::OpenAnalysis,
                             std::string(w->className));
        item.games = w->games;
        if (w->menu.groupName.empty()) {
            items.push_back(std::move(item));
            continue;
        }
        if (items.empty() || items.back().name != w->menu.groupName)
            items.push_back(Menu(std::string(w->menu.groupName), std::string(w->menu.groupCaption), {}));
        items.back().children.push_back(std::move(item));
    }
    return items;
}

// ゲーム(&G): one item a game, Ctrl+3 for ナンバーズ3 and so on.
MenuItem GameMenu() {
    std::vector<MenuItem> items;
    for (const Game* game : kGames) {
        const std::string id = std::to_string(game->id);
        MenuItem item = Item("game" + id, std::string(game->name) + "(&" + id + ")", Command::ChooseGame);
        item.shortcut = "Ctrl+" + id;
        item.game = game->id;
        items.push_back(std::move(item));
    }
    return Menu("gameMenu", "ゲーム(&G)", std::move(items));
}

// 一発ズバリン予想: the prediction window itself, then the table's rows
// that sit in this menu; with none of them, the prediction straight on the bar.
MenuItem PredictionMenu() {
    std::vector<MenuItem> rows = TableItems(kPredictionMenu);
    MenuItem prediction =
        Item("prediction", "一発ズバリン予想(&D)", Command::Predict, std::string(windows::kPrediction));
    prediction.games = kGames;
    if (rows.empty()) return prediction;
    prediction.caption = "一発ズバリン予想(&Y)";
    std::vector<MenuItem> items = {std::move(prediction)};
    for (MenuItem& item : rows) items.push_back(std::move(item));
    return Menu(std::string(kPredictionMenu), "一発ズバリン予想(&D)", std::move(items));
}

std::vector<MenuItem> BuildMenuTree() {
    MenuItem maintenance = Item("maintenanceMenu", "当選データ保守(&D)", Command::DataMaintenance);
    maintenance.visible = false;  // has no command behind it
    std::vector<MenuItem> data = {
        Item("entry", "当選データ入力(&I)", Command::OpenEntry, std::string(windows::kEntry)),
    };
    data.back().games = kGames;
    for (MenuItem& item : TableItems(kDataMenu)) data.push_back(std::move(item));
    data.push_back(Item("tickets", "購入記録(&T)", Command::Tickets, std::string(windows::kTickets)));
    for (MenuItem item : {
             Item("fetchLatest", "最新の当選データを取得(&U)", Command::FetchLatest),
             Item("checkAtStart", "起動時に最新データを確認する(&K)", Command::CheckAtStart),
             Item("importCsv", "CSVファイルから取り込み(&O)...", Command::ImportCsv),
             Item("exportCsv", "CSVファイルへ書き出し(&S)...", Command::ExportCsv),
             Item("reload", "データ再読み込み(&R)", Command::Reload),
             maintenance,
         })
        data.push_back(std::move(item));

    MenuItem print = Item("print", "印刷(&P)", Command::Print);
    print.shortcut = "Ctrl+P";
    MenuItem help = Item("helpFile", "ヘルプ(&H)", Command::HelpFile);
    help.shortcut = "F1";
    std::vector<MenuItem> tree = {
        Item("quit", "終了(&X)", Command::End),
        print,
        PredictionMenu(),
        Menu(std::string(kAnalysisMenu), "データ分析(&S)", TableItems(kAnalysisMenu)),
    };
    if (std::vector<MenuItem> verify = TableItems(kVerifyMenu); !verify.empty())
        tree.push_back(Menu(std::string(kVerifyMenu), "検証(&V)", std::move(verify)));
    tree.push_back(Menu("dataMenu", "データ管理(&M)", std::move(data)));
    tree.push_back(GameMenu());
    tree.push_back(Item("settings", "設定(&O)", Command::Settings));
    tree.push_back(Menu("windowMenu", "ウィンドウ(&W)",
                        {
                            Item("tileHorizontal", "上下に並べて表示(&H)", Command::TileHorizontal),
                            Item("tileVertical", "左右に並べて表示(&V)", Command::TileVertical),
                            Item("cascade", "重ねて表示(&C)", Command::Cascade),
                            Item("arrangeIcons", "アイコンの整列(&A)", Command::ArrangeIcons),
                        }));
    tree.push_back(Menu("helpMenu", "ヘルプ(&H)",
                        {
                            help,
                            Item("about", "バージョン情報(&A)", Command::About, std::string(windows::kAbout)),
                        }));
    return tree;
}

const MenuItem* FindIn(const std::vector<MenuItem>& items, std::string_view name) {
    for (const auto& item : items) {
        if (item.name == name) return &item;
        if (const auto* found = FindIn(item.children, name)) return found;
    }
    return nullptr;
}

}  // namespace

const std::vector<MenuItem>& MenuTree() {
    static const std::vector<MenuItem> tree = BuildMenuTree();
    return tree;
}

const MenuItem* FindMenuItem(std::string_view name) { return FindIn(MenuTree(), name); }

bool ServesGame(const MenuItem& item, const Game& game) {
    if (item.games.empty()) return true;
    for (const Game* served : item.games)
        if (served == &game) return true;
    return false;
}

namespace {

bool AnyOpensWindowFor(const std::vector<MenuItem>& items, std::string_view windowClass, const Game& game) {
    for (const MenuItem& item : items) {
        if (item.window == windowClass && !item.games.empty() && ServesGame(item, game)) return true;
        if (AnyOpensWindowFor(item.children, windowClass, game)) return true;
    }
    return false;
}

}  // namespace

bool OpensWindowFor(std::string_view windowClass, const Game& game) {
    return AnyOpensWindowFor(MenuTree(), windowClass, game);
}

void MainCommands::OpenWindow(std::string_view windowClass) {
    ui_.BeginWait();
    ui_.yieldOnce();
    ui_.ShowChild(windowClass);
    ui_.EndWait();
}

// The open windows follow every draw typed, so the entry window opens
// beside them.
void MainCommands::OpenEntryWindow() {
    ui_.BeginWait();
    ui_.yieldOnce();
    ui_.ShowChild(windows::kEntry);
    ui_.EndWait();
}

bool MainCommands::RequireNoEntryWindow(bool entryWindowOpen) {
    if (!entryWindowOpen) return true;
    ui_.ShowCritical(kCloseWindowsFirst, kMessageTitle);
    return false;
}

}  // namespace n3
