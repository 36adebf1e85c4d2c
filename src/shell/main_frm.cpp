#include "shell/main_frm.h"

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

MenuItem Analysis(std::string name, std::string caption, std::string window) {
    return Item(std::move(name), std::move(caption), Command::OpenAnalysis, std::move(window));
}

MenuItem Menu(std::string name, std::string caption, std::vector<MenuItem> children) {
    MenuItem m = Item(std::move(name), std::move(caption), Command::None);
    m.children = std::move(children);
    return m;
}

std::vector<MenuItem> BuildMenuTree() {
    MenuItem maintenance = Item("mnuMasterMente", "当選データ保守(&D)", Command::MasterMaintenance);
    maintenance.visible = false;  // has no command behind it
    return {
        Item("mnuEnd", "終了(&X)", Command::End),
        Item("mnuYoso", "一発ズバリン予想(&D)", Command::Predict, "一発ズバリン"),
        Menu("mnuMain", "データ分析(&S)", {
            Menu("mnuHindo", "頻度分析", {
                Analysis("mnuSyutugenHindo", "出現頻度分析", "出現頻度分析"),
                Analysis("mnuSyutugenKaisu", "回数別出現分析", "回数別出現分析"),
            }),
            Menu("mnuKankaku", "間隔分析", {
                Analysis("mnuSyutugenKankaku", "出現間隔分析", "出現間隔分析"),
                Analysis("mnuNumberKankaku", "数字間隔分析", "数字間隔分析"),
            }),
            Analysis("mnuZenkaiSyutugen", "出現回数分析", "出現回数分析"),
            Analysis("mnuBaratsuki", "バラツキ分析", "バラツキ分析"),
            Analysis("mnuHippari", "引っ張り分析", "引っ張り分析"),
            Analysis("mnuRenbanTobiishi", "連番・飛び石分析", "連番飛び石分析"),
            Analysis("mnuHonsuji", "数字合計分析", "数字合計分析"),
            Menu("mnuPattern", "組合せパターン分析", {
                Analysis("mnuLowHightPattern", "低数字・高数字の組合せパターン分析", "低数字高数字の組合せパターン分析"),
                Analysis("mnuKisuGusuPattern", "偶数・奇数の組合せパターン分析", "偶数奇数の組合せパターン分析"),
            }),
            Analysis("mnu5BunkatsuKeiko", "5分割傾向分析", "分割5傾向分析"),
            Menu("mnuBunkatsuData", "分割データ分析", {
                Analysis("mnu3BunkatsuData", "3分割データ分析", "分割3データ分析"),
                Analysis("mnu5BunkatsuData", "5分割データ分析", "分割5データ分析"),
                Analysis("mnu10BunkatsuData", "10分割データ分析", "分割10データ分析"),
            }),
            Analysis("mnuLastChar", "下一桁出現傾向分析", "下一桁出現傾向分析"),
            Analysis("mnuLastCharRenzoku", "下一桁連続出現回数分析", "下一桁連続出現回数分析"),
        }),
        Menu("mnuHosyu", "データ管理(&M)", {
            Item("mnuMasterInput", "当選データ入力(&I)", Command::MasterInput, "当選データ入力"),
            Item("mnuImportCsv", "CSVファイルから取り込み(&O)...", Command::ImportCsv),
            Item("mnuExportCsv", "CSVファイルへ書き出し(&S)...", Command::ExportCsv),
            Item("mnuReload", "データ再読み込み(&R)", Command::Reload),
            maintenance,
        }),
        Menu("mnuWindow", "ウィンドウ(&W)", {
            Item("mnuWindowHorizontal", "上下に並べて表示(&H)", Command::TileHorizontal),
            Item("mnuWindowVertical", "左右に並べて表示(&V)", Command::TileVertical),
            Item("mnuWindowCascade", "重ねて表示(&C)", Command::Cascade),
            Item("mnuWindowArrangeIcon", "アイコンの整列(&A)", Command::ArrangeIcons),
        }),
        Menu("mnuHelp", "ヘルプ(&H)", {
            Item("mnuHelpFile", "ヘルプ(&H)", Command::HelpFile),
            Item("mnuAbout", "バージョン情報(&A)", Command::About, "バージョン情報"),
        }),
    };
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

void MainFrm::OpenWindow(std::string_view windowClass) {
    ui_.BeginWait();
    ui_.YieldOnce();
    ui_.ShowChild(windowClass);
    ui_.EndWait();
}

void MainFrm::OpenMasterInput() {
    if (propEnd_) {
        ui_.BeginWait();
        ui_.YieldOnce();
        ui_.ShowChild("当選データ入力");
        ui_.EndWait();
        return;
    }
    ui_.ShowCritical(kCloseWindowsFirst, kMessageTitle);
    ui_.EndWait();
}

bool MainFrm::RequireNoEntryWindow(bool entryWindowOpen) {
    if (!entryWindowOpen) return true;
    ui_.ShowCritical(kCloseWindowsFirst, kMessageTitle);
    return false;
}

}  // namespace n3
