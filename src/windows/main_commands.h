#pragma once
// The main window's logic: the menu tree, the entry-free flag and the command
// rules. The Qt main window builds its menus from MenuTree() and routes
// every command here; the screen is reached only through MainScreen.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/game.h"

namespace n3 {

// What the main window's commands need from the screen.
class MainScreen {
public:
    virtual ~MainScreen() = default;
    virtual void BeginWait() = 0;  // hourglass pointer
    virtual void EndWait() = 0;    // normal pointer
    virtual void yieldOnce() = 0;  // let pending window messages run once (as ChildHost::yieldOnce)
    // Shows the child window of that class, creating (loading) it when it
    // is not open, else bringing it forward.
    virtual void ShowChild(std::string_view windowClass) = 0;
    // Modal box with the critical-stop icon and an OK button.
    virtual void ShowCritical(std::string_view text, std::string_view title) = 0;
};

enum class Command {
    None,
    End,
    Predict,
    OpenAnalysis,
    OpenEntry,
    DataMaintenance,
    ImportCsv,
    ExportCsv,
    Settings,
    Reload,
    TileHorizontal,
    TileVertical,
    Cascade,
    ArrangeIcons,
    HelpFile,
    Print,  // prints the active child window
    About,
    Tickets,
    FetchLatest,
    CheckAtStart,
    ChooseGame,  // the game new windows open for (MenuItem::game)
};

struct MenuItem {
    std::string name;     // the command's name: fetchLatest, tileVertical …
    std::string caption;  // with & before the access key
    Command command = Command::None;
    std::string window;    // the window class for OpenAnalysis
    std::string shortcut;  // e.g. "Ctrl+A"
    bool visible = true;
    std::vector<MenuItem> children;  // a sub-menu when not empty
    // ChooseGame: the game's id (3, 4).
    int game = 0;
    // The games the item's window is written for; empty: every game.
    std::span<const Game* const> games;
};

// Whether the item's command serves the game (a window opened for it).
bool ServesGame(const MenuItem& item, const Game& game);
// Whether a menu item opens the window for the game, naming it among the
// games it is written for (an item naming none opens a window of every
// game's data, which is the first game's window).
bool OpensWindowFor(std::string_view windowClass, const Game& game);

// The top-level menus that window-table rows name as their place.
inline constexpr std::string_view kAnalysisMenu = "analysisMenu";
inline constexpr std::string_view kVerifyMenu = "verifyMenu";
inline constexpr std::string_view kPredictionMenu = "predictionMenu";
inline constexpr std::string_view kDataMenu = "dataMenu";

// The whole menu bar, in order.
const std::vector<MenuItem>& MenuTree();
// Finds an item anywhere in the tree by its name.
const MenuItem* FindMenuItem(std::string_view name);

inline constexpr std::string_view kMessageTitle = "メッセ－ジ";
inline constexpr std::string_view kCloseWindowsFirst = "表示中のウィンドウを閉じないと実行できません。";

class MainCommands {
public:
    explicit MainCommands(MainScreen& ui) : ui_(ui) {}

    bool entryFree() const { return entryFree_; }
    void setEntryFree(bool value) { entryFree_ = value; }

    // An analysis, the prediction or the about window: opened without
    // looking at the entry-free flag.
    void OpenWindow(std::string_view windowClass);
    // 当選データ入力, whatever else is open: the windows follow its edits.
    void OpenEntryWindow();
    // For commands that must not run while the entry window is open:
    // true when free, else shows the message and returns false.
    bool RequireNoEntryWindow(bool entryWindowOpen);

private:
    MainScreen& ui_;
    bool entryFree_ = false;
};

}  // namespace n3
