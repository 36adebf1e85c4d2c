// The keys and commands that act on whichever window is active: Ctrl+P and
// the main menu's 印刷 print it (with or without a button of its own), F1
// opens the help at its section, a closed drop-down or message box leaves
// it active, and a window of draws opens at the newest ones.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "entry_test_support.h"
#include "platform/qt/analysis/analysis_window.h"
#include "platform/qt/analysis/range_controls.h"
#include "platform/qt/frame/help_window.h"
#include "platform/qt/frame/main_window.h"
#include "platform/qt/grid/grid_view.h"
#include "platform/qt/print/print_layout.h"
#include "platform/qt/print/print_preview.h"
#include "platform/qt/tickets/tickets_window.h"
#include "test_paths.h"

using namespace n3;
using namespace n3::testing::entry;

namespace {

// 300 draws whose digits turn at different speeds: enough rows to scroll.
std::vector<Draw> TurningDraws(int count) {
    std::vector<Draw> draws;
    for (int n = 1; n <= count; ++n) draws.push_back(MakeDraw(n, n * 7 % 10, n * 3 % 10, (n * 9 + 1) % 10));
    return draws;
}

class WindowKeysTest : public ::testing::Test {
protected:
    void SetUp() override {
        path = dir.file("n3.db");
        StoreDraws(path, TurningDraws(300));
        main = std::make_unique<MainWindow>(path, dir.file("settings.ini"));
        main->setHelpPath(QString::fromStdString(n3::testing::kHelpFile));
        ASSERT_TRUE(main->startUp());
        main->resize(1366, 768);
        main->show();
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
        QCoreApplication::processEvents();  // the prediction opens by itself
        if (QMdiSubWindow* sub = main->subWindow(QStringLiteral("一発ズバリン"))) sub->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        SetPrintPreviewResponder([this](const PrintDocument& doc) { printed.push_back(doc); });
    }
    void TearDown() override {
        SetPrintPreviewResponder(nullptr);
        if (HelpWindow* help = main->helpWindow()) help->close();
        main.reset();
    }
    // Opens a window as its menu item does and gives the keyboard to it.
    QMdiSubWindow* open(const char* windowClass) {
        main->ShowChild(windowClass);
        QCoreApplication::processEvents();
        if (QApplication::activeWindow() != main.get()) QApplication::setActiveWindow(main.get());
        QMdiSubWindow* sub = main->subWindow(QString::fromUtf8(windowClass));
        if (!sub) return nullptr;
        main->mdiArea()->setActiveSubWindow(sub);
        sub->widget()->setFocus();
        return sub;
    }
    QWidget* keyboard() const { return QApplication::focusWidget() ? QApplication::focusWidget() : main.get(); }

    TempDir dir;
    std::string path;
    MessageLog messages;
    std::unique_ptr<MainWindow> main;
    std::vector<PrintDocument> printed;
};

// Ctrl+P prints the active window, whether or not it has a 印刷 button.
class PrintKeyTest : public WindowKeysTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(PrintKeyTest, CtrlPPrintsTheActiveWindow) {
    QMdiSubWindow* sub = open(GetParam());
    ASSERT_NE(sub, nullptr);
    QTest::keyClick(keyboard(), Qt::Key_P, Qt::ControlModifier);
    ASSERT_EQ(printed.size(), 1u) << GetParam();
    const PrintDocument& doc = printed.front();
    EXPECT_EQ(doc.caption, sub->widget()->windowTitle().toStdString());
    EXPECT_FALSE(doc.items.empty());
    EXPECT_TRUE(messages.asked.empty());
}

INSTANTIATE_TEST_SUITE_P(Windows, PrintKeyTest,
                         ::testing::Values("分割10データ分析", "出現頻度分析", "予想の検証", "購入記録", "一発ズバリン",
                                           "当選データ入力", "曜日月別分析", "ミニ分析", "ペア分析"));

TEST_F(WindowKeysTest, MainMenuPrintItemPrintsTheActiveWindowAndSaysWhenThereIsNone) {
    QAction* item = main->menuAction(QStringLiteral("print"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), QStringLiteral("印刷(&P)"));
    EXPECT_EQ(item->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    ASSERT_TRUE(main->trigger(QStringLiteral("print")));
    EXPECT_TRUE(printed.empty());
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_TRUE(messages.asked[0].text.contains(QStringLiteral("印刷するウィンドウがありません")));

    ASSERT_NE(open("出現頻度分析"), nullptr);
    ASSERT_TRUE(main->trigger(QStringLiteral("print")));
    ASSERT_EQ(printed.size(), 1u);
    EXPECT_EQ(printed[0].caption, "出現頻度分析");
    // The entry window prints the draws as stored, one a row under a header.
    ASSERT_NE(open("当選データ入力"), nullptr);
    ASSERT_TRUE(main->trigger(QStringLiteral("print")));
    ASSERT_EQ(printed.size(), 2u);
    ASSERT_EQ(printed[1].items.size(), 1u);
    EXPECT_EQ(printed[1].items[0].grid.rows(), 301);
    EXPECT_EQ(printed[1].items[0].grid.text(1, 301), "300");
}

// Every line of text on paper gets the height its wrapped lines need.
TEST_F(WindowKeysTest, LongNotesOfTheBacktestPrintWrappedAndWhole) {
    ASSERT_NE(open("予想の検証"), nullptr);
    QTest::keyClick(keyboard(), Qt::Key_P, Qt::ControlModifier);
    ASSERT_EQ(printed.size(), 1u);
    PrintDocument doc = printed[0];
    const std::string note =
        "判定：p値を7つの方法の数で補正し（ボンフェローニ）、0.01未満のときだけ偶然と区別します。"
        "無作為の対照は、同じ口数を000～999から無作為に選んだときの的中回数です。";
    doc.addText(note);
    const QSize area(1800, 2600);
    const QFontMetrics fm(PrintTextFont(PrintTextStyle::Normal));
    bool found = false;
    for (const PrintPage& page : LayOutPages(doc, area))
        for (const PrintTextPiece& t : page.texts) {
            const QRect need = fm.boundingRect(QRect(0, 0, t.rect.width(), 100000), Qt::TextWordWrap, t.text);
            EXPECT_GE(t.rect.height(), need.height()) << t.text.toStdString();
            EXPECT_LE(t.rect.width(), area.width());
            found = found || t.text == QString::fromStdString(note);
        }
    EXPECT_TRUE(found);
}

TEST_F(WindowKeysTest, F1OpensTheHelpAtTheActiveWindowsSectionWithPlainAccessKeys) {
    for (const auto& [windowClass, keyword] :
         {std::pair{"予想の検証", "予想の検証"}, std::pair{"購入記録", "購入記録"}, std::pair{"配当分析", "配当分析"},
          std::pair{"分割10データ分析", "10分割データ分析"}, std::pair{"曜日月別分析", "曜日・月別分析"},
          std::pair{"ミニ分析", "ミニ分析"}, std::pair{"ペア分析", "ペア分析"}}) {
        ASSERT_NE(open(windowClass), nullptr);
        QTest::keyClick(keyboard(), Qt::Key_F1);
        HelpWindow* help = main->helpWindow();
        ASSERT_NE(help, nullptr);
        EXPECT_EQ(help->currentKeyword(), QString::fromUtf8(keyword)) << windowClass;
        QApplication::setActiveWindow(main.get());
    }
    const QString page = main->helpWindow()->pageText();
    EXPECT_FALSE(page.contains(QStringLiteral("(&"))) << "an access key written as (&X)";
    EXPECT_TRUE(page.contains(QStringLiteral("(P)")) || page.contains(QStringLiteral("(H)")));
}

// Closing the range drop-down leaves its window active and does not bring
// the prediction forward.
TEST_F(WindowKeysTest, ClosingADropDownKeepsTheActiveWindow) {
    QMdiSubWindow* sub = open("乱数性の検定");
    ASSERT_NE(sub, nullptr);
    auto* window = qobject_cast<AnalysisWindow*>(sub->widget());
    ASSERT_NE(window, nullptr);
    ASSERT_NE(window->rangeControls(), nullptr);
    QComboBox* choice = window->rangeControls()->choice();
    for (int round = 0; round < 2; ++round) {
        QTest::mouseClick(choice, Qt::LeftButton);
        QCoreApplication::processEvents();
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_NE(popup, nullptr);
        QTest::keyClick(popup, Qt::Key_Escape);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        EXPECT_EQ(main->subWindow(QStringLiteral("一発ズバリン")), nullptr) << "round " << round;
        EXPECT_EQ(main->mdiArea()->activeSubWindow(), sub);
    }
}

// A message box, once dismissed, gives the focus back where it was: the
// window beneath never comes forward.
TEST_F(WindowKeysTest, DismissingAMessageBoxKeepsTheActiveWindowAndItsFocus) {
    QMdiSubWindow* backtest = open("予想の検証");
    QMdiSubWindow* tickets = open("購入記録");
    ASSERT_NE(backtest, nullptr);
    ASSERT_NE(tickets, nullptr);
    auto* book = qobject_cast<TicketsWindow*>(tickets->widget());
    ASSERT_NE(book, nullptr);
    book->budgetEdit()->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), book->budgetEdit());
    dialogs::SetMessageResponder(nullptr);  // a real box, answered by its own key
    QTimer::singleShot(0, [] {
        if (QWidget* box = QApplication::activeModalWidget()) QTest::keyClick(box, Qt::Key_Return);
    });
    QTest::keyClicks(book->budgetEdit(), QStringLiteral("abc"));
    QTest::keyClick(book->budgetEdit(), Qt::Key_Return);  // not an amount: the box explains
    QCoreApplication::processEvents();
    // The offscreen display does not hand the activation back from a closed
    // box by itself, as a window manager does.
    if (QApplication::activeWindow() != main.get()) QApplication::setActiveWindow(main.get());
    QCoreApplication::processEvents();
    EXPECT_EQ(main->mdiArea()->activeSubWindow(), tickets);
    EXPECT_EQ(QApplication::focusWidget(), book->budgetEdit());
    EXPECT_EQ(main->subWindow(QStringLiteral("一発ズバリン")), nullptr);
}

// Windows whose rows are draws open with the newest draws in view.
class NewestDrawsTest : public WindowKeysTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(NewestDrawsTest, OpensScrolledToTheNewestDraws) {
    QMdiSubWindow* sub = open(GetParam());
    ASSERT_NE(sub, nullptr);
    QCoreApplication::processEvents();
    auto* window = qobject_cast<AnalysisWindow*>(sub->widget());
    ASSERT_NE(window, nullptr);
    QTableView* body = window->grid()->body();
    const QScrollBar* bar = body->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
    // The newest draw's row is on screen.
    const GridModel& grid = window->grid()->gridModel();
    int newest = -1;
    for (int r = grid.rows(); r >= 1 && newest < 0; --r)
        if (grid.text(1, r) == "300") newest = r;
    ASSERT_GT(newest, 0);
    const QRect row = body->visualRect(body->model()->index(newest - 1, 0));
    EXPECT_TRUE(body->viewport()->rect().intersects(row));
}

INSTANTIATE_TEST_SUITE_P(Windows, NewestDrawsTest,
                         ::testing::Values("出現間隔分析", "数字合計分析", "分割10データ分析", "分割5傾向分析",
                                           "出現回数分析"));

}  // namespace
