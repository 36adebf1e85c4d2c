// The entry window inside the main window: opened by its menu command under
// the one-child rule, its menu in place of the main window's, closed by its
// button.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>

#include "entry_test_support.h"
#include "platform/qt/frame/main_window.h"

using namespace n3;
using namespace n3::testing::entry;

namespace {

class EntryInMainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        path = dir.file("n3.db");
        StoreDraws(path, {MakeDraw(1, 1, 2, 3), MakeDraw(2, 4, 5, 6)});
        main = std::make_unique<MainWindow>(path, dir.file("settings.ini"));
        main->registerChild(QStringLiteral("当選データ入力"),
                            [](MainWindow& frame) { return CreateEntryWindow(frame); });
        ASSERT_TRUE(main->startUp());
        main->show();
        QCoreApplication::processEvents();  // the prediction opens by itself
    }
    // Closes the prediction window, which holds the program after start-up.
    void closePrediction() const {
        if (QMdiSubWindow* sub = main->subWindow(QStringLiteral("一発ズバリン"))) sub->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QStringList menuCaptions() const {
        QStringList captions;
        for (QAction* a : main->menuBar()->actions()) captions << a->text();
        return captions;
    }
    EntryWindow* entry() const { return qobject_cast<EntryWindow*>(main->child(QStringLiteral("当選データ入力"))); }

    TempDir dir;
    std::string path;
    MessageLog messages;
    std::unique_ptr<MainWindow> main;
};

}  // namespace

TEST_F(EntryInMainWindow, OpensOnceWithItsOwnMenuAndClosesByItsButton) {
    // It opens beside the prediction window: the windows follow its edits.
    ASSERT_TRUE(main->trigger(QStringLiteral("entry")));
    EXPECT_NE(entry(), nullptr);
    if (QMdiSubWindow* sub = main->subWindow(QStringLiteral("当選データ入力"))) sub->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    closePrediction();
    ASSERT_TRUE(main->entryFree());
    const QStringList mainMenus = menuCaptions();

    ASSERT_TRUE(main->trigger(QStringLiteral("entry")));
    EntryWindow* w = entry();
    ASSERT_NE(w, nullptr);
    ASSERT_NE(w->model(), nullptr);
    EXPECT_EQ(w->model()->rowCount(), 2);
    EXPECT_FALSE(main->entryFree());
    QMdiSubWindow* frame = main->subWindow(QStringLiteral("当選データ入力"));
    EXPECT_EQ(frame->pos(), QPoint(0, 0));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("当選データ入力"));
    // The main menus stay, with the window's own 編集(&E) before ウィンドウ(&W).
    QStringList withEdit = mainMenus;
    withEdit.insert(withEdit.indexOf(QStringLiteral("ウィンドウ(&W)")), QStringLiteral("編集(&E)"));
    EXPECT_EQ(menuCaptions(), withEdit);

    // Chosen again: the same window, not a second one.
    ASSERT_TRUE(main->trigger(QStringLiteral("entry")));
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_EQ(main->subWindow(QStringLiteral("当選データ入力")), frame);
    EXPECT_EQ(main->mdiArea()->subWindowList().size(), 1);

    QPointer<QMdiSubWindow> closing = frame;
    QTest::mouseClick(w->closeButton(), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closing.isNull());
    EXPECT_EQ(entry(), nullptr);
    EXPECT_TRUE(main->entryFree());
    EXPECT_EQ(menuCaptions(), mainMenus);
    EXPECT_TRUE(messages.asked.empty());  // nothing wrong, no message
}

TEST_F(EntryInMainWindow, ADatabaseGoneSinceStartUpOpensNothing) {
    closePrediction();
    std::filesystem::remove(path);
    ASSERT_TRUE(main->trigger(QStringLiteral("entry")));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_TRUE(messages.asked[0].text.contains(QStringLiteral("n3.db")));
    EXPECT_EQ(messages.asked[0].title, QStringLiteral("メッセ－ジ"));
    EXPECT_EQ(messages.asked[0].icon, dialogs::Icon::Critical);
    EXPECT_EQ(entry(), nullptr);
    EXPECT_TRUE(main->mdiArea()->subWindowList().isEmpty());
    EXPECT_TRUE(main->entryFree());
    EXPECT_FALSE(std::filesystem::exists(path));  // not created behind the user's back
}
