// The main window in daily use: cascading, small sizes, the remembered
// place, the ウィンドウ menu's list, keys that close windows, access keys
// and Tab, Qt's dialogs in Japanese, and how titles and rows are drawn.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QTableView>
#include <QTest>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "file_bytes.h"
#include "platform/qt/analysis/analysis_window.h"
#include "platform/qt/common/dialogs.h"
#include "platform/qt/common/qt_japanese.h"
#include "platform/qt/entry/result_list_window.h"
#include "platform/qt/frame/help_window.h"
#include "platform/qt/frame/main_window.h"
#include "platform/qt/grid/grid_text_fit.h"
#include "platform/qt/grid/grid_view.h"
#include "platform/qt/prediction/prediction_option_panel.h"
#include "platform/qt/prediction/prediction_window.h"
#include "platform/store/draw_store.h"
#include "settings/settings_file.h"
#include "temp_dir.h"
#include "test_paths.h"
#include "windows/window_table.h"

using namespace n3;
using n3::testing::TempDir;

namespace {

class ArrangementTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::vector<Draw> draws;
        for (int no = 1; no <= 60; ++no) {
            Draw d;
            d.drawNo = no;
            d.digits = {no % 10, (no * 3) % 10, (no * 7 + 1) % 10};
            draws.push_back(d);
        }
        DrawStore::Open(dir.file("db.db")).Import(draws);
        dialogs::SetMessageResponder([this](const dialogs::MessageRequest& r) {
            messages.push_back(r);
            return dialogs::Result::Ok;
        });
        open();
    }
    void TearDown() override {
        window.reset();
        dialogs::SetMessageResponder(nullptr);
    }
    void open() {
        window = std::make_unique<MainWindow>(dir.file("db.db"), dir.file("settings.ini"));
        ASSERT_TRUE(window->startUp());
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QCoreApplication::processEvents();  // the prediction opens by itself
    }
    QMdiSubWindow* openAnalysis(const char* menuName) {
        window->trigger(menuName);
        return window->mdiArea()->activeSubWindow();
    }
    QRect visibleArea() const { return window->mdiArea()->viewport()->rect(); }
    std::string settingsText() const { return n3::testing::FileBytes(dir.file("settings.ini")); }

    TempDir dir;
    std::vector<dialogs::MessageRequest> messages;
    std::unique_ptr<MainWindow> window;
};

}  // namespace

TEST_F(ArrangementTest, CascadeKeepsEachWindowAtItsOwnSizeInsideTheArea) {
    QMdiSubWindow* prediction = window->subWindow("一発ズバリン");
    ASSERT_NE(prediction, nullptr);
    QMdiSubWindow* count = openAnalysis("appearanceCount");
    QMdiSubWindow* frequency = openAnalysis("appearanceByCount");
    ASSERT_NE(count, nullptr);
    ASSERT_NE(frequency, nullptr);
    const QSize opened[] = {prediction->size(), count->size(), frequency->size()};
    window->trigger("tileHorizontal");  // sizes changed on purpose
    ASSERT_NE(count->size(), opened[1]);

    window->trigger("cascade");
    const int step = count->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, count);
    ASSERT_GT(step, 0);
    QMdiSubWindow* windows[] = {prediction, count, frequency};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(windows[i]->size(), opened[i].boundedTo(visibleArea().size())) << i;
        EXPECT_TRUE(visibleArea().contains(windows[i]->geometry())) << i;
    }
    // One title bar apart, unless a window had to start again at the corner.
    EXPECT_EQ(prediction->pos(), QPoint(0, 0));
    for (int i = 1; i < 3; ++i) {
        const QPoint pos = windows[i]->pos();
        EXPECT_TRUE(pos == windows[i - 1]->pos() + QPoint(step, step) || pos == QPoint(0, 0)) << i;
    }
    // The analysis grid shows rows, not a strip of title bar.
    auto* analysis = qobject_cast<AnalysisWindow*>(count->widget());
    EXPECT_GT(analysis->grid()->body()->viewport()->height(), 80);
    EXPECT_EQ(window->mdiArea()->activeSubWindow(), frequency);
}

TEST_F(ArrangementTest, ThePredictionWindowNeverOverlapsWhenSmall) {
    openAnalysis("appearanceCount");
    openAnalysis("appearanceByCount");
    window->trigger("tileHorizontal");
    auto* prediction = qobject_cast<PredictionWindow*>(window->subWindow("一発ズバリン")->widget());
    ASSERT_NE(prediction, nullptr);
    ASSERT_LT(prediction->height(), prediction->scrollArea()->widget()->minimumSizeHint().height());
    QCoreApplication::processEvents();

    // Every control keeps its room and none lies on another.
    QWidget* content = prediction->scrollArea()->widget();
    QList<QWidget*> parts{prediction->findChild<PredictionOptionPanel*>(), prediction->closeButton(),
                          prediction->printButton()};
    for (int i = 0; i < kPredictionGridCount; ++i) parts << prediction->grid(i);
    QList<QRect> places;
    for (QWidget* part : parts) {
        ASSERT_NE(part, nullptr);
        EXPECT_GE(part->height(), part->minimumSizeHint().height()) << part->objectName().toStdString();
        places << QRect(part->mapTo(content, QPoint(0, 0)), part->size());
    }
    for (int i = 0; i < places.size(); ++i)
        for (int j = i + 1; j < places.size(); ++j)
            EXPECT_FALSE(places[i].intersects(places[j]))
                << parts[i]->objectName().toStdString() << " / " << parts[j]->objectName().toStdString();
    // What does not fit is reached by scrolling.
    EXPECT_GT(prediction->scrollArea()->verticalScrollBar()->maximum(), 0);
}

TEST_F(ArrangementTest, TheMainWindowFitsTheScreenAndRemembersItsPlace) {
    const QRect available = window->screen()->availableGeometry();
    EXPECT_LE(window->width(), available.width());
    EXPECT_LE(window->height(), available.height());

    // A child larger than the area is fitted into it; shrinking the main
    // window brings every child back inside.
    QMdiSubWindow* count = openAnalysis("appearanceCount");
    EXPECT_TRUE(visibleArea().contains(count->geometry()));
    count->move(200, 150);
    window->resize(520, 400);
    QCoreApplication::processEvents();
    for (QMdiSubWindow* w : window->mdiArea()->subWindowList())
        EXPECT_TRUE(visibleArea().contains(w->geometry())) << w->windowTitle().toStdString();

    window->setGeometry(30, 40, 600, 450);
    const QRect normal = window->geometry();
    window->close();
    const std::string text = settingsText();
    // The flag lines come first, exactly as before; the place follows.
    EXPECT_EQ(text.substr(0, SettingsFileText(window->prediction().optionFlags()).size()),
              SettingsFileText(window->prediction().optionFlags()));
    EXPECT_NE(text.find("MainWindowPlacement=30,40,600,450,0\r\n"), std::string::npos) << text;

    window.reset();
    open();
    EXPECT_EQ(window->geometry(), normal);
    EXPECT_FALSE(window->isMaximized());

    window->showMaximized();
    QCoreApplication::processEvents();
    window->close();
    window.reset();
    open();
    EXPECT_TRUE(window->isMaximized());
    EXPECT_TRUE(messages.empty());
}

TEST_F(ArrangementTest, AnUnreadablePlaceIsIgnored) {
    window->close();
    window.reset();
    {
        std::ofstream out(dir.file("settings.ini"), std::ios::binary);
        out << "MainWindowPlacement=wide,tall\r\n" << std::string(kOptionKeys[0]) << "=True\r\n";
    }
    open();
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(window->prediction().optionFlag(0));  // the flags are still read
    const QRect available = window->screen()->availableGeometry();
    EXPECT_LE(window->width(), available.width());
    EXPECT_LE(window->height(), available.height());
}

TEST_F(ArrangementTest, TheWindowMenuListsTheOpenWindows) {
    QMdiSubWindow* count = openAnalysis("appearanceCount");
    QMenu* menu = window->menuAction("windowMenu")->menu();
    ASSERT_NE(menu, nullptr);
    emit menu->aboutToShow();
    QStringList listed;
    QList<QAction*> entries;
    for (QAction* a : menu->actions())
        if (a->objectName().startsWith("windowList")) {
            listed << a->text();
            entries << a;
        }
    EXPECT_EQ(listed, (QStringList{"&1 一発ズバリン予想", "&2 出現回数分析"}));
    ASSERT_EQ(entries.size(), 2);
    EXPECT_FALSE(entries[0]->isChecked());
    EXPECT_TRUE(entries[1]->isChecked());

    entries[0]->trigger();
    EXPECT_EQ(window->mdiArea()->activeSubWindow(), window->subWindow("一発ズバリン"));
    // Shown again, the list follows: one window closed, the check moved.
    count->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    emit menu->aboutToShow();
    listed.clear();
    for (QAction* a : menu->actions())
        if (a->objectName().startsWith("windowList")) {
            listed << a->text();
            EXPECT_TRUE(a->isChecked());
        }
    EXPECT_EQ(listed, (QStringList{"&1 一発ズバリン予想"}));
}

TEST_F(ArrangementTest, CtrlF4AndEscapeClose) {
    QMdiSubWindow* count = openAnalysis("appearanceCount");
    ASSERT_NE(count, nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4, Qt::ControlModifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window->subWindow("出現回数分析"), nullptr);

    window->trigger("about");
    QMdiSubWindow* about = window->subWindow("バージョン情報");
    ASSERT_NE(about, nullptr);
    // A small dialog of fixed size: no resizing, no maximise button.
    EXPECT_EQ(about->minimumSize(), about->maximumSize());
    EXPECT_FALSE(about->windowFlags() & Qt::WindowMaximizeButtonHint);
    about->widget()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window->subWindow("バージョン情報"), nullptr);

    window->setHelpPath(QString::fromStdString(n3::testing::kHelpFile));
    window->trigger("helpFile");
    HelpWindow* help = window->helpWindow();
    ASSERT_NE(help, nullptr);
    help->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
}

TEST_F(ArrangementTest, ButtonsHaveAccessKeysAndTabLeavesTheGrid) {
    QMdiSubWindow* sub = openAnalysis("appearanceCount");
    auto* analysis = qobject_cast<AnalysisWindow*>(sub->widget());
    ASSERT_NE(analysis, nullptr);
    EXPECT_EQ(analysis->closeButton()->text(), "閉じる(&C)");
    ASSERT_NE(analysis->printButton(), nullptr);
    EXPECT_EQ(analysis->printButton()->text(), "印刷(&P)");
    auto* prediction = qobject_cast<PredictionWindow*>(window->subWindow("一発ズバリン")->widget());
    EXPECT_EQ(prediction->closeButton()->text(), "閉じる(&C)");
    EXPECT_EQ(prediction->printButton()->text(), "印刷(&P)");

    QTableView* grid = analysis->grid()->body();
    grid->setFocus();
    ASSERT_TRUE(grid->hasFocus());
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_FALSE(grid->hasFocus());
    EXPECT_TRUE(QApplication::focusWidget() == analysis->closeButton() ||
                QApplication::focusWidget() == analysis->printButton());

    // Alt+C is the close button (a button shows its click before it acts).
    QSignalSpy clicked(analysis->closeButton(), &QPushButton::clicked);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
    ASSERT_TRUE(clicked.count() > 0 || clicked.wait(2000));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window->subWindow("出現回数分析"), nullptr);
}

TEST(QtJapanese, QtsOwnTextsAreInJapanese) {
    const QString source = QStringLiteral("%1 already exists.\nDo you want to replace it?");
    ASSERT_TRUE(InstallQtJapanese());
    const QString translated = QCoreApplication::translate("QFileDialog", source.toUtf8().constData());
    EXPECT_NE(translated, source);
    EXPECT_TRUE(translated.contains(QStringLiteral("%1"))) << translated.toStdString();
    EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
}

TEST_F(ArrangementTest, TitlesShowWholeRowsKeepTheirPaddingAndCtrlEndShowsTheLastRow) {
    auto* count = qobject_cast<AnalysisWindow*>(openAnalysis("appearanceCount")->widget());
    GridView* view = count->grid();
    const GridModel& grid = view->gridModel();
    // The title 出現回数合計(回) in column 6 fits columns 6 and 7 as drawn.
    QTableView* band = view->frozenBand();
    const int room = band->columnWidth(5) + band->columnWidth(6) - 2 * kCellTextPadding;
    EXPECT_GE(room, band->fontMetrics().horizontalAdvance(QString::fromStdString(grid.text(6, 1))) + 1);
    EXPECT_EQ(grid.text(6, 1), "　　出現回数合計(回)");  // the grid itself is as it was
    EXPECT_EQ(grid.columnWidth(7), grid.columnWidth(6));

    // Ctrl+End: the last row lies wholly in sight.
    QTableView* body = view->body();
    body->setFocus();
    QTest::keyClick(body, Qt::Key_End, Qt::ControlModifier);
    const QModelIndex last = body->model()->index(body->model()->rowCount() - 1, 0);
    ASSERT_TRUE(last.isValid());
    EXPECT_EQ(body->currentIndex().row(), last.row());
    EXPECT_TRUE(body->viewport()->rect().contains(body->visualRect(last))) << body->visualRect(last).y();

    // 連番・飛び石分析's header texts keep a pixel from the lines of their 10 pt row.
    auto* renban = qobject_cast<AnalysisWindow*>(openAnalysis("consecutiveStepping")->widget());
    QTableView* header = renban->grid()->frozenBand();
    const QImage image = header->viewport()->grab().toImage();
    const int rowHeight = header->rowHeight(0);
    ASSERT_GE(rowHeight, 10);
    int checked = 0;
    for (int c = 0; c < header->model()->columnCount(); ++c) {
        const QRect cell = header->visualRect(header->model()->index(0, c));
        if (renban->grid()->gridModel().isEmpty(c + 1, 1) || cell.width() <= 0) continue;
        const QColor ground = image.pixelColor(cell.left() + 1, cell.top() + 1);
        // Rows 1 and height-2 (just inside the lines) hold nothing but ground.
        for (int y : {cell.top() + 1, cell.bottom() - 1})
            for (int x = cell.left() + 1; x < cell.right() && x < image.width(); ++x)
                EXPECT_EQ(image.pixelColor(x, y), ground) << "column " << c + 1 << " y " << y << " x " << x;
        ++checked;
    }
    EXPECT_GT(checked, 2);
}

TEST_F(ArrangementTest, EveryGridShowsWholeRowsAfterCtrlEnd) {
    // What was checked is counted: a window that does not open, or a grid
    // too small to judge everywhere, must not pass by being skipped.
    int listed = 0, opened = 0, judgedAtOwnSize = 0, judged = 0;
    for (const AnalysisWindowInfo& info : AnalysisWindowTable()) {
        if (!info.build && !info.content) continue;
        ++listed;
        window->trigger(QString::fromUtf8(info.menu.name.data(), qsizetype(info.menu.name.size())));
        QMdiSubWindow* sub = window->mdiArea()->activeSubWindow();
        // 当選結果一覧 opens as its own editable table (result_list_editing_test.cpp).
        if (sub && qobject_cast<ResultListWindow*>(sub->widget())) {
            --listed;
            sub->close();
            continue;
        }
        auto* analysis = sub ? qobject_cast<AnalysisWindow*>(sub->widget()) : nullptr;
        EXPECT_NE(analysis, nullptr) << std::string(info.className) << " did not open";
        if (!analysis) continue;
        ++opened;
        const QSize ownSize = sub->size();
        for (const QSize size : {ownSize, QSize(420, 260)}) {
            sub->resize(size);
            QCoreApplication::processEvents();
            QTableView* body = analysis->grid()->body();
            body->setFocus();
            QTest::keyClick(body, Qt::Key_Home, Qt::ControlModifier);
            QTest::keyClick(body, Qt::Key_End, Qt::ControlModifier);
            // A window whose controls leave its grid less than three rows
            // is too small to read either way; its rows are not judged.
            if (body->viewport()->height() < 3 * body->verticalHeader()->defaultSectionSize()) continue;
            ++judged;
            if (size == ownSize) ++judgedAtOwnSize;
            int last = body->model()->rowCount() - 1;
            while (last > 0 && body->isRowHidden(last)) --last;
            const QRect r = body->visualRect(body->model()->index(last, body->currentIndex().column()));
            EXPECT_TRUE(body->viewport()->rect().contains(r))
                << std::string(info.className) << " " << size.width() << "x" << size.height() << " row " << r.y() << "+"
                << r.height() << " in " << body->viewport()->height();
            // No half row at the top, under the frozen rows.
            const int top = body->rowAt(0);
            EXPECT_EQ(body->visualRect(body->model()->index(top, 0)).top(), 0)
                << std::string(info.className) << " " << size.width() << "x" << size.height();
        }
        sub->close();
    }
    std::printf("[ checked  ] %d of %d windows opened; %d grids judged, %d at the window's own size\n", opened, listed,
                judged, judgedAtOwnSize);
    EXPECT_GT(listed, 15);
    EXPECT_EQ(opened, listed);
    EXPECT_EQ(judgedAtOwnSize, opened);
}

// The first start fills the screen's free area; 上下に並べて表示 and
// 左右に並べて表示, chosen with the keys, put more windows than fit in strips
// into a grid whose tables keep rows in view.
TEST_F(ArrangementTest, FirstStartFillsTheScreenAndTilingManyWindowsKeepsRowsInView) {
    const QRect available = window->screen()->availableGeometry();
    EXPECT_EQ(window->width(), available.width());
    EXPECT_EQ(window->geometry().bottom(), available.bottom());

    window->resize(1366, 740);
    QCoreApplication::processEvents();
    std::vector<QMdiSubWindow*> opened;
    for (const char* name : {"appearanceCount", "appearanceByCount", "digitSum", "dispersion", "pull"})
        opened.push_back(openAnalysis(name));
    for (const Qt::Key key : {Qt::Key_H, Qt::Key_V}) {
        QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
        QTest::keyClick(focus, Qt::Key_W, Qt::AltModifier);
        QCoreApplication::processEvents();
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        QTest::keyClick(menu, key);
        QCoreApplication::processEvents();
        const auto subs = window->mdiArea()->subWindowList();
        ASSERT_EQ(subs.size(), 6);  // the prediction and the five
        for (qsizetype i = 0; i < subs.size(); ++i) {
            EXPECT_TRUE(visibleArea().contains(subs[i]->geometry())) << i;
            for (qsizetype j = i + 1; j < subs.size(); ++j)
                EXPECT_FALSE(subs[i]->geometry().intersects(subs[j]->geometry())) << i << " " << j;
        }
        for (QMdiSubWindow* sub : opened)
            EXPECT_GT(qobject_cast<AnalysisWindow*>(sub->widget())->grid()->body()->viewport()->height(), 60);
    }
}
