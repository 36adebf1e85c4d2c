// The entry window as it opens and closes: its look, entryFree, the close
// check, and a history of the largest size.
#include <QAction>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <cstdlib>

#include "entry_test_support.h"
#include "platform/store/startup_load.h"

using namespace n3;
using namespace n3::testing::entry;

namespace {

// A file written by another tool: the same table without its range checks,
// holding digits outside 0..9.
std::string ForeignDatabase(const TempDir& dir) {
    const std::string path = dir.file("foreign.db");
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    RawExec(db,
            "CREATE TABLE 当選データ (回数 INTEGER PRIMARY KEY, 第1数字 INTEGER, 第2数字 INTEGER, 第3数字 INTEGER);"
            "CREATE VIEW 全データ選択クエリ AS SELECT 回数, 第1数字, 第2数字, 第3数字 FROM 当選データ;"
            "INSERT INTO 当選データ VALUES (1, 1, 2, 3), (2, 4, NULL, 6), (3, 7, 12, 10), (4, -1, 0, 0);");
    sqlite3_close(db);
    return path;
}

}  // namespace

TEST(EntryWindow, LoadsEveryDrawWithTheGridOfTheWindow) {
    TempDir dir;
    const auto path = dir.file("n3.db");
    StoreDraws(path, {MakeDraw(2, 4, 5, 6), MakeDraw(1, 1, 2, 3), MakeDraw(3, 7, std::nullopt, 9)});
    EntryHost host(path);
    OpenedEntryWindow w(host);
    ASSERT_TRUE(w.loaded());

    // The load: one yield, the entry window held.
    EXPECT_EQ(host.yields, 1);
    EXPECT_EQ(host.entryFreeWrites, std::vector<bool>{false});

    EXPECT_EQ(w->windowClass(), QStringLiteral("当選データ入力"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("当選データ入力"));
    EXPECT_EQ(w->descriptionLabel()->text(),
              QStringLiteral("当選数字を開催回数毎に入力します（分析対象データとなります）"));
    EXPECT_EQ(w->closeButton()->text(), QStringLiteral("閉じる(&C)"));
    EXPECT_EQ(w->designSize(), QSize(当選データ入力::kDesignWidth, 当選データ入力::kDesignHeight));

    // Rows in draw-number order; column 5 has no field and is not shown.
    ASSERT_EQ(w.model()->rowCount(), 3);
    ASSERT_EQ(w.model()->columnCount(), 4);
    EXPECT_EQ(w.text(0, 0), "1");
    EXPECT_EQ(w.text(1, 1), "4");
    EXPECT_EQ(w.text(2, 2), "");
    const QStringList headings{"回数", "第1数字", "第2数字", "第3数字"};
    for (int c = 0; c < 4; ++c) EXPECT_EQ(w.model()->headerData(c, Qt::Horizontal).toString(), headings[c]);

    // 回数 read-only red on (255,255,200); the digits editable; all centred.
    const QModelIndex no = w.model()->index(0, 0), digit = w.model()->index(0, 1);
    EXPECT_FALSE(w.model()->flags(no) & Qt::ItemIsEditable);
    EXPECT_TRUE(w.model()->flags(digit) & Qt::ItemIsEditable);
    EXPECT_EQ(no.data(Qt::ForegroundRole).value<QBrush>().color(), QColor(255, 0, 0));
    EXPECT_EQ(no.data(Qt::BackgroundRole).value<QBrush>().color(), QColor(255, 255, 200));
    EXPECT_FALSE(digit.data(Qt::BackgroundRole).isValid());
    EXPECT_EQ(digit.data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));

    // Widths 5, 7, 7, 7 characters; rows 10 points; only the vertical scroll bar.
    const QFontMetrics fm = w.grid()->fontMetrics();
    const int unit = std::max(fm.averageCharWidth(), fm.horizontalAdvance(QLatin1Char('0')));
    EXPECT_EQ(w.grid()->columnWidth(0), 5 * unit + 2);
    EXPECT_EQ(w.grid()->columnWidth(1), 7 * unit + 2);
    EXPECT_EQ(w.grid()->columnWidth(2), 7 * unit + 2);
    EXPECT_EQ(w.grid()->columnWidth(3), 7 * unit + 2);
    EXPECT_EQ(w.grid()->rowHeight(0), qRound(10 * w.grid()->logicalDpiY() / 72.0));
    EXPECT_EQ(w.grid()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(w.grid()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_TRUE(w.grid()->verticalHeader()->isHidden());
    EXPECT_FALSE(w.grid()->horizontalHeader()->isHidden());
    const QString family = w.grid()->font().family();
    EXPECT_TRUE(family == "ＭＳ Ｐゴシック" || family == "IPAPGothic") << family.toStdString();

    // Its menu, which takes the place of the main window's.
    const QList<QMenu*> menus = w->ownMenus();
    ASSERT_EQ(menus.size(), 1);
    EXPECT_EQ(menus[0]->title(), QStringLiteral("編集(&E)"));
    EXPECT_EQ(w->insertRow()->text(), QStringLiteral("行追加"));
    EXPECT_EQ(w->insertRow()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_A));
    EXPECT_EQ(w->deleteRow()->text(), QStringLiteral("行削除"));
    EXPECT_EQ(w->deleteRow()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));
    const QList<QAction*> actions = menus[0]->actions();
    ASSERT_EQ(actions.size(), 5);
    EXPECT_EQ(actions.mid(0, 2), (QList<QAction*>{w->insertRow(), w->deleteRow()}));
    EXPECT_TRUE(actions[2]->isSeparator());
    EXPECT_EQ(actions.mid(3), (QList<QAction*>{w->undo(), w->redo()}));
    EXPECT_EQ(w->undo()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(w->redo()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Y));
}

TEST(EntryWindow, CloseCheckStopsAtTheFirstWrongCellAndKeepsTheWindowOpen) {
    TempDir dir;
    EntryHost host(ForeignDatabase(dir));
    MessageLog messages;
    OpenedEntryWindow w(host);
    ASSERT_TRUE(w.loaded());
    w->show();

    QTest::mouseClick(w->closeButton(), Qt::LeftButton);
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(messages.asked[0].text, QStringLiteral("結果マスタの数字に誤りがあります。"));
    EXPECT_EQ(messages.asked[0].title, QStringLiteral("メッセ－ジ"));
    EXPECT_EQ(messages.asked[0].icon, dialogs::Icon::Critical);
    EXPECT_EQ(messages.asked[0].buttons, dialogs::Buttons::Ok);
    // Row 3 holds two wrong cells (12, 10): the cursor goes to the left one,
    // not to the -1 of the row below.
    EXPECT_EQ(w.grid()->currentIndex(), w.model()->index(2, 2));
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(host.entryFree());

    // Put right one by one: the check moves on, then lets the window go.
    TypeInto(w, 2, 2, "2");
    QTest::mouseClick(w->closeButton(), Qt::LeftButton);
    EXPECT_EQ(w.grid()->currentIndex(), w.model()->index(2, 3));
    TypeInto(w, 2, 3, "0");
    QTest::mouseClick(w->closeButton(), Qt::LeftButton);
    EXPECT_EQ(w.grid()->currentIndex(), w.model()->index(3, 1));
    TypeInto(w, 3, 1, "");  // an empty digit passes
    QTest::mouseClick(w->closeButton(), Qt::LeftButton);
    // That row now holds two digits: asked whether to go on typing it
    // (no answer queued: No, the window closes).
    ASSERT_EQ(messages.asked.size(), 4u);
    EXPECT_TRUE(messages.asked[3].text.contains(QStringLiteral("入力を続けますか")))
        << messages.asked[3].text.toStdString();
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(host.entryFree());
    EXPECT_EQ(host.entryFreeWrites, (std::vector<bool>{false, true}));

    const DrawHistory stored = ReadBack(host.databasePath());
    EXPECT_EQ(stored[2].digits[1], 2);
    EXPECT_EQ(stored[2].digits[2], 0);
    EXPECT_FALSE(stored[3].digits[0].has_value());
}

TEST(EntryWindow, TheCloseBoxSkipsTheCheckAndStoresWhatIsBeingTyped) {
    TempDir dir;
    EntryHost host(ForeignDatabase(dir));
    MessageLog messages;
    OpenedEntryWindow w(host);
    ASSERT_TRUE(w.loaded());
    w->show();
    const QModelIndex cell = w.model()->index(1, 2);
    w.grid()->setCurrentIndex(cell);
    QTest::keyClick(w.grid(), Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(w.grid()->indexWidget(cell));
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "5");  // editor open, not yet stored

    EXPECT_TRUE(w->close());
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_TRUE(host.entryFree());
    EXPECT_EQ(ReadBack(host.databasePath())[1].digits[1], 5);
}

TEST(EntryWindow, OpensTheLargestHistoryAtOnce) {
    TempDir dir;
    const auto path = dir.file("n3.db");
    std::vector<Draw> draws;
    for (int no = 1; no <= kMaxDrawNo; ++no) draws.push_back(MakeDraw(no, no % 10, (no / 10) % 10, 3));
    StoreDraws(path, draws);
    EntryHost host(path);
    // How long it takes is measured by benchmarks/entry_window_benchmark.cpp.
    OpenedEntryWindow w(host);
    ASSERT_TRUE(w.loaded());
    w->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(w.model()->rowCount(), kMaxDrawNo);
    EXPECT_EQ(w.text(kMaxDrawNo - 1, 0), "32767");
    EXPECT_EQ(w.text(kMaxDrawNo - 1, 2), "6");
    w.grid()->scrollToBottom();
    EXPECT_EQ(w.grid()->verticalScrollBar()->value(), w.grid()->verticalScrollBar()->maximum());
}

TEST(EntryWindow, TheNextStartCountsTheNewDraws) {
    TempDir dir;
    const auto path = dir.file("n3.db");
    StoreDraws(path, {MakeDraw(1, 1, 2, 3)});
    EntryHost host(path);
    MessageLog messages;
    {
        OpenedEntryWindow w(host);
        ASSERT_TRUE(w.loaded());
        w->show();
        messages.answers = {dialogs::Result::Yes};
        w.grid()->setCurrentIndex(w.model()->index(0, 1));
        w->AddLine();
        TypeInto(w, 1, 1, "7");
        TypeInto(w, 1, 2, "7");
        TypeInto(w, 1, 3, "0");
        QTest::mouseClick(w->closeButton(), Qt::LeftButton);
    }
    const HistorySnapshot next = LoadHistorySnapshot(path);
    EXPECT_EQ(next.stats.LatestDrawNo, 2);
    EXPECT_EQ(next.stats.DigitCount[7], 2);
    EXPECT_EQ(next.stats.DigitCount[0], 1);
}

TEST(EntryWindow, RendersTheGridColours) {
    TempDir dir;
    const auto path = dir.file("n3.db");
    std::vector<Draw> draws;
    for (int no = 1; no <= 40; ++no)
        draws.push_back(
            MakeDraw(no, (no * 7) % 10, (no * 3) % 10, no % 4 == 0 ? std::nullopt : std::optional<int>(no % 10)));
    StoreDraws(path, draws);
    EntryHost host(path);
    OpenedEntryWindow w(host);
    ASSERT_TRUE(w.loaded());
    w->show();
    w.grid()->scrollToTop();  // the window opens on the newest draw
    QCoreApplication::processEvents();
    const QImage image = w->grab().toImage();
    if (const char* out = std::getenv("N3_ENTRY_SCREENSHOT")) image.save(QString::fromLocal8Bit(out));

    // Left edge of the 回数 cell of the second row: yellow ground, grey border.
    const QRect cell = w.grid()->visualRect(w.model()->index(1, 0));
    const QPoint origin = w.grid()->viewport()->mapTo(w.window.data(), QPoint(0, 0));
    const QPoint ground = origin + QPoint(cell.left() + 2, cell.center().y());
    EXPECT_EQ(image.pixelColor(ground), QColor(255, 255, 200));
    const QPoint border = origin + QPoint(cell.right(), cell.center().y());
    EXPECT_EQ(image.pixelColor(border), QColor(192, 192, 192));
    const QRect digitCell = w.grid()->visualRect(w.model()->index(1, 1));
    EXPECT_EQ(image.pixelColor(origin + QPoint(digitCell.left() + 2, digitCell.center().y())), QColor(255, 255, 255));
}
