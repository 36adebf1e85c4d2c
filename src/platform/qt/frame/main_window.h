#pragma once
// MainCommands on screen: the frame with its menu bar and the area that holds
// every child window. The command rules live in n3::MainCommands; this class
// gives them a screen and owns the start-up snapshot.
#include <QDate>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/qt/common/child_window.h"
#include "platform/qt/frame/history_commands.h"
#include "prediction/prediction_window_logic.h"
#include "settings/settings.h"
#include "windows/main_commands.h"

class QAction;
class QActionGroup;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QFileSystemWatcher;
class QPushButton;
class QTimer;
class QWindow;

namespace n3 {

class HelpWindow;

class MainWindow : public QMainWindow, public MainScreen, public ChildHost, public HistoryCommandHost {
    Q_OBJECT
public:
    // The database and the prediction's settings file of this run.
    MainWindow(std::string databasePath, std::string settingsPath, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The load: reads the prediction settings, then the history and its
    // statistics. On a database that cannot be used it shows the reason and
    // returns false.
    bool startUp();

    MainCommands& commands() { return commands_; }
    // The game new windows open for (the ゲーム menu), kept in the settings.
    const Game& game() const { return *game_; }
    void chooseGame(const Game& game);
    一発ズバリン& prediction() { return prediction_; }
    // Takes a new snapshot of the history; every open window follows it
    // (historyChanged) and none closes. False (with a message, the old
    // snapshot kept) when the database cannot be read.
    bool reload() override;
    // The one way in for every change of the draws or results: the entry
    // window's rows, an import, the updater. The snapshot is rebuilt once
    // for all the changes made before control returns to the event loop,
    // then historyChanged() tells every window. The database's change
    // listener calls it after each committed write.
    void refreshHistory();
    // Closes every child window; each runs its own unload.
    void closeAllChildren();
    QMdiArea* mdiArea() const { return mdi_; }
    // The open child of that class, or nullptr.
    ChildWindow* child(const QString& windowClass) const;
    QMdiSubWindow* subWindow(const QString& windowClass) const;
    // Runs a menu command by its name (as a click on the item would).
    bool trigger(const QString& menuName);
    QAction* menuAction(const QString& menuName) const;
    HelpWindow* helpWindow() const;
    // Settings kept in the settings file beside the option flags (the
    // window's place, the last import folder); empty when not set.
    std::string setting(std::string_view key) const override;
    void setSetting(std::string_view key, std::string value) override;
    // The folder of the shipped history, offered on an empty database at
    // start-up; empty (the default) offers nothing.
    void setBundledDataFolder(std::string folder) { bundledDataFolder_ = std::move(folder); }
    // The day claim deadlines are counted from (the system clock unless set).
    void setClock(std::function<QDate()> today) { today_ = std::move(today); }
    // Names the winnings whose claim deadline is kClaimWarningDays away or
    // fewer in a message; false when there are none (main_window_tickets.cpp).
    bool warnNearClaimDeadlines();
    // The help document; beside the program or installed with it unless set.
    void setHelpPath(const QString& path) { helpPath_ = path; }

    // ChildHost
    void setEntryFree(bool value) override { commands_.setEntryFree(value); }
    bool entryFree() const override { return commands_.entryFree(); }
    // ナンバーズ3's is read at start-up; another game's when a window first asks.
    const HistorySnapshot& snapshotOf(const Game& game) const override { return *sharedSnapshotOf(game); }
    std::shared_ptr<const HistorySnapshot> sharedSnapshotOf(const Game& game) const override;
    bool ending() const override { return ending_; }
    Database& database() override { return *database_; }
    OptionFlags optionFlags() const override { return prediction_.optionFlags(); }
    void yieldOnce() override;  // for the child windows and the menu commands alike
    void openTicketDraft(const Purchase& ticket) override;
    std::string today() const override;
    // The status line: the draws missing by the schedule up to today, and
    // the button that fetches them (main_window_status.cpp).
    void showMissingDraws();

    // HistoryCommandHost
    QWidget* dialogParent() override { return this; }
    bool entryWindowIsFree() override;

    // MainScreen
    void BeginWait() override;
    void EndWait() override;
    void ShowChild(std::string_view windowClass) override;
    void ShowCritical(std::string_view text, std::string_view title) override;

    // Every window class of the menus is built in; a factory registered here
    // replaces the built-in window of its class (the tests put stand-ins in
    // place this way). It creates the window without loading it.
    using ChildFactory = std::function<ChildWindow*(MainWindow&)>;
    void registerChild(const QString& windowClass, ChildFactory factory);
    // Called at the end, after every child has unloaded and the settings
    // have been written.
    void setOnUnload(std::function<void()> onUnload) { onUnload_ = std::move(onUnload); }

signals:
    void childrenChanged();
    // The draws in the database changed: a new snapshot, an import or an
    // edit in the entry window.
    void historyChanged();
    // An option of 一発ズバリン予想 was switched.
    void optionFlagsChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool loadSnapshot();
    // After writes to the database: one new snapshot for all of them.
    void followDatabase();
    // Another program's commits (the command line's import or update):
    // followed as this program's own writes are (main_window_watch.cpp).
    void watchOtherWriters();
    void watchDatabaseFiles();
    void checkOtherWriters();
    void buildMenus();
    QMenu* buildMenu(const MenuItem& item);
    QAction* buildAction(const MenuItem& item, QObject* parent);
    void run(const MenuItem& item);
    void runCommand(const MenuItem& item);
    void showMenusOf(QMdiSubWindow* active);
    // Opens the help at the section of the first of `keywords` it has (the
    // start page when it has none).
    void openHelp(const QStringList& keywords = {});
    // The names the help may give the active child window's section, best
    // first; empty when no child is active (main_window_print.cpp).
    QStringList activeHelpKeywords() const;
    // Prints the active child window through the print preview; a message
    // when no window is active or it has nothing to print.
    void printActive();
    void tileStacked(bool oneAboveTheOther);
    void arrangeIcons();
    ChildWindow* create(const QString& windowClass, const Game& game);
    // The main window's size: the remembered place when the settings file
    // holds a readable one, else the default size; never larger than the
    // screen's available area (main_window_placement.cpp).
    void restorePlacement();
    void rememberPlacement();

    std::string databasePath_;
    std::unique_ptr<Database> database_;  // opened once, at start-up
    std::string bundledDataFolder_;
    // Replaced whole, never changed in place: work on a worker thread keeps
    // the one it started with.
    std::shared_ptr<const HistorySnapshot> snapshot_ = std::make_shared<const HistorySnapshot>();
    // The other games' snapshots, by game id, read when first asked for and
    // then followed like snapshot_.
    mutable std::map<int, std::shared_ptr<const HistorySnapshot>> otherGames_;
    const Game* game_ = &kNumbers3;
    QActionGroup* games_ = nullptr;  // the ゲーム menu's items, one checked
    // The new snapshot of a game other than ナンバーズ3 (an empty one when the
    // database cannot give it: the windows then say there are no draws).
    std::shared_ptr<const HistorySnapshot> readOtherGame(const Game& game) const;
    // The menu items that open windows: enabled for the games they serve.
    void enableItemsFor(const Game& game);
    Settings settings_;  // read once at start-up, written on each change and at the end
    MainCommands commands_;
    一発ズバリン prediction_;  // lives for the whole run; its flags are in settings_
    // The other games' predictions, by game id, made when first opened;
    // they share the flags of settings_.
    std::map<int, std::unique_ptr<一発ズバリン>> otherPredictions_;
    QMdiArea* mdi_;
    std::map<QString, QPointer<QObject>> children_;  // the frame of each open child
    std::map<QString, ChildFactory> factories_;
    std::map<QString, QAction*> actions_;
    QList<QAction*> mainMenuActions_;  // the menu bar's own entries, in order
    QPointer<HelpWindow> help_;
    QString helpPath_;
    std::function<void()> onUnload_;
    std::function<QDate()> today_ = [] { return QDate::currentDate(); };
    QPushButton* fetchMissing_ = nullptr;
    int waitDepth_ = 0;
    bool shownOnce_ = false;
    bool ending_ = false;
    bool snapshotPending_ = false;
    bool historyHeld_ = false;  // a change waits for a window that holds it
    QTimer* otherWriters_ = nullptr;
    QFileSystemWatcher* databaseFiles_ = nullptr;  // the file, its journals' folder, its -wal
    QTimer* filesSettle_ = nullptr;                // a burst of file events checked once
    int dataVersion_ = 0;                          // the database's data version when it was last looked at
};

}  // namespace n3
