// The ゲーム menu: Ctrl+4 switches the program to ナンバーズ4 (the title
// and the windows opened afterwards say so and read its draws, the windows
// not written for it are offered no more), Ctrl+3 back; a window keeps the
// game it was opened for, and the choice is remembered for the next start.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMdiSubWindow>
#include <QTest>

#include "entry_test_support.h"
#include "make_draw.h"
#include "platform/qt/common/child_window.h"
#include "platform/qt/frame/main_window.h"
#include "platform/store/database.h"
#include "platform/store/ticket_store.h"
#include "settings/settings.h"
#include "test_history.h"

using namespace n3;
using namespace n3::testing::entry;

namespace {

class GameSwitch : public ::testing::Test {
protected:
    void SetUp() override {
        auto database = Database::Open(db);
        database->Import(n3::testing::generatedHistory(30), {}, false);
        std::vector<Draw> four;
        for (int no = 1; no <= 12; ++no) four.push_back(n3::testing::MakeDraw(no, no % 2 ? "1234" : "5566"));
        DrawResult first;
        first.drawNo = 1;
        first.prize(PrizeKind::Straight).yen = 900000;
        first.prize(PrizeKind::Box).yen = 37500;
        database->Import(four, {first}, false, false, kNumbers4);
    }
    void TearDown() override { main.reset(); }
    void start() {
        main = std::make_unique<MainWindow>(db, ini);
        ASSERT_TRUE(main->startUp());
        main->show();
        QCoreApplication::processEvents();
    }
    void press(Qt::Key key) {
        QTest::keyClick(main.get(), key, Qt::ControlModifier);
        QCoreApplication::processEvents();
    }

    TempDir dir;
    std::string db = dir.file("n3.db");
    std::string ini = dir.file("settings.ini");
    MessageLog messages;
    std::unique_ptr<MainWindow> main;
};

}  // namespace

TEST_F(GameSwitch, WindowsOpenForTheChosenGameAndKeepIt) {
    start();
    const QString title = main->windowTitle();
    EXPECT_TRUE(main->menuAction(QStringLiteral("game3"))->isChecked());

    press(Qt::Key_4);
    EXPECT_EQ(&main->game(), &kNumbers4);
    EXPECT_EQ(main->windowTitle(), title + QStringLiteral("（ナンバーズ4）"));
    EXPECT_TRUE(main->menuAction(QStringLiteral("game4"))->isChecked());
    EXPECT_FALSE(main->menuAction(QStringLiteral("miniGaps"))->isEnabled());
    EXPECT_TRUE(main->menuAction(QStringLiteral("numberTypes"))->isEnabled());

    ASSERT_TRUE(main->trigger(QStringLiteral("numberTypes")));
    QMdiSubWindow* four = main->subWindow(QStringLiteral("タイプ別分析（ナンバーズ4）"));
    ASSERT_NE(four, nullptr);
    EXPECT_EQ(four->windowTitle(), QStringLiteral("タイプ別分析（ナンバーズ4）"));
    auto* fourWindow = qobject_cast<ChildWindow*>(four->widget());
    ASSERT_NE(fourWindow, nullptr);
    EXPECT_EQ(&fourWindow->game(), &kNumbers4);
    EXPECT_EQ(main->snapshotOf(kNumbers4).history.size(), 12u);
    // The prediction opens for ナンバーズ4 beside the one opened at start-up.
    ASSERT_TRUE(main->trigger(QStringLiteral("prediction")));
    QMdiSubWindow* prediction = main->subWindow(QStringLiteral("一発ズバリン（ナンバーズ4）"));
    ASSERT_NE(prediction, nullptr);
    EXPECT_EQ(&qobject_cast<ChildWindow*>(prediction->widget())->game(), &kNumbers4);
    EXPECT_NE(main->subWindow(QStringLiteral("一発ズバリン")), prediction);

    // Back to ナンバーズ3: the same window opens beside the first, for its game.
    press(Qt::Key_3);
    EXPECT_EQ(main->windowTitle(), title);
    EXPECT_TRUE(main->menuAction(QStringLiteral("miniGaps"))->isEnabled());
    ASSERT_TRUE(main->trigger(QStringLiteral("numberTypes")));
    QMdiSubWindow* three = main->subWindow(QStringLiteral("タイプ別分析"));
    ASSERT_NE(three, nullptr);
    EXPECT_NE(three, four);
    EXPECT_EQ(&qobject_cast<ChildWindow*>(three->widget())->game(), &kNumbers3);
    EXPECT_EQ(&fourWindow->game(), &kNumbers4);
}

TEST_F(GameSwitch, TheLastGameIsRememberedAndAFirstStartIsAsEver) {
    start();
    EXPECT_EQ(&main->game(), &kNumbers3);
    EXPECT_EQ(main->setting(settings_keys::kLastGame), "");  // nothing written unless chosen
    press(Qt::Key_4);
    main.reset();

    start();
    EXPECT_EQ(&main->game(), &kNumbers4);
    EXPECT_TRUE(main->menuAction(QStringLiteral("game4"))->isChecked());
}

TEST_F(GameSwitch, TheBookChecksEachPurchaseAgainstTheDrawsOfItsGame) {
    // 4321 as a ナンバーズ4 box on draw 1 (1234 was drawn): the box prize of that draw.
    Purchase box;
    box.購入日 = "1994-10-07";
    box.最初の回数 = 1;
    box.番号 = "4321";
    box.種類 = TicketKind::Box;
    box.game = &kNumbers4;
    TicketStore::Open(db).Add(box);
    start();
    ASSERT_TRUE(main->trigger(QStringLiteral("tickets")));
    QMdiSubWindow* book = main->subWindow(QStringLiteral("購入記録"));
    ASSERT_NE(book, nullptr);
    bool won = false;
    for (const QLabel* label : book->findChildren<QLabel*>()) won = won || label->text().contains("37,500");
    EXPECT_TRUE(won);
}
