#pragma once
// The base of every child window of the main window, and what a child may
// ask of the main window that holds it.
#include <QList>
#include <QSize>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/history_snapshot.h"
#include "core/window_content.h"
#include "platform/qt/common/print_document.h"

class QMenu;

// The store and the tickets are named here only: a window that opens the
// database or drafts a ticket includes their headers itself.
namespace n3 {
class Database;
struct Purchase;
}  // namespace n3

namespace n3 {

class ChildHost {
public:
    virtual ~ChildHost() = default;
    virtual void setEntryFree(bool value) = 0;
    virtual bool entryFree() const = 0;
    // The latest snapshot of the game's history and its statistics.
    virtual const HistorySnapshot& snapshotOf(const Game& game) const = 0;
    // ... of ナンバーズ3, the game every window served first.
    const HistorySnapshot& snapshot() const { return snapshotOf(kNumbers3); }
    // The database of this run, open for the whole run.
    virtual Database& database() = 0;
    // The prediction's option flags as they stand now.
    virtual OptionFlags optionFlags() const = 0;
    // Let pending window messages run once.
    virtual void yieldOnce() = 0;
    // The program is ending: windows close without asking.
    virtual bool ending() const { return false; }
    // The snapshot shared, for work that runs on while a newer one
    // replaces it. The default shares the one snapshotOf() returns.
    virtual std::shared_ptr<const HistorySnapshot> sharedSnapshotOf(const Game& game) const {
        return std::shared_ptr<const HistorySnapshot>(std::shared_ptr<const HistorySnapshot>(), &snapshotOf(game));
    }
    std::shared_ptr<const HistorySnapshot> sharedSnapshot() const { return sharedSnapshotOf(kNumbers3); }
    // Opens the ticket book with `ticket` added for the user to check;
    // hosts without a book ignore it.
    virtual void openTicketDraft(const Purchase& ticket) { (void)ticket; }
    // The day the windows count from (YYYY-MM-DD): 次回の抽せん's next
    // draw and the date of a ticket it adds. Empty for a host without a
    // calendar: the card then shows the draw after the newest stored one.
    virtual std::string today() const { return {}; }
    // A named line of the settings file (empty when not set), and setting
    // it; hosts without a file keep nothing.
    virtual std::string setting(std::string_view key) const {
        (void)key;
        return {};
    }
    virtual void setSetting(std::string_view key, std::string value) {
        (void)key;
        (void)value;
    }
};

// A window's design size (pixels at 96 dpi) in pixels at the screen's
// logical DPI.
QSize ScaledToScreen(QSize designSize, const QWidget* onScreenOf = nullptr);

class ChildWindow : public QWidget {
    Q_OBJECT
public:
    ChildWindow(ChildHost& host, QWidget* parent = nullptr);

    // The class name of the window (出現頻度分析, 当選データ入力, ...).
    virtual QString windowClass() const = 0;
    // The game whose draws the window shows, chosen when it was opened.
    const Game& game() const { return *game_; }
    // Set by the host before the window loads; ナンバーズ3 unless set.
    void setGame(const Game& game) { game_ = &game; }
    // Menus the main window adds to its own while this child is active;
    // empty for none.
    virtual QList<QMenu*> ownMenus() { return {}; }
    // The outer size of the window in pixels at 96 dpi (ScaledToScreen).
    virtual QSize designSize() const = 0;
    // The room the window's content asks for once loaded; the window opens
    // at least this large (as far as the area allows). Invalid: no wish.
    virtual QSize contentSize() const { return {}; }
    // A window of fixed size: its frame cannot be resized or maximised.
    virtual bool fixedSize() const { return false; }
    // What 印刷 (Ctrl+P, the main menu's item or the window's own button)
    // prints of this window as it stands; nullopt when it has nothing to print.
    virtual std::optional<PrintDocument> printDocument() const { return std::nullopt; }
    // The help's section about this window; empty: the window's caption.
    virtual QString helpKeyword() const { return {}; }
    // Asked before the window closes; false keeps it open.
    virtual bool queryUnload() { return true; }
    // Runs once, before the window is first shown: the default sets the
    // pointer, yields once and sets the entry window held.
    virtual void load();

    // Unloads without asking, for the end of the program.
    void forceUnload();
    // The history changed (draws typed, an import, a reload): the host's
    // snapshot is new. A window computes its content again, keeping its
    // scroll position, selection and range. Nothing by default.
    virtual void followHistory() {}
    // The prediction's option flags changed (一発ズバリン予想's 反映する /
    // 反映しない): a window that uses them computes again. Nothing by default.
    virtual void followOptionFlags() {}
    // True while the window is in the middle of a change the others should
    // not see yet (a draw typed up to its second digit); the host follows
    // the history again once the change is whole or the window closes.
    virtual bool holdsHistory() const { return false; }

signals:
    void unloaded();

protected:
    ChildHost& host() const { return host_; }
    // The host's snapshot of the window's game.
    const HistorySnapshot& snapshot() const { return host_.snapshotOf(*game_); }
    std::shared_ptr<const HistorySnapshot> sharedSnapshot() const { return host_.sharedSnapshotOf(*game_); }
    void closeEvent(QCloseEvent* event) override;
    // Runs once when the window goes away: sets the entry window free.
    virtual void unload();

private:
    ChildHost& host_;
    const Game* game_ = &kNumbers3;
    bool unloaded_ = false;
};

}  // namespace n3
