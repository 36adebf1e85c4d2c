// The entry window while another program writes the same database: a typed
// digit goes only to the draw the window shows, the rows follow the stored
// draws, and an edit of a draw that changed elsewhere ends with a message.
#include "entry_test_support.h"

using namespace n3;
using namespace n3::testing::entry;

namespace {

struct EntryFollowsOtherWriters : ::testing::Test {
    void SetUp() override {
        path = dir.file("n3.db");
        StoreDraws(path, {MakeDraw(1, 1, 2, 3), MakeDraw(2, 4, 5, 6), MakeDraw(3, 9, 7, 8), MakeDraw(4, 0, 1, 2)});
        host = std::make_unique<EntryHost>(path);
        w = std::make_unique<OpenedEntryWindow>(*host);
        ASSERT_TRUE(w->loaded());
        w->showActive();
    }
    // Another program: draw 3 becomes 111 and draws 5 to 7 are added.
    void writeElsewhere() const {
        StoreDraws(path, {MakeDraw(3, 1, 1, 1), MakeDraw(5, 5, 5, 5), MakeDraw(6, 6, 6, 6), MakeDraw(7, 7, 7, 7)});
    }
    QString shown(int drawNo) const {
        const int row = w->model()->entry().RowOf(drawNo);
        return w->text(row, 1) + w->text(row, 2) + w->text(row, 3);
    }
    bool toldChangedElsewhere() const {
        return !messages.asked.empty() && messages.asked.back().text.contains(QStringLiteral("ほかのプログラムで変更"));
    }

    TempDir dir;
    std::string path;
    MessageLog messages;
    std::unique_ptr<EntryHost> host;
    std::unique_ptr<OpenedEntryWindow> w;
};

TEST_F(EntryFollowsOtherWriters, ADigitTypedOnADrawChangedElsewhereIsNotWritten) {
    writeElsewhere();
    w->grid()->setCurrentIndex(w->model()->index(w->model()->entry().RowOf(3), 3));
    QTest::keyClick(w->grid(), '5');
    EXPECT_TRUE(toldChangedElsewhere());
    EXPECT_EQ(ReadBack(path)[2].digits, MakeDraw(3, 1, 1, 1).digits);
    EXPECT_EQ(shown(3), QStringLiteral("111"));
    // The draws added elsewhere show, and the next new draw comes after them.
    EXPECT_EQ(w->model()->rowCount(), 7);
    const int added = w->model()->addLine();
    ASSERT_GE(added, 0);
    EXPECT_EQ(w->model()->entry().row(added).drawNo, 8);
    EXPECT_EQ(ReadBack(path).size(), 8U);
}

TEST_F(EntryFollowsOtherWriters, FollowingEndsAnEditOnlyWhenItsDrawChanged) {
    // An open edit of draw 2, unchanged elsewhere, goes on.
    const QModelIndex two = w->model()->index(1, 1);
    w->grid()->setCurrentIndex(two);
    QTest::keyClick(w->grid(), Qt::Key_F2);
    ASSERT_NE(w->grid()->indexWidget(two), nullptr);
    writeElsewhere();
    w->window->followHistory();
    EXPECT_NE(w->grid()->indexWidget(two), nullptr);
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_EQ(w->model()->rowCount(), 7);
    w->grid()->dropEditing();

    // An open edit of draw 3 while it changes elsewhere ends, showing it.
    StoreDraws(path, {MakeDraw(3, 9, 7, 8)});
    w->window->followHistory();
    const QModelIndex three = w->model()->index(2, 3);
    w->grid()->setCurrentIndex(three);
    QTest::keyClick(w->grid(), Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(w->grid()->indexWidget(three));
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("5"));
    writeElsewhere();
    w->window->followHistory();
    EXPECT_EQ(w->grid()->indexWidget(three), nullptr);
    EXPECT_TRUE(toldChangedElsewhere());
    EXPECT_EQ(shown(3), QStringLiteral("111"));
    EXPECT_EQ(ReadBack(path)[2].digits, MakeDraw(3, 1, 1, 1).digits);
}

TEST_F(EntryFollowsOtherWriters, UndoNeverWritesOverADrawChangedElsewhere) {
    w->grid()->setCurrentIndex(w->model()->index(3, 1));
    QTest::keyClick(w->grid(), '7');
    ASSERT_EQ(ReadBack(path)[3].digits, MakeDraw(4, 7, 1, 2).digits);
    StoreDraws(path, {MakeDraw(4, 9, 9, 9)});
    w->window->Undo();
    EXPECT_TRUE(toldChangedElsewhere());
    EXPECT_EQ(ReadBack(path)[3].digits, MakeDraw(4, 9, 9, 9).digits);
    EXPECT_EQ(shown(4), QStringLiteral("999"));
}

}  // namespace
