#pragma once
// The main window's logic: the menu tree, the entry-free flag and the command
// rules. The Qt main window builds its menus from MenuTree() and routes
// every command here; the screen is reached only through MainFrmUi.
#include <string>
#include <string_view>
#include <vector>

namespace n3 {

// What the main window's commands need from the screen.
class MainFrmUi {
public:
    virtual ~MainFrmUi() = default;
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
    MasterInput,
    MasterMaintenance,
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
};

struct MenuItem {
    std::string name;     // mnuXXX
    std::string caption;  // with & before the access key
    Command command = Command::None;
    std::string window;    // the window class for OpenAnalysis
    std::string shortcut;  // e.g. "Ctrl+A"
    bool visible = true;
    std::vector<MenuItem> children;  // a sub-menu when not empty
};

// The top-level menus that window-table rows name as their place.
inline constexpr std::string_view kAnalysisMenu = "mnuMain";
inline constexpr std::string_view kVerifyMenu = "mnuVerify";
inline constexpr std::string_view kPredictionMenu = "mnuPredict";
inline constexpr std::string_view kDataMenu = "mnuHosyu";

// The whole menu bar, in order.
const std::vector<MenuItem>& MenuTree();
// Finds an item anywhere in the tree by its mnu name.
const MenuItem* FindMenuItem(std::string_view name);

inline constexpr std::string_view kMessageTitle = "メッセ－ジ";
inline constexpr std::string_view kCloseWindowsFirst = "表示中のウィンドウを閉じないと実行できません。";

class MainFrm {
public:
    explicit MainFrm(MainFrmUi& ui) : ui_(ui) {}

    bool entryFree() const { return entryFree_; }
    void setEntryFree(bool value) { entryFree_ = value; }

    // An analysis, the prediction or the about window: opened without
    // looking at the entry-free flag.
    void OpenWindow(std::string_view windowClass);
    // 当選データ入力, whatever else is open: the windows follow its edits.
    void OpenMasterInput();
    // For commands that must not run while the entry window is open:
    // true when free, else shows the message and returns false.
    bool RequireNoEntryWindow(bool entryWindowOpen);

private:
    MainFrmUi& ui_;
    bool entryFree_ = false;
};

}  // namespace n3
