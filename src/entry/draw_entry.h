#pragma once
// 当選データ入力: the draw entry window's rules, without any screen.
//
// The grid shows one row per stored draw of one game: column 0 is 回数
// (read-only), columns 1 to the game's digits are 第1数字, 第2数字, ... Rows and columns are counted from 0
// here; the screen adds 1 where it shows positions to the user. Every change
// goes to the DrawWriter first and reaches the rows only when the write
// succeeded, so a refused write leaves the grid showing what is stored.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/draw.h"
#include "core/grid_model.h"
#include "core/window_names.h"
#include "entry/draw_writer.h"

namespace n3 {

// Told around every change of the rows, after the store accepted it, so
// that a view can follow.
class EntryRowsObserver {
public:
    virtual ~EntryRowsObserver() = default;
    virtual void RowAboutToBeInserted(int row) = 0;
    virtual void RowInserted() = 0;
    virtual void RowAboutToBeRemoved(int row) = 0;
    virtual void RowRemoved() = 0;
};

struct EntryCell {
    int row = 0;
    int column = 0;
    friend bool operator==(const EntryCell&, const EntryCell&) = default;
};

// What a digit cell accepts while the user types: empty, or one digit 0..9
// (a full-width digit is taken as the same digit).
struct DigitInput {
    bool accepted = false;
    std::optional<int> value;  // nullopt: the cell is emptied
};

class 当選データ入力 {
public:
    // --- texts ------------------------------------------------------------
    static constexpr std::string_view kCaption = windows::kEntry;
    static constexpr std::string_view kLabel = "当選数字を開催回数毎に入力します（分析対象データとなります）";
    static constexpr std::string_view kCloseButton = "閉じる(&C)";
    static constexpr std::string_view kEditMenu = "編集(&E)";
    static constexpr std::string_view kAddLine = "行追加";
    static constexpr std::string_view kAddLineShortcut = "Ctrl+A";
    static constexpr std::string_view kDelLine = "行削除";
    static constexpr std::string_view kDelLineShortcut = "Ctrl+D";
    static constexpr std::string_view kAddLineQuestion = "新しい回の行を最後に追加します。よろしいですか？";
    static constexpr std::string_view kDelLineQuestion = "選択された行を削除します。よろしいですか？";
    // The question for several rows at once, naming how many.
    static std::string DelLinesQuestion(int rowCount);
    static constexpr std::string_view kWrongDigit = "結果マスタの数字に誤りがあります。";
    // The message for a write the database refused, with its reason.
    static std::string WriteRefusedMessage(std::string_view reason);

    // --- the grid's look ----------------------------------------------------
    static constexpr int kDrawNoColumn = 0;
    // 回数 and one column per digit of the game.
    static constexpr int ColumnCount(const Game& game) { return 1 + game.digits; }
    // "回数", "第1数字", "第2数字", ...
    static std::string ColumnHeading(int column);
    static constexpr int kDrawNoWidth = 5;  // characters
    static constexpr int kDigitWidth = 7;   // characters
    static constexpr int ColumnWidth(int column) { return column == kDrawNoColumn ? kDrawNoWidth : kDigitWidth; }
    static constexpr double kRowHeight = 10;  // points
    static constexpr Colour kDrawNoBackground = colours::HeaderYellow;
    static constexpr Colour kDrawNoText = colours::Red;
    // Window size in pixels at 96 dpi, for three digits; each further
    // digit column widens it.
    static constexpr int kDesignWidth = 380;
    static constexpr int kDesignHeight = 480;
    static constexpr int kDigitColumnDesignWidth = 64;
    static constexpr int DesignWidth(const Game& game) {
        return kDesignWidth + (game.digits - kNumbers3.digits) * kDigitColumnDesignWidth;
    }

    explicit 当選データ入力(DrawWriter& writer, const Game& game = kNumbers3) : writer_(writer), game_(game) {}
    // The game whose draws the rows are.
    const Game& game() const { return game_; }
    void setObserver(EntryRowsObserver* observer) { observer_ = observer; }

    // --- rows ---------------------------------------------------------------
    // Takes the stored history as the grid's rows, in draw-number order.
    void Load(DrawHistory history);
    // Follows the stored history after a write from elsewhere: rows of
    // draws that went are removed, new draws inserted where they sort
    // (through the observer), and the rows whose digits changed are
    // returned (grid rows after the change).
    std::vector<int> Follow(DrawHistory stored);
    int rowCount() const { return int(rows_.size()); }
    const Draw& row(int r) const { return rows_[std::size_t(r)]; }
    // The text a cell shows: the number, or empty for an empty digit.
    std::string CellText(int row, int column) const;
    static bool IsEditable(int column, const Game& game = kNumbers3) {
        return column >= 1 && column < ColumnCount(game);
    }

    // --- typing -------------------------------------------------------------
    static DigitInput ParseDigitInput(std::string_view text);
    // Stores a typed text. False (nothing written) when the cell is not
    // editable or the text is not accepted; throws when the write is refused
    // (DrawChangedElsewhere when the stored draw is no longer the one shown).
    bool SetCellText(int row, int column, std::string_view text);

    // --- moving while typing ------------------------------------------------
    // The digit cell after `from` (Tab, and after a typed digit): the next
    // digit column, after the game's last digit the 第1数字 of the next
    // row. The last digit cell of the grid stays where it is.
    static EntryCell NextDigitCell(EntryCell from, int rowCount, const Game& game = kNumbers3);
    // The digit cell before `from` (Shift+Tab); the first one stays.
    static EntryCell PreviousDigitCell(EntryCell from, int rowCount, const Game& game = kNumbers3);

    // --- 行追加 / 行削除 ------------------------------------------------------
    // The grid row where a draw numbered drawNo belongs: rows stay in
    // draw-number order, so a new row shows where its number sorts.
    int SortedPosition(int drawNo) const;
    // Stores a new empty draw (numbered one past the highest) and inserts
    // its row where its number sorts, whichever row is active. Returns the
    // grid row of the new row; throws when the write is refused.
    int AddLine();
    // Deletes the row's draw from the store and the row from the grid;
    // throws when refused. A row outside the grid is ignored.
    void DeleteLine(int row);
    // Deletes rows first..last (inclusive) in one write: all go or none.
    void DeleteLines(int first, int last);
    // --- undo and redo ------------------------------------------------------
    // The row showing draw drawNo, or -1.
    int RowOf(int drawNo) const;
    // Writes one digit of draw drawNo (position 0..digits-1); throws when refused.
    // Returns its row, or -1 when the draw is not in the grid.
    int SetDigitOf(int drawNo, int position, std::optional<int> value);
    // Stores the draws again as they were (numbers and digits) in one write
    // and shows their rows where they sort; throws when refused.
    void RestoreDraws(const std::vector<Draw>& draws);
    // Deletes the draws with these numbers in one write; throws when refused.
    void RemoveDraws(const std::vector<int>& drawNos);

    // The 編集 menu pops up on a right-click on a whole row that holds data
    // while the selection begins and ends on one row.
    bool ShowsEditMenu(bool wholeRowClicked, int row, int selectionFirstRow, int selectionLastRow) const;

    // --- closing --------------------------------------------------------------
    // A cell text that the close check rejects: not empty and not a whole
    // number from 0 to 9 (a decimal point is wrong even in "1.0").
    static bool IsWrongDigitText(std::string_view text);
    // The first wrong digit cell, row by row and left to right in a row.
    std::optional<EntryCell> FindFirstWrongCell() const;
    // The first row holding some but not all of the game's digits: a draw
    // left half typed. The cell is its first empty digit.
    std::optional<EntryCell> FindFirstIncompleteRow() const;
    static std::string IncompleteRowQuestion(int drawNo);

private:
    DrawWriter& writer_;
    const Game& game_;
    EntryRowsObserver* observer_ = nullptr;
    DrawHistory rows_;
};

}  // namespace n3
