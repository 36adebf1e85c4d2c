// The window 買い方の検証 in the main window: its menu, strategies added,
// edited and removed with the plain controls, the list kept in the
// database, refused input left out with a message, and the same figures as
// the command line shows.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <set>
#include <string_view>

#include "platform/qt/analysis/analysis_window.h"
#include "platform/qt/common/dialogs.h"
#include "platform/qt/common/qt_util.h"
#include "platform/qt/frame/main_window.h"
#include "platform/qt/grid/grid_view.h"
#include "platform/qt/strategies/strategy_fields.h"
#include "platform/qt/strategies/strategy_panel.h"
#include "platform/store/database.h"
#include "platform/store/draw_store.h"
#include "temp_dir.h"

using namespace n3;
using n3::testing::TempDir;

namespace {

// Forty draws: 123 on every fourth, 456 otherwise.
std::vector<Draw> Draws() {
    std::vector<Draw> draws;
    for (int n = 1; n <= 40; ++n) {
        Draw d;
        d.drawNo = n;
        const bool hit = n % 4 == 0;
        d.digits = {hit ? 1 : 4, hit ? 2 : 5, hit ? 3 : 6};
        draws.push_back(d);
    }
    return draws;
}

class StrategyWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        DrawStore::Open(dir.file("db.db")).Import(Draws());
        dialogs::SetMessageResponder([this](const dialogs::MessageRequest& r) {
            messages << r.text;
            return answer;
        });
        window = std::make_unique<MainWindow>(dir.file("db.db"), dir.file("settings.ini"));
        ASSERT_TRUE(window->startUp());
        window->show();
        QCoreApplication::processEvents();
        if (QMdiSubWindow* sub = window->subWindow("一発ズバリン")) sub->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_TRUE(window->trigger("strategyTest"));
        QMdiSubWindow* sub = window->subWindow("買い方の検証");
        ASSERT_NE(sub, nullptr);
        analysis = qobject_cast<AnalysisWindow*>(sub->widget());
        ASSERT_NE(analysis, nullptr);
        panel = analysis->strategyPanel();
        ASSERT_NE(panel, nullptr);
    }
    void TearDown() override {
        window.reset();
        dialogs::SetMessageResponder(nullptr);
    }

    template <class T>
    T* child(const char* name) {
        T* w = panel->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // Chooses item `index` of a combo box with the keyboard.
    void choose(const char* name, int index) {
        auto* box = child<QComboBox>(name);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Home);
        for (int i = 0; i < index; ++i) QTest::keyClick(box, Qt::Key_Down);
        ASSERT_EQ(box->currentIndex(), index);
    }
    void type(const char* name, const QString& text) {
        QWidget* w = child<QWidget>(name);
        w->setFocus();
        QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
        // Japanese comes as a key event carrying the text, as an input method sends it.
        for (const QChar ch : text) {
            if (ch.unicode() < 0x80)
                QTest::keyClick(w, ch.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
        if (auto* spin = qobject_cast<QSpinBox*>(w)) spin->interpretText();
    }
    // Clicks a button and waits for the figures it asks for.
    void clickAndWait(const char* name) {
        QSignalSpy computed(analysis, &AnalysisWindow::computed);
        QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton);
        ASSERT_TRUE(computed.wait(10000));
    }
    std::vector<Strategy> saved() { return Database::Open(dir.file("db.db"))->strategies().ReadAll(); }

    TempDir dir;
    std::unique_ptr<MainWindow> window;
    AnalysisWindow* analysis = nullptr;
    StrategyPanel* panel = nullptr;
    QStringList messages;
    dialogs::Result answer = dialogs::Result::Ok;
};

}  // namespace

TEST_F(StrategyWindowTest, SitsInTheVerifyMenuAndStartsWithoutStrategies) {
    QAction* item = window->menuAction("strategyTest");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), "買い方の検証(&K)");
    EXPECT_TRUE(window->menuAction("verifyMenu")->menu()->actions().contains(item));
    EXPECT_EQ(panel->list()->count(), 0);
    EXPECT_NE(analysis->grid()->gridModel().text(1, 3).find("買い方が登録されていません"), std::string::npos);
}

TEST_F(StrategyWindowTest, AddEditAndRemoveWithThePlainControls) {
    type("strategyName", "いつもの");
    choose("strategyRule", int(StrategyRule::Fixed));
    type("strategyNumbers", "123");
    clickAndWait("addStrategy");
    ASSERT_EQ(panel->list()->count(), 1);
    ASSERT_EQ(saved().size(), 1u);
    EXPECT_EQ(saved()[0].numbers, (std::vector<int>{123}));
    const GridModel* grid = &analysis->grid()->gridModel();
    EXPECT_EQ(grid->text(1, 3), "いつもの：決まった番号（123）");
    EXPECT_EQ(grid->text(6, 3), "40");  // 購入回数: draws with a purchase
    EXPECT_EQ(grid->text(8, 3), "10");  // 的中回数

    // Edit: the same strategy as a box of 2 units.
    choose("strategyKind", int(TicketKind::Box));
    type("strategyUnits", "2");
    clickAndWait("editStrategy");
    ASSERT_EQ(saved().size(), 1u);
    EXPECT_EQ(saved()[0].kind, TicketKind::Box);
    EXPECT_EQ(saved()[0].units, 2);
    grid = &analysis->grid()->gridModel();
    EXPECT_EQ(grid->text(17, 3), "ボックス 2口");  // 種類, after the figures

    // A second strategy; unchecking one leaves it out of the grid.
    choose("strategyRule", int(StrategyRule::Last));
    clickAndWait("addStrategy");
    EXPECT_EQ(panel->chosen().size(), 2u);
    grid = &analysis->grid()->gridModel();
    EXPECT_EQ(grid->text(1, 4).rfind("いつもの：前回の番号", 0), 0u) << grid->text(1, 4);

    // Remove the chosen one, after saying yes.
    answer = dialogs::Result::No;
    QTest::mouseClick(child<QPushButton>("removeStrategy"), Qt::LeftButton);
    EXPECT_EQ(saved().size(), 2u);
    answer = dialogs::Result::Yes;
    clickAndWait("removeStrategy");
    ASSERT_EQ(saved().size(), 1u);
    EXPECT_EQ(saved()[0].rule, StrategyRule::Fixed);
}

TEST_F(StrategyWindowTest, RefusedInputSaysWhyAndSavesNothing) {
    choose("strategyRule", int(StrategyRule::Sum));
    type("strategySumLow", "10");
    type("strategySumHigh", "17");
    QTest::mouseClick(child<QPushButton>("addStrategy"), Qt::LeftButton);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("100個を超えます")) << messages[0].toStdString();
    choose("strategyRule", int(StrategyRule::Fixed));
    type("strategyNumbers", "12x");
    QTest::mouseClick(child<QPushButton>("addStrategy"), Qt::LeftButton);
    EXPECT_EQ(messages.size(), 2);
    EXPECT_TRUE(saved().empty());
    EXPECT_EQ(panel->list()->count(), 0);
}

TEST_F(StrategyWindowTest, UncheckingAStrategyLeavesItOut) {
    choose("strategyRule", int(StrategyRule::Last));
    clickAndWait("addStrategy");
    choose("strategyRule", int(StrategyRule::Overdue));
    clickAndWait("addStrategy");
    ASSERT_EQ(panel->list()->count(), 2);
    QSignalSpy computed(analysis, &AnalysisWindow::computed);
    QListWidget* list = panel->list();
    const QRect box = list->visualItemRect(list->item(0));
    // The check box sits at the left of the row.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(box.left() + 10, box.center().y()));
    ASSERT_TRUE(computed.wait(10000));
    EXPECT_EQ(panel->chosen().size(), 1u);
    EXPECT_EQ(analysis->grid()->gridModel().text(1, 3).rfind("ご無沙汰の番号", 0), 0u);
}

TEST_F(StrategyWindowTest, AddingStopsAtTheTablesBoundOfOneHundred) {
    {
        auto db = Database::Open(dir.file("db.db"));
        Strategy s;
        s.rule = StrategyRule::Last;
        for (int i = 1; i <= kMaxStrategies - 1; ++i) {
            s.name = "買い方" + std::to_string(i);
            db->strategies().Add(s);
        }
    }
    auto* add = child<QPushButton>("addStrategy");
    type("strategyName", "百番目");
    choose("strategyRule", int(StrategyRule::Last));
    clickAndWait("addStrategy");
    ASSERT_EQ(saved().size(), std::size_t(kMaxStrategies));
    EXPECT_EQ(panel->list()->count(), kMaxStrategies);
    EXPECT_FALSE(add->isEnabled());
    EXPECT_NE(add->toolTip().indexOf(QStringLiteral("100件まで")), -1) << add->toolTip().toStdString();
    QTest::mouseClick(add, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(saved().size(), std::size_t(kMaxStrategies));
    // Removing one opens 追加 again.
    panel->list()->setCurrentRow(0);
    answer = dialogs::Result::Yes;
    QSignalSpy computed(analysis, &AnalysisWindow::computed);
    QTest::mouseClick(child<QPushButton>("removeStrategy"), Qt::LeftButton);
    EXPECT_TRUE(add->isEnabled());
    EXPECT_EQ(saved().size(), std::size_t(kMaxStrategies - 1));
}

TEST_F(StrategyWindowTest, EveryFieldOfTheTableGoesToTheStoreAndComesBack) {
    std::set<std::string_view> keys;
    for (const StrategyField& field : kStrategyFields) {
        EXPECT_NE(panel->findChild<QWidget*>(Q(field.objectName)), nullptr) << field.objectName;
        EXPECT_TRUE(field.key.empty() || keys.insert(field.key).second) << field.key;
    }
    type("strategyName", "甲");
    choose("strategyRule", int(StrategyRule::Fixed));
    type("strategyNumbers", "123,456");
    choose("strategyKind", int(TicketKind::Box));
    type("strategyUnits", "3");
    clickAndWait("addStrategy");
    type("strategyName", "乙");
    choose("strategyRule", int(StrategyRule::Hot));
    type("strategyN", "50");
    type("strategyK", "5");
    choose("strategyKind", int(TicketKind::Straight));
    type("strategyUnits", "2");
    clickAndWait("addStrategy");
    const std::vector<Strategy> stored = saved();
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[0].numbers, (std::vector<int>{123, 456}));
    EXPECT_EQ(stored[0].units, 3);
    EXPECT_EQ(stored[1].n, 50);
    EXPECT_EQ(stored[1].k, 5);
    // Choosing each in the list brings every field back as it was stored.
    QListWidget* list = panel->list();
    list->setFocus();
    for (const Qt::Key key : {Qt::Key_Home, Qt::Key_Down}) {
        QTest::keyClick(list, key);
        Strategy expected = stored[std::size_t(list->currentRow())];
        expected.id = 0;
        EXPECT_EQ(panel->edited(), expected) << expected.name;
    }
    EXPECT_EQ(child<QLineEdit>("strategyName")->text(), QStringLiteral("乙"));
    EXPECT_FALSE(child<QLineEdit>("strategyNumbers")->isEnabled());  // the rule 乙 follows reads no numbers
}

// The 名前 box shows a typed name of ten full-width characters whole.
TEST_F(StrategyWindowTest, TheNameBoxFitsATypicalName) {
    const QString name = QStringLiteral("ご無沙汰の番号を十個");
    type("strategyName", name);
    auto* box = child<QLineEdit>("strategyName");
    ASSERT_EQ(box->text(), name);
    EXPECT_GE(box->width(), box->fontMetrics().horizontalAdvance(name) + 8);
}
