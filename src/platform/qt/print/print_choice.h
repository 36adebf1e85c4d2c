#pragma once
// What the user chooses to print of a window: which draws (all, the newest
// N, or 第F回〜第T回) and, for a window with charts, the table, the charts
// or both. Applied to the window's document before it is laid out.
#include <string>
#include <string_view>

#include "platform/qt/common/print_document.h"

namespace n3 {

// Added to the title of a chart that cannot follow the draws chosen.
inline constexpr std::string_view kWholeHistoryMark = "（全回）";

enum class PrintParts { TableAndCharts, TableOnly, ChartsOnly };
enum class PrintRange { All, Newest, FromTo };

struct PrintChoice {
    PrintParts parts = PrintParts::TableAndCharts;
    PrintRange range = PrintRange::All;
    int newest = 100;  // PrintRange::Newest: how many of the newest draws
    int from = 0;      // PrintRange::FromTo: the first and last 回数
    int to = 0;
};

// What a document lets the user choose: the parts when it has a table and
// a chart, the range when its table lists draws (and which ones).
struct PrintOffer {
    bool parts = false;
    bool range = false;
    int firstDraw = 0;
    int lastDraw = 0;
};
PrintOffer OfferOf(const PrintDocument& doc);

// The document with only the chosen parts and, in a table of draws, only
// the rows of the chosen draws; its 対象 then names the first and last draw
// printed.
PrintDocument ApplyPrintChoice(PrintDocument doc, const PrintChoice& choice);

// "第F回〜第T回" for the body rows of the document's first grid of draws
// that print; empty when the document lists no draws.
std::string PrintedDrawsText(const PrintDocument& doc);

}  // namespace n3
