// Today's draw from the keyboard alone, right after start-up: Ctrl+F4
// closes the prediction, Alt+M and I open the entry window, Ctrl+A adds
// the row, three digits fill it.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include "entry_test_support.h"
#include "platform/qt/frame/main_window.h"

using namespace n3;
using namespace n3::testing::entry;

TEST(EntryDailyFlow, TodaysDrawIsTypedWithTheKeyboardAlone) {
    TempDir dir;
    const std::string path = dir.file("n3.db");
    StoreDraws(path, {MakeDraw(1, 1, 2, 3), MakeDraw(2, 4, 5, 6)});
    MessageLog messages;
    messages.answers = {dialogs::Result::Yes};  // 行追加's question
    MainWindow main(path, dir.file("settings.ini"));
    ASSERT_TRUE(main.startUp());
    main.show();
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    QCoreApplication::processEvents();  // the prediction opens by itself
    ASSERT_NE(main.subWindow(QStringLiteral("一発ズバリン")), nullptr);
    main.mdiArea()->setFocus();  // wherever the focus is, Ctrl+F4 closes the active child

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4, Qt::ControlModifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(main.subWindow(QStringLiteral("一発ズバリン")), nullptr);

    QTest::keyClick(&main, Qt::Key_M, Qt::AltModifier);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QTest::keyClick(menu, Qt::Key_I);
    QCoreApplication::processEvents();
    // The offscreen display does not hand the activation back from a
    // closed menu by itself, as a window manager does.
    if (QApplication::activeWindow() != &main) QApplication::setActiveWindow(&main);
    ASSERT_EQ(QApplication::activeWindow(), &main);
    auto* entry = qobject_cast<EntryWindow*>(main.child(QStringLiteral("当選データ入力")));
    ASSERT_NE(entry, nullptr);
    // The keyboard goes to the grid as soon as the main window is active.
    EXPECT_EQ(main.focusWidget(), entry->grid());

    QTest::keyClick(main.focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(main.focusWidget(), "807");
    const DrawHistory stored = ReadBack(path);
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_EQ(stored[2].drawNo, 3);
    EXPECT_EQ(stored[2].digits, (DrawDigits{8, 0, 7}));
    EXPECT_EQ(messages.asked.size(), 1u);
}
