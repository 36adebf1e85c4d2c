#pragma once
// 購入記録's grid rules, without any screen: one row per purchase, what a
// cell shows, what it accepts while the user types, and every change
// written through the TicketWriter first, so that a refused write leaves
// the rows as stored.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/draw_result.h"
#include "tickets/ticket.h"

namespace n3 {

// Told around every added or removed row, after the writer accepted it,
// so that a view can follow.
class TicketRowsObserver {
public:
    virtual ~TicketRowsObserver() = default;
    virtual void RowAboutToBeInserted(int row) = 0;
    virtual void RowInserted() = 0;
    virtual void RowAboutToBeRemoved(int row) = 0;
    virtual void RowRemoved() = 0;
};

class TicketWriter {
public:
    virtual ~TicketWriter() = default;
    virtual std::int64_t Add(const Purchase& p) = 0;  // returns the new id
    virtual void Update(const Purchase& p) = 0;
    virtual void Remove(std::int64_t id) = 0;
};

// The outcome of an edit before it is written: the purchase as it would
// be, or why the text cannot be taken.
struct TicketEdit {
    std::optional<Purchase> purchase;
    std::string error;  // Japanese, for the user
};

class TicketBookEditor {
public:
    enum Column { kDate, kFirstDraw, kDraws, kNumber, kType, kUnits, kMemo, kCost, kColumnCount };
    static constexpr std::array<std::string_view, kColumnCount> kColumnHeadings = {
        "購入日", "最初の回数", "継続回数", "番号", "種類", "口数", "メモ", "金額"};
    static constexpr std::array<double, kColumnCount> kColumnWidths = {11, 8, 7, 6, 10, 5, 16, 8};  // characters

    explicit TicketBookEditor(TicketWriter& writer) : writer_(writer) {}
    void setObserver(TicketRowsObserver* observer) { observer_ = observer; }

    void Load(std::vector<Purchase> book) { rows_ = std::move(book); }
    // The draws' dates that an edit's 購入日 is checked against.
    void SetResults(ResultHistory results) { results_ = std::move(results); }
    const std::vector<Purchase>& rows() const { return rows_; }
    int rowCount() const { return int(rows_.size()); }

    static bool IsEditable(int column) { return column >= 0 && column < kCost; }
    std::string CellText(int row, int column) const;
    // What an editor of that column accepts while the user types (the
    // whole text so far): digits up to the column's length, the date's
    // digits and hyphens, a memo without line breaks.
    static bool AcceptsTyping(int column, std::string_view text);

    // The purchase of `row` with the cell set to text, checked by the book's
    // rules; nothing is written. A ミニ keeps the last two digits of a
    // three-digit number; a three-digit type given a ミニ's two digits puts 0
    // before them.
    TicketEdit Edit(int row, int column, std::string_view text) const;
    // Writes the edited purchase of `row` (from Edit). Throws what the writer throws.
    void Apply(int row, const Purchase& edited);

    // A new purchase made from the row it follows (or the defaults): the
    // draw after that row's last draw, the same number, type and units.
    Purchase NewPurchase(int afterRow, const std::string& today, int nextDraw) const;
    // Stores the purchase and shows it as the last row, where the book
    // keeps it (in the order purchases were stored). Returns its row.
    // Throws what the writer throws.
    int AddLine(Purchase p);
    void DeleteLine(int row);

private:
    TicketWriter& writer_;
    TicketRowsObserver* observer_ = nullptr;
    std::vector<Purchase> rows_;
    ResultHistory results_;
};

}  // namespace n3
