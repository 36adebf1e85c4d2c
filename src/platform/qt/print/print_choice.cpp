#include "platform/qt/print/print_choice.h"

#include <algorithm>
#include <limits>

#include "windows/draw_rows.h"

namespace n3 {

namespace {

bool Has(const PrintDocument& doc, PrintItem::Kind kind) {
    return std::any_of(doc.items.begin(), doc.items.end(), [kind](const PrintItem& i) { return i.kind == kind; });
}

// The body rows of a grid item that print: the chosen ones, or all.
std::vector<int> PrintedRows(const PrintItem& item) {
    if (item.onlyRows) return *item.onlyRows;
    std::vector<int> rows;
    for (int r = std::max(0, item.grid.frozenRows) + 1; r <= item.grid.rows(); ++r) rows.push_back(r);
    return rows;
}

}  // namespace

PrintOffer OfferOf(const PrintDocument& doc) {
    PrintOffer offer;
    offer.parts = Has(doc, PrintItem::Kind::Grid) && Has(doc, PrintItem::Kind::Chart);
    if (!doc.rowsAreDraws) return offer;
    for (const PrintItem& item : doc.items) {
        if (item.kind != PrintItem::Kind::Grid) continue;
        for (int r = item.grid.frozenRows + 1; r <= item.grid.rows(); ++r) {
            const int drawNo = DrawNoOfRow(item.grid, r);
            if (drawNo == 0) continue;
            offer.firstDraw = offer.firstDraw == 0 ? drawNo : std::min(offer.firstDraw, drawNo);
            offer.lastDraw = std::max(offer.lastDraw, drawNo);
        }
    }
    offer.range = offer.lastDraw > 0;
    return offer;
}

namespace {

// Drops the items of `dropped` kind, and every line of text that headed
// only such items, so that no heading prints without its content.
void DropParts(PrintDocument& doc, PrintItem::Kind dropped) {
    std::vector<bool> gone(doc.items.size(), false);
    for (std::size_t i = 0; i < doc.items.size(); ++i) gone[i] = doc.items[i].kind == dropped;
    for (std::size_t i = 0; i < doc.items.size(); ++i) {
        if (doc.items[i].kind != PrintItem::Kind::Text) continue;
        std::size_t next = i + 1, kept = 0, lost = 0;
        for (; next < doc.items.size() && doc.items[next].kind != PrintItem::Kind::Text; ++next)
            ++(gone[next] ? lost : kept);
        if (lost > 0 && kept == 0) gone[i] = true;
    }
    // A blank line that only spaced out a dropped heading goes with it.
    for (std::size_t i = doc.items.size(); i-- > 1;)
        if (gone[i] && doc.items[i].kind == PrintItem::Kind::Text && doc.items[i - 1].kind == PrintItem::Kind::Text &&
            doc.items[i - 1].text.empty())
            gone[i - 1] = true;
    std::size_t at = 0;
    std::erase_if(doc.items, [&](const PrintItem&) { return gone[at++]; });
}

}  // namespace

PrintDocument ApplyPrintChoice(PrintDocument doc, const PrintChoice& choice) {
    // The draws are read from the table before a choice of charts only drops it.
    const PrintOffer offer = OfferOf(doc);
    const bool someDraws = offer.range && choice.range != PrintRange::All;
    int low = 1, high = std::numeric_limits<int>::max();
    if (someDraws) {
        if (choice.range == PrintRange::Newest) {
            low = offer.lastDraw - std::max(1, choice.newest) + 1;
        } else {
            low = std::min(choice.from, choice.to);
            high = std::max(choice.from, choice.to);
        }
    }
    // Charts from the rows follow the draws chosen.
    if (someDraws && doc.chartsForDraws) {
        std::vector<ChartData> charts =
            doc.chartsForDraws(std::max(low, offer.firstDraw), std::min(high, offer.lastDraw));
        std::size_t next = 0;
        for (PrintItem& item : doc.items)
            if (item.kind == PrintItem::Kind::Chart && next < charts.size()) item.chart = std::move(charts[next++]);
    } else if (someDraws) {
        // A chart that is over the whole history by definition says so
        // beside a table of some of the draws.
        for (PrintItem& item : doc.items)
            if (item.kind == PrintItem::Kind::Chart) item.chart.title += kWholeHistoryMark;
    }
    const std::string chartRange = someDraws && doc.chartsForDraws
                                       ? "第" + std::to_string(std::max(low, offer.firstDraw)) + "回〜第" +
                                             std::to_string(std::min(high, offer.lastDraw)) + "回"
                                       : std::string();
    if (choice.parts != PrintParts::TableAndCharts)
        DropParts(doc, choice.parts == PrintParts::TableOnly ? PrintItem::Kind::Chart : PrintItem::Kind::Grid);
    if (someDraws) {
        for (PrintItem& item : doc.items) {
            if (item.kind != PrintItem::Kind::Grid) continue;
            item.onlyRows = DrawRowsBetween(item.grid, low, high);
        }
    }
    if (const std::string printed = PrintedDrawsText(doc); !printed.empty() || offer.range) {
        doc.rangeText = !printed.empty() ? printed : !chartRange.empty() ? chartRange : "該当する回なし";
    }
    return doc;
}

std::string PrintedDrawsText(const PrintDocument& doc) {
    if (!doc.rowsAreDraws) return {};
    for (const PrintItem& item : doc.items) {
        if (item.kind != PrintItem::Kind::Grid) continue;
        int low = 0, high = 0;
        for (int r : PrintedRows(item)) {
            const int drawNo = DrawNoOfRow(item.grid, r);
            if (drawNo == 0) continue;
            low = low == 0 ? drawNo : std::min(low, drawNo);
            high = std::max(high, drawNo);
        }
        if (high > 0) return "第" + std::to_string(low) + "回〜第" + std::to_string(high) + "回";
    }
    return {};
}

}  // namespace n3
