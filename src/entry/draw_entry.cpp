#include "entry/draw_entry.h"

#include <algorithm>
#include <vector>

namespace n3 {

namespace {

// "０".."９" in UTF-8: EF BC 90..99.
std::optional<int> FullWidthDigit(std::string_view text) {
    if (text.size() != 3) return std::nullopt;
    const auto b0 = static_cast<unsigned char>(text[0]);
    const auto b1 = static_cast<unsigned char>(text[1]);
    const auto b2 = static_cast<unsigned char>(text[2]);
    if (b0 != 0xEF || b1 != 0xBC || b2 < 0x90 || b2 > 0x99) return std::nullopt;
    return int(b2 - 0x90);
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string 当選データ入力::WriteRefusedMessage(std::string_view reason) {
    std::string text = "データベースに書き込めませんでした。";
    if (!reason.empty()) {
        text += "\n理由：";
        text += reason;
    }
    return text;
}

std::string 当選データ入力::ColumnHeading(int column) {
    if (column == kDrawNoColumn) return "回数";
    return "第" + std::to_string(column) + "数字";
}

std::string 当選データ入力::DelLinesQuestion(int rowCount) {
    if (rowCount <= 1) return std::string(kDelLineQuestion);
    return "選択された " + std::to_string(rowCount) + " 行を削除します。よろしいですか？";
}

void 当選データ入力::Load(DrawHistory history) {
    rows_ = std::move(history);
    std::stable_sort(rows_.begin(), rows_.end(), [](const Draw& a, const Draw& b) { return a.drawNo < b.drawNo; });
}

std::vector<int> 当選データ入力::Follow(DrawHistory stored) {
    std::stable_sort(stored.begin(), stored.end(), [](const Draw& a, const Draw& b) { return a.drawNo < b.drawNo; });
    std::vector<int> changed;
    std::size_t row = 0;
    for (const Draw& d : stored) {
        // Rows before this draw's number are draws that went.
        while (row < rows_.size() && rows_[row].drawNo < d.drawNo) {
            if (observer_) observer_->RowAboutToBeRemoved(int(row));
            rows_.erase(rows_.begin() + std::ptrdiff_t(row));
            if (observer_) observer_->RowRemoved();
        }
        if (row < rows_.size() && rows_[row].drawNo == d.drawNo) {
            if (rows_[row].digits != d.digits) {
                rows_[row].digits = d.digits;
                changed.push_back(int(row));
            }
        } else {
            if (observer_) observer_->RowAboutToBeInserted(int(row));
            rows_.insert(rows_.begin() + std::ptrdiff_t(row), d);
            if (observer_) observer_->RowInserted();
        }
        ++row;
    }
    while (row < rows_.size()) {
        if (observer_) observer_->RowAboutToBeRemoved(int(row));
        rows_.erase(rows_.begin() + std::ptrdiff_t(row));
        if (observer_) observer_->RowRemoved();
    }
    return changed;
}

std::string 当選データ入力::CellText(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= ColumnCount(game_)) return {};
    const Draw& d = rows_[std::size_t(row)];
    if (column == kDrawNoColumn) return std::to_string(d.drawNo);
    const auto& digit = d.digits[std::size_t(column - 1)];
    return digit ? std::to_string(*digit) : std::string();
}

DigitInput 当選データ入力::ParseDigitInput(std::string_view text) {
    if (text.empty()) return {true, std::nullopt};
    if (text.size() == 1 && text[0] >= '0' && text[0] <= '9') return {true, text[0] - '0'};
    if (const auto wide = FullWidthDigit(text)) return {true, *wide};
    return {false, std::nullopt};
}

bool 当選データ入力::SetCellText(int row, int column, std::string_view text) {
    if (row < 0 || row >= rowCount() || !IsEditable(column, game_)) return false;
    const DigitInput input = ParseDigitInput(text);
    if (!input.accepted) return false;
    Draw& d = rows_[std::size_t(row)];
    auto& digit = d.digits[std::size_t(column - 1)];
    if (digit == input.value) return true;
    writer_.SetShownDigit(d, column - 1, input.value);
    digit = input.value;
    return true;
}

int 当選データ入力::SortedPosition(int drawNo) const {
    const auto at =
        std::upper_bound(rows_.begin(), rows_.end(), drawNo, [](int n, const Draw& d) { return n < d.drawNo; });
    return int(at - rows_.begin());
}

int 当選データ入力::AddLine() {
    Draw d;
    d.drawNo = writer_.InsertDraw();
    const int position = SortedPosition(d.drawNo);
    if (observer_) observer_->RowAboutToBeInserted(position);
    rows_.insert(rows_.begin() + position, d);
    if (observer_) observer_->RowInserted();
    return position;
}

void 当選データ入力::DeleteLine(int row) {
    if (row < 0 || row >= rowCount()) return;
    writer_.DeleteDraw(rows_[std::size_t(row)].drawNo);
    if (observer_) observer_->RowAboutToBeRemoved(row);
    rows_.erase(rows_.begin() + row);
    if (observer_) observer_->RowRemoved();
}

void 当選データ入力::DeleteLines(int first, int last) {
    first = std::max(first, 0);
    last = std::min(last, rowCount() - 1);
    if (first > last) return;
    std::vector<int> numbers;
    for (int r = first; r <= last; ++r) numbers.push_back(rows_[std::size_t(r)].drawNo);
    writer_.DeleteDraws(numbers);
    for (int r = last; r >= first; --r) {
        if (observer_) observer_->RowAboutToBeRemoved(r);
        rows_.erase(rows_.begin() + r);
        if (observer_) observer_->RowRemoved();
    }
}

int 当選データ入力::RowOf(int drawNo) const {
    const auto at =
        std::lower_bound(rows_.begin(), rows_.end(), drawNo, [](const Draw& d, int n) { return d.drawNo < n; });
    return at != rows_.end() && at->drawNo == drawNo ? int(at - rows_.begin()) : -1;
}

int 当選データ入力::SetDigitOf(int drawNo, int position, std::optional<int> value) {
    writer_.SetDigit(drawNo, position, value);
    const int row = RowOf(drawNo);
    if (row >= 0) rows_[std::size_t(row)].digits[std::size_t(position)] = value;
    return row;
}

void 当選データ入力::RestoreDraws(const std::vector<Draw>& draws) {
    if (draws.empty()) return;
    writer_.RestoreDraws(draws);
    for (const Draw& d : draws) {
        if (const int row = RowOf(d.drawNo); row >= 0) {
            rows_[std::size_t(row)] = d;
            continue;
        }
        const int position = SortedPosition(d.drawNo);
        if (observer_) observer_->RowAboutToBeInserted(position);
        rows_.insert(rows_.begin() + position, d);
        if (observer_) observer_->RowInserted();
    }
}

void 当選データ入力::RemoveDraws(const std::vector<int>& drawNos) {
    if (drawNos.empty()) return;
    writer_.DeleteDraws(drawNos);
    for (int drawNo : drawNos) {
        const int row = RowOf(drawNo);
        if (row < 0) continue;
        if (observer_) observer_->RowAboutToBeRemoved(row);
        rows_.erase(rows_.begin() + row);
        if (observer_) observer_->RowRemoved();
    }
}

EntryCell 当選データ入力::NextDigitCell(EntryCell from, int rowCount, const Game& game) {
    const int last = ColumnCount(game) - 1;
    const int column = std::clamp(from.column, 1, last);
    if (from.column < 1) return {from.row, 1};
    if (column < last) return {from.row, column + 1};
    if (from.row + 1 < rowCount) return {from.row + 1, 1};
    return {from.row, column};
}

EntryCell 当選データ入力::PreviousDigitCell(EntryCell from, int rowCount, const Game& game) {
    const int last = ColumnCount(game) - 1;
    const int column = std::clamp(from.column, 1, last);
    if (column > 1) return {from.row, column - 1};
    if (from.row > 0 && from.row - 1 < rowCount) return {from.row - 1, last};
    return {from.row, 1};
}

bool 当選データ入力::ShowsEditMenu(bool wholeRowClicked, int row, int selectionFirstRow, int selectionLastRow) const {
    return wholeRowClicked && row >= 0 && row < rowCount() && selectionFirstRow == selectionLastRow;
}

bool 当選データ入力::IsWrongDigitText(std::string_view text) {
    if (text.empty()) return false;
    if (text.find('.') != std::string_view::npos) return true;
    std::size_t i = 0, end = text.size();
    while (i < end && IsBlank(text[i])) ++i;
    while (end > i && IsBlank(text[end - 1])) --end;
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == end) return true;  // no digits: not a number
    long value = 0;
    for (; i < end; ++i) {
        if (text[i] < '0' || text[i] > '9') return true;
        value = std::min(value * 10 + (text[i] - '0'), 1000L);
    }
    if (negative) value = -value;
    return value < 0 || value > 9;
}

std::optional<EntryCell> 当選データ入力::FindFirstWrongCell() const {
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 1; c < ColumnCount(game_); ++c)
            if (IsWrongDigitText(CellText(r, c))) return EntryCell{r, c};
    return std::nullopt;
}

}  // namespace n3

namespace n3 {

std::optional<EntryCell> 当選データ入力::FindFirstIncompleteRow() const {
    for (int r = 0; r < rowCount(); ++r) {
        const Draw& d = rows_[std::size_t(r)];
        int filled = 0;
        for (const auto& digit : d.digits) filled += digit.has_value();
        if (filled == 0 || filled == game_.digits) continue;
        for (int c = 1; c < ColumnCount(game_); ++c)
            if (!d.digits[std::size_t(c - 1)]) return EntryCell{r, c};
    }
    return std::nullopt;
}

std::string 当選データ入力::IncompleteRowQuestion(int drawNo) {
    return "第" + std::to_string(drawNo) +
           "回の当選数字が途中までしか入力されていません。\n入力を続けますか？\n"
           "（「いいえ」でこのまま閉じます。数字のそろわない回は分析に使われません。）";
}

}  // namespace n3
