#pragma once
// The read-only grid of the analysis and prediction windows: a GridModel shown by a
// QTableView, its top rows frozen in a second view that scrolls sideways
// with the first but never down.
#include <QFrame>

#include "core/grid_model.h"

class QTableView;

namespace n3 {

class GridTableModel;

class GridView : public QFrame {
    Q_OBJECT
public:
    explicit GridView(QWidget* parent = nullptr);

    void setGridModel(GridModel model);
    const GridModel& gridModel() const;

    // The scrolling part (every row; the frozen ones hidden) and the frozen
    // band (the same model, cut to the frozen rows' height and held at the
    // top). Exposed for tests and screenshots.
    QTableView* body() const { return body_; }
    QTableView* frozenBand() const { return frozen_; }

    // Pixel sizes of the grid's units for the current font and screen.
    int rowHeightPixels(double points) const;
    int columnWidthPixels(double chars) const;
    // The height that shows every row of the grid, frame included.
    int wholeHeight() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void applySizes(QTableView* view);
    void layoutFrozenBand();
    void widenForTitles();

    GridModel grid_;
    GridTableModel* model_;  // shared by both views
    QTableView* body_;
    QTableView* frozen_;
    int frozenHeight_ = 0;
};

}  // namespace n3
