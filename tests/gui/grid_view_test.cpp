// The read-only grid: frozen rows, sizes and texts running over empty cells.
#include <gtest/gtest.h>

#include <QImage>
#include <QScrollBar>
#include <QTableView>

#include "core/grid_model.h"
#include "platform/qt/grid/grid_font.h"
#include "platform/qt/grid/grid_view.h"

using namespace n3;

namespace {

GridModel TallGrid(int rows, int frozen) {
    GridModel g;
    g.setSize(4, rows);
    g.setDefaultRowHeight(10);
    g.setRowHeight(1, 15);
    g.setDefaultColumnWidth(3);
    g.setColumnWidth(1, 6);
    for (int r = 1; r <= rows; ++r) g.setNumber(1, r, r);
    g.frozenRows = frozen;
    g.scrollBars = ScrollBars::Vertical;
    return g;
}

int CountPixels(const QImage& image, QRect area, QColor colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == colour) ++n;
    return n;
}

}  // namespace

TEST(GridView, FrozenRowsStayWhileTheRestScrolls) {
    GridView view;
    view.resize(300, 200);
    view.setGridModel(TallGrid(32767, 2));
    view.show();
    EXPECT_TRUE(view.frozenBand()->isVisible());
    // The band shows the body's own model, cut to exactly the frozen rows.
    EXPECT_EQ(view.frozenBand()->model(), view.body()->model());
    EXPECT_EQ(view.frozenBand()->rowAt(view.frozenBand()->viewport()->height() - 1), 1);
    EXPECT_TRUE(view.body()->isRowHidden(0));
    EXPECT_TRUE(view.body()->isRowHidden(1));
    EXPECT_FALSE(view.body()->isRowHidden(2));
    EXPECT_EQ(view.frozenBand()->height(), PointsToPixels(15, &view) + PointsToPixels(10, &view));

    view.body()->verticalScrollBar()->setValue(view.body()->verticalScrollBar()->maximum());
    EXPECT_EQ(view.body()->rowAt(view.body()->viewport()->height() - 1), 32766);
    EXPECT_EQ(view.frozenBand()->rowAt(0), 0);  // the header is still there
    EXPECT_EQ(view.body()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST(GridView, SizesFollowPointsAndCharacterUnits) {
    GridView view;
    view.setGridModel(TallGrid(5, 0));
    EXPECT_FALSE(view.frozenBand()->isVisibleTo(&view));
    EXPECT_EQ(view.body()->rowHeight(0), PointsToPixels(15, &view));
    EXPECT_EQ(view.body()->rowHeight(1), PointsToPixels(10, &view));
    EXPECT_EQ(view.body()->columnWidth(0), CharUnitsToPixels(6));
    EXPECT_EQ(view.body()->columnWidth(1), CharUnitsToPixels(3));
    EXPECT_GT(CharUnitsToPixels(6), CharUnitsToPixels(3));
}

TEST(GridView, LeftAlignedTextRunsOverEmptyCellsOnly) {
    GridModel g;
    g.setSize(6, 2);
    g.setDefaultRowHeight(15);
    g.setDefaultColumnWidth(2);
    g.textOverflow = true;
    g.setText(1, 1, "■■■■■■■■■■■■");
    g.setAlignment({1, 1, 1, 1}, HAlign::Left);
    g.setForeground({1, 1, 6, 2}, colours::Red);
    g.setText(1, 2, "■■■■■■■■■■■■");
    g.setAlignment({1, 2, 1, 2}, HAlign::Left);
    g.setText(2, 2, "1");  // stops the text of row 2
    GridView view;
    view.resize(400, 120);
    view.setGridModel(std::move(g));
    view.show();
    const QImage image = view.body()->viewport()->grab().toImage();
    const int x4 = view.body()->columnViewportPosition(3);
    const int w4 = view.body()->columnWidth(3);
    const QRect row1Col4(x4, view.body()->rowViewportPosition(0), w4, view.body()->rowHeight(0));
    const QRect row2Col4(x4, view.body()->rowViewportPosition(1), w4, view.body()->rowHeight(1));
    EXPECT_GT(CountPixels(image, row1Col4, Qt::red), 5);
    EXPECT_EQ(CountPixels(image, row2Col4, Qt::red), 0);
}
