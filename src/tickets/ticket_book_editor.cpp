#include "tickets/ticket_book_editor.h"

#include <algorithm>
#include <charconv>

#include "core/number_rules.h"
#include "io/field_text.h"
#include "tickets/ticket_check.h"
#include "tickets/ticket_summary.h"

namespace n3 {

namespace {

bool Digits(std::string_view s, std::size_t maxLength) {
    if (s.size() > maxLength) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

std::optional<int> Whole(const std::string& s) {
    int v = 0;
    const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || ptr != s.data() + s.size()) return std::nullopt;
    return v;
}

}  // namespace

std::string TicketBookEditor::CellText(int row, int column) const {
    if (row < 0 || row >= rowCount()) return {};
    const Purchase& p = rows_[std::size_t(row)];
    switch (column) {
    case kDate: return p.購入日;
    case kFirstDraw: return std::to_string(p.最初の回数);
    case kDraws: return std::to_string(p.継続回数);
    case kNumber: return p.番号;
    case kType: return std::string(TicketKindCaption(p.種類));
    case kUnits: return std::to_string(p.口数);
    case kMemo: return p.メモ;
    case kCost: return FormatYen(p.cost());
    default: return {};
    }
}

bool TicketBookEditor::AcceptsTyping(int column, std::string_view typed) {
    const std::string text = NormaliseField(typed);
    switch (column) {
    case kDate:
        if (text.size() > 10) return false;
        for (char c : text)
            if (!(c == '-' || (c >= '0' && c <= '9'))) return false;
        return true;
    case kFirstDraw: return Digits(text, 5);
    case kDraws:
    case kUnits: return Digits(text, 2);
    case kNumber: return Digits(text, 3);
    case kType: return true;
    case kMemo: return typed.find_first_of("\r\n") == std::string_view::npos;
    default: return false;
    }
}

TicketEdit TicketBookEditor::Edit(int row, int column, std::string_view typed) const {
    TicketEdit edit;
    if (row < 0 || row >= rowCount() || !IsEditable(column)) {
        edit.error = "この欄は変更できません。";
        return edit;
    }
    Purchase p = rows_[std::size_t(row)];
    const std::string text = column == kMemo ? std::string(typed) : NormaliseField(typed);
    switch (column) {
    case kDate: p.購入日 = text; break;
    case kFirstDraw:
    case kDraws:
    case kUnits: {
        const auto value = Whole(text);
        if (!value) {
            edit.error = std::string(kColumnHeadings[std::size_t(column)]) + "には数を入力してください。";
            return edit;
        }
        (column == kFirstDraw ? p.最初の回数 : column == kDraws ? p.継続回数 : p.口数) = *value;
        break;
    }
    case kNumber: p.番号 = text; break;
    case kType: {
        const auto type = ParseTicketKind(text);
        if (!type) {
            edit.error = "種類はストレート、ボックス、セット、ミニのどれかです。";
            return edit;
        }
        // A whole number turned ミニ keeps its last digits; a ミニ number
        // turned whole gets leading zeros.
        const std::size_t whole = std::size_t(TicketDigits(TicketKind::Straight));
        const std::size_t mini = std::size_t(TicketDigits(TicketKind::Mini));
        if (*type == TicketKind::Mini && p.番号.size() == whole) p.番号 = p.番号.substr(whole - mini);
        if (*type != TicketKind::Mini && p.番号.size() == mini) p.番号.insert(0, whole - mini, '0');
        p.種類 = *type;
        break;
    }
    case kMemo: p.メモ = text; break;
    default: break;
    }
    if (std::string why = PurchaseError(p); !why.empty()) {
        edit.error = std::move(why);
        return edit;
    }
    if (std::string why = PurchaseDateError(p, results_); !why.empty()) {
        edit.error = std::move(why);
        return edit;
    }
    edit.purchase = std::move(p);
    return edit;
}

void TicketBookEditor::Apply(int row, const Purchase& edited) {
    if (row < 0 || row >= rowCount()) return;
    writer_.Update(edited);
    rows_[std::size_t(row)] = edited;
}

Purchase TicketBookEditor::NewPurchase(int afterRow, const std::string& today, int nextDraw) const {
    Purchase p;
    p.購入日 = today;
    p.最初の回数 = std::min(std::max(nextDraw, 1), kMaxDrawNo);
    p.番号 = "000";
    if (afterRow >= 0 && afterRow < rowCount()) {
        const Purchase& before = rows_[std::size_t(afterRow)];
        p.番号 = before.番号;
        p.種類 = before.種類;
        p.口数 = before.口数;
        p.継続回数 = before.継続回数;
        p.最初の回数 = std::max(p.最初の回数, std::min(before.lastDraw() + 1, kMaxDrawNo));
    }
    p.継続回数 = std::min(p.継続回数, kMaxDrawNo - p.最初の回数 + 1);
    return p;
}

int TicketBookEditor::AddLine(Purchase p) {
    p.id = writer_.Add(p);
    const int row = rowCount();
    if (observer_) observer_->RowAboutToBeInserted(row);
    rows_.push_back(std::move(p));
    if (observer_) observer_->RowInserted();
    return row;
}

void TicketBookEditor::DeleteLine(int row) {
    if (row < 0 || row >= rowCount()) return;
    writer_.Remove(rows_[std::size_t(row)].id);
    if (observer_) observer_->RowAboutToBeRemoved(row);
    rows_.erase(rows_.begin() + row);
    if (observer_) observer_->RowRemoved();
}

}  // namespace n3
