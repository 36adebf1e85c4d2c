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

void ContentTabView::setTab(ContentTab tab) {
    tab_ = std::move(tab);
    const bool choices = !tab_.choices.empty();
    grid_->setVisible(!choices);
    tableView_->setVisible(choices);
    chooser_->setVisible(tab_.choices.size() > 1);
    if (!choices) grid_->setGridModel(tab_.grid);
    const int chosen = std::max(0, chooser_->currentIndex());
    {
        const QSignalBlocker quiet(chooser_);
        chooser_->clear();
        for (const SortableTable& table : tab_.choices) chooser_->addItem(Q(table.caption));
        if (chosen < chooser_->count()) chooser_->setCurrentIndex(chosen);
    }
    if (choices) showChoice(chooser_->currentIndex());
    charts_->setVisible(!tab_.charts.empty());
    if (!tab_.charts.empty()) charts_->setCharts(tab_.charts);
}

void ContentTabView::showChoice(int index) {
    if (index < 0 || std::size_t(index) >= tab_.choices.size()) return;
    tableModel_->setTable(tab_.choices[std::size_t(index)]);
}

}  // namespace n3
