// While 購入記録 or 当選データ入力 is active the menu bar keeps the main
// menus, with the window's own 編集(&E) added: their access keys open the
// main menus and never type into the window's fields.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "entry_test_support.h"
#include "platform/qt/frame/main_window.h"
#include "platform/qt/tickets/tickets_window.h"
#include "test_history.h"

using namespace n3;
using namespace n3::testing::entry;

namespace {

struct ActiveWindow {
    const char* menu;
    const char* windowClass;
};
void PrintTo(const ActiveWindow& c, std::ostream* out) { *out << c.menu; }

class MenusWhileActive : public ::testing::TestWithParam<ActiveWindow> {
protected:
    void SetUp() override {
        DrawStore::Open(db).Import(n3::testing::generatedHistory(20));
        main = std::make_unique<MainWindow>(db, dir.file("settings.ini"));
        ASSERT_TRUE(main->startUp());
        main->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
        QCoreApplication::processEvents();
        for (QAction* a : main->menuBar()->actions()) mainMenus << a->text();
        ASSERT_TRUE(main->trigger(QString::fromUtf8(GetParam().menu)));
        user = main->subWindow(QString::fromUtf8(GetParam().windowClass));
        ASSERT_NE(user, nullptr);
        QCoreApplication::processEvents();
        ASSERT_EQ(main->mdiArea()->activeSubWindow(), user);
    }
    void TearDown() override {
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        main.reset();
    }
    QStringList menuBarCaptions() const {
        QStringList out;
        for (QAction* a : main->menuBar()->actions()) out << a->text();
        return out;
    }
    // The field the keys go to: 月の予算 in 購入記録, the grid in 当選データ入力.
    QWidget* field() const {
        if (auto* tickets = qobject_cast<TicketsWindow*>(user->widget())) return tickets->budgetEdit();
        return qobject_cast<EntryWindow*>(user->widget())->grid();
    }
    // Alt+key in the field opens the main menu named `menuName`.
    void expectAltOpens(Qt::Key key, const char* menuName) {
        QWidget* target = field();
        target->setFocus();
        ASSERT_TRUE(target->hasFocus());
        QTest::keyClick(target, key, Qt::AltModifier);
        QCoreApplication::processEvents();
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(popup, nullptr) << menuName;
        EXPECT_EQ(popup, main->menuAction(QString::fromUtf8(menuName))->menu()) << menuName;
        QTest::keyClick(popup, Qt::Key_Escape);
        QCoreApplication::processEvents();
        if (QWidget* still = QApplication::activePopupWidget()) still->close();
    }

    TempDir dir;
    std::string db = dir.file("n3.db");
    MessageLog messages;
    std::unique_ptr<MainWindow> main;
    QStringList mainMenus;
    QPointer<QMdiSubWindow> user;
};

TEST_P(MenusWhileActive, TheMainMenusStayWithTheWindowsOwnMenuAdded) {
    QStringList expected = mainMenus;
    expected.insert(expected.indexOf(QStringLiteral("ウィンドウ(&W)")), QStringLiteral("編集(&E)"));
    EXPECT_EQ(menuBarCaptions(), expected);
    // Alt+M is データ管理(&M), Alt+W ウィンドウ(&W), Alt+E the window's own.
    expectAltOpens(Qt::Key_M, "dataMenu");
    expectAltOpens(Qt::Key_W, "windowMenu");
    if (auto* tickets = qobject_cast<TicketsWindow*>(user->widget())) {
        EXPECT_EQ(tickets->budgetEdit()->text(), QString());  // no "m" typed into 月の予算
        EXPECT_EQ(tickets->ownMenus().size(), 1);
    }
    field()->setFocus();
    QTest::keyClick(field(), Qt::Key_E, Qt::AltModifier);
    QCoreApplication::processEvents();
    auto* edit = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->title(), QStringLiteral("編集(&E)"));
    QTest::keyClick(edit, Qt::Key_Escape);

    // Another window active: the main menus alone again.
    ASSERT_TRUE(main->trigger(QStringLiteral("appearanceFrequency")));
    QCoreApplication::processEvents();
    EXPECT_EQ(menuBarCaptions(), mainMenus);
    // Alt+X is 終了(&X) in the window too: the program ends.
    main->mdiArea()->setActiveSubWindow(user);
    QCoreApplication::processEvents();
    field()->setFocus();
    QTest::keyClick(field(), Qt::Key_X, Qt::AltModifier);
    QCoreApplication::processEvents();
    EXPECT_FALSE(main->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Windows, MenusWhileActive,
                         ::testing::Values(ActiveWindow{"tickets", "購入記録"},
                                           ActiveWindow{"entry", "当選データ入力"}),
                         [](const auto& param) { return std::string(param.param.menu); });

}  // namespace
