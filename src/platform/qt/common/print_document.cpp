#include "platform/qt/common/print_document.h"

namespace n3 {

void PrintDocument::addText(std::string line) {
    PrintItem item;
    item.kind = PrintItem::Kind::Text;
    item.text = std::move(line);
    items.push_back(std::move(item));
}

void PrintDocument::addGrid(GridModel grid) {
    PrintItem item;
    item.kind = PrintItem::Kind::Grid;
    item.grid = std::move(grid);
    items.push_back(std::move(item));
}

void PrintDocument::addChart(ChartData chart) {
    PrintItem item;
    item.kind = PrintItem::Kind::Chart;
    item.chart = std::move(chart);
    items.push_back(std::move(item));
}

}  // namespace n3
