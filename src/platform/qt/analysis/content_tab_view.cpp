#include "platform/qt/analysis/content_tab_view.h"

#include <QComboBox>
#include <QHeaderView>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "platform/qt/analysis/sortable_table_model.h"
#include "platform/qt/analysis/sortable_table_view.h"
#include "platform/qt/charts/chart_view.h"
#include "platform/qt/common/qt_util.h"
#include "platform/qt/grid/grid_font.h"
#include "platform/qt/grid/grid_view.h"

namespace n3 {

ContentTabView::ContentTabView(QWidget* parent) : QWidget(parent) {
    chooser_ = new QComboBox(this);
    chooser_->setObjectName(QStringLiteral("tableChooser"));
    chooser_->hide();

    splitter_ = new QSplitter(Qt::Vertical, this);
    grid_ = new GridView(splitter_);
    grid_->setObjectName(QStringLiteral("tabGrid"));

    const SortableTableView table = MakeSortableTableView(this, splitter_, QStringLiteral("tabTable"));
    tableModel_ = table.model;
    tableSort_ = table.sort;
    tableView_ = table.view;
    tableView_->hide();

    charts_ = new ChartView(splitter_);
    charts_->hide();
    splitter_->addWidget(grid_);
    splitter_->addWidget(tableView_);
    splitter_->addWidget(charts_);
    splitter_->setSizes({400, 400, 400});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(chooser_, 0, Qt::AlignLeft);
    layout->addWidget(splitter_, 1);
    connect(chooser_, &QComboBox::currentIndexChanged, this, [this](int index) { showChoice(index); });
}

void ContentTabView::setView(ContentView view) {
    view_ = std::move(view);
    const bool choices = !view_.tables.empty();
    grid_->setVisible(!choices);
    tableView_->setVisible(choices);
    chooser_->setVisible(view_.tables.size() > 1);
    if (!choices) grid_->setGridModel(view_.grid ? *view_.grid : GridModel());
    const int chosen = std::max(0, chooser_->currentIndex());
    {
        const QSignalBlocker quiet(chooser_);
        chooser_->clear();
        for (const SortableTable& table : view_.tables) chooser_->addItem(Q(table.caption));
        if (chosen < chooser_->count()) chooser_->setCurrentIndex(chosen);
    }
    if (choices) showChoice(chooser_->currentIndex());
    charts_->setVisible(!view_.charts.empty());
    if (!view_.charts.empty()) charts_->setCharts(view_.charts);
}

void ContentTabView::showChoice(int index) {
    if (index < 0 || std::size_t(index) >= view_.tables.size()) return;
    tableModel_->setTable(view_.tables[std::size_t(index)]);
}

}  // namespace n3
