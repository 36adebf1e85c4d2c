#pragma once
// What the entry window tests share: a main window stand-in, a recorder that
// answers message boxes, and small database helpers.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "fake_host.h"
#include "make_draw.h"
#include "platform/qt/common/dialogs.h"
#include "platform/qt/entry/draw_entry_model.h"
#include "platform/qt/entry/entry_grid_view.h"
#include "platform/qt/entry/entry_window.h"
#include "platform/store/database.h"
#include "platform/store/draw_store.h"
#include "temp_dir.h"

namespace n3::testing::entry {

using n3::testing::MakeDraw;

using n3::testing::TempDir;

using EntryHost = n3::testing::FakeHost;

// Answers every message box with the next queued answer (Ok or No when
// none is left) and keeps what was asked.
class MessageLog {
public:
    MessageLog() {
        dialogs::SetMessageResponder([this](const dialogs::MessageRequest& r) {
            asked.push_back(r);
            if (answers.empty())
                return r.buttons == dialogs::Buttons::YesNo ? dialogs::Result::No : dialogs::Result::Ok;
            const auto answer = answers.front();
            answers.pop_front();
            return answer;
        });
    }
    ~MessageLog() { dialogs::SetMessageResponder(nullptr); }
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    std::vector<dialogs::MessageRequest> asked;
    std::deque<dialogs::Result> answers;
};

inline void StoreDraws(const std::string& path, const std::vector<Draw>& draws) { DrawStore::Open(path).Import(draws); }

// The history as a fresh connection reads it.
inline DrawHistory ReadBack(const std::string& path) { return DrawStore::Open(path, false).ReadHistoryForEditing(); }

inline int RawExec(sqlite3* db, const std::string& sql) {
    return sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
}

// A window opened as the main window opens it, deleted at the end of a test.
struct OpenedEntryWindow {
    explicit OpenedEntryWindow(EntryHost& host) {
        window = qobject_cast<EntryWindow*>(CreateEntryWindow(host));
        if (window) window->load();
    }
    bool loaded() const { return window && window->model(); }
    ~OpenedEntryWindow() { delete window.data(); }
    OpenedEntryWindow(const OpenedEntryWindow&) = delete;
    OpenedEntryWindow& operator=(const OpenedEntryWindow&) = delete;
    EntryWindow* operator->() const { return window.data(); }
    EntryGridView* grid() const { return window->grid(); }
    DrawEntryModel* model() const { return window->model(); }
    QString text(int row, int column) const { return model()->data(model()->index(row, column)).toString(); }
    // Shows the window and waits until it is the active window.
    void showActive() const {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.data()));
    }
    QPointer<EntryWindow> window;
};

// Types `keys` into a cell through its editor: F2 opens it with the cell's
// text selected, Return stores the text. Empty keys clear the cell.
inline void TypeInto(const OpenedEntryWindow& w, int row, int column, const QString& keys) {
    const QModelIndex cell = w.model()->index(row, column);
    w.grid()->setCurrentIndex(cell);
    QTest::keyClick(w.grid(), Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(w.grid()->indexWidget(cell));
    ASSERT_NE(editor, nullptr);
    if (keys.isEmpty())
        QTest::keyClick(editor, Qt::Key_Backspace);
    else
        QTest::keyClicks(editor, keys);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    ASSERT_EQ(w.grid()->indexWidget(cell), nullptr);
}

}  // namespace n3::testing::entry
