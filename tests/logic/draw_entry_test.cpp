#include "entry/draw_entry.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

#include "test_history.h"

using namespace n3;
using n3::testing::history;

namespace {

// An in-memory store that numbers new draws like the database does and can
// be told to refuse every write.
class MemoryWriter : public DrawWriter {
public:
    explicit MemoryWriter(const DrawHistory& h) {
        for (const Draw& d : h) draws[d.drawNo] = d;
    }
    int InsertDraw() override {
        refuseIfAsked();
        const int no = draws.empty() ? 1 : draws.rbegin()->first + 1;
        draws[no].drawNo = no;
        return no;
    }
    void SetDigit(int drawNo, int position, std::optional<int> value) override {
        refuseIfAsked();
        ++digitWrites;
        draws.at(drawNo).digits[std::size_t(position)] = value;
    }
    void DeleteDraw(int drawNo) override {
        refuseIfAsked();
        draws.erase(drawNo);
    }
    void RestoreDraws(const std::vector<Draw>& restored) override {
        refuseIfAsked();
        for (const Draw& d : restored) draws[d.drawNo] = d;
    }

    std::map<int, Draw> draws;
    bool refuse = false;
    int digitWrites = 0;

private:
    void refuseIfAsked() const {
        if (refuse) throw std::runtime_error("データベースが他のプログラムで使用中です");
    }
};

struct Entry {
    explicit Entry(const DrawHistory& h) : writer(h), window(writer) { window.Load(h); }
    MemoryWriter writer;
    当選データ入力 window;
};

std::vector<int> DrawNumbers(const 当選データ入力& w) {
    std::vector<int> numbers;
    for (int r = 0; r < w.rowCount(); ++r) numbers.push_back(w.row(r).drawNo);
    return numbers;
}

}  // namespace

TEST(DrawEntry, RowsComeInDrawNumberOrderAndShowTheirCells) {
    Entry e(history({{3, 1, 2, 3}, {1, 0, -1, 9}, {2, 5, 5, 5}}));
    EXPECT_EQ(DrawNumbers(e.window), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(e.window.CellText(0, 0), "1");
    EXPECT_EQ(e.window.CellText(0, 1), "0");
    EXPECT_EQ(e.window.CellText(0, 2), "");  // an empty digit shows nothing
    EXPECT_EQ(e.window.CellText(0, 3), "9");
    EXPECT_EQ(e.window.CellText(3, 1), "");  // outside the grid
    EXPECT_FALSE(当選データ入力::IsEditable(0));
    EXPECT_TRUE(当選データ入力::IsEditable(3));
    EXPECT_FALSE(当選データ入力::IsEditable(4));  // there is no fifth field
    EXPECT_EQ(e.window.rowCount(), 3);
}

TEST(DrawEntry, TypingAcceptsOnlyEmptyOrOneDigit) {
    for (const char* ok : {"0", "9", "5"}) EXPECT_TRUE(当選データ入力::ParseDigitInput(ok).accepted) << ok;
    EXPECT_EQ(当選データ入力::ParseDigitInput("7").value, 7);
    const auto empty = 当選データ入力::ParseDigitInput("");
    EXPECT_TRUE(empty.accepted);
    EXPECT_FALSE(empty.value.has_value());
    const auto wide = 当選データ入力::ParseDigitInput("８");
    EXPECT_TRUE(wide.accepted);
    EXPECT_EQ(wide.value, 8);
    for (const char* bad : {"10", "-1", "1.0", "a", " ", " 1", "01", "+1", "１０", "Ａ"})
        EXPECT_FALSE(当選データ入力::ParseDigitInput(bad).accepted) << bad;
}

TEST(DrawEntry, TypedDigitsAreWrittenThenShown) {
    Entry e(history({{1, 1, 2, 3}}));
    EXPECT_TRUE(e.window.SetCellText(0, 2, "8"));
    EXPECT_EQ(e.writer.draws[1].digits[1], 8);
    EXPECT_EQ(e.window.CellText(0, 2), "8");
    EXPECT_TRUE(e.window.SetCellText(0, 3, ""));
    EXPECT_FALSE(e.writer.draws[1].digits[2].has_value());
    EXPECT_EQ(e.window.CellText(0, 3), "");
    // The same value again needs no write.
    const int writes = e.writer.digitWrites;
    EXPECT_TRUE(e.window.SetCellText(0, 2, "8"));
    EXPECT_EQ(e.writer.digitWrites, writes);
}

TEST(DrawEntry, BadTextOrTheDrawNumberColumnWritesNothing) {
    Entry e(history({{1, 1, 2, 3}}));
    EXPECT_FALSE(e.window.SetCellText(0, 1, "10"));
    EXPECT_FALSE(e.window.SetCellText(0, 1, "a"));
    EXPECT_FALSE(e.window.SetCellText(0, 0, "5"));
    EXPECT_FALSE(e.window.SetCellText(1, 1, "5"));
    EXPECT_EQ(e.writer.digitWrites, 0);
    EXPECT_EQ(e.window.CellText(0, 1), "1");
    EXPECT_EQ(e.window.CellText(0, 0), "1");
}

TEST(DrawEntry, NewRowShowsWhereItsNumberSorts) {
    Entry e(history({{1, 1, 1, 1}, {2, 2, 2, 2}, {5, 5, 5, 5}}));
    EXPECT_EQ(e.window.SortedPosition(0), 0);
    EXPECT_EQ(e.window.SortedPosition(3), 2);
    EXPECT_EQ(e.window.SortedPosition(9), 3);
    // Numbered after the highest stored draw, so shown after it.
    EXPECT_EQ(e.window.AddLine(), 3);
    EXPECT_EQ(DrawNumbers(e.window), (std::vector<int>{1, 2, 5, 6}));
    EXPECT_EQ(e.window.CellText(3, 1), "");
    EXPECT_EQ(e.window.CellText(3, 3), "");
    EXPECT_TRUE(e.writer.draws.count(6));
    EXPECT_EQ(e.window.AddLine(), 4);
    EXPECT_EQ(DrawNumbers(e.window), (std::vector<int>{1, 2, 5, 6, 7}));
}

TEST(DrawEntry, UndoStepsWriteByDrawNumberAndRestoreRowsInOrder) {
    Entry e(history({{1, 1, 1, 1}, {2, 2, 2, 2}, {3, 3, 3, 3}, {5, 5, 5, 5}}));
    EXPECT_EQ(e.window.RowOf(3), 2);
    EXPECT_EQ(e.window.RowOf(4), -1);
    EXPECT_EQ(e.window.SetDigitOf(3, 1, 9), 2);
    EXPECT_EQ(e.window.CellText(2, 2), "9");
    EXPECT_EQ(e.writer.draws.at(3).digits[1], 9);
    e.window.RemoveDraws({2, 5});
    EXPECT_EQ(DrawNumbers(e.window), (std::vector<int>{1, 3}));
    EXPECT_FALSE(e.writer.draws.count(5));
    e.window.RestoreDraws(history({{5, 5, 5, 5}, {2, 2, 2, 2}}));
    EXPECT_EQ(DrawNumbers(e.window), (std::vector<int>{1, 2, 3, 5}));
    EXPECT_EQ(e.window.CellText(3, 3), "5");
    EXPECT_EQ(e.writer.draws.at(2).digits[0], 2);
    e.writer.refuse = true;
    EXPECT_THROW(e.window.RemoveDraws({1}), std::runtime_error);
    EXPECT_EQ(e.window.rowCount(), 4);
}

TEST(DrawEntry, FindsTheFirstRowLeftHalfTyped) {
    Entry e(history({{1, 1, 1, 1}, {2, -1, -1, -1}, {3, 3, -1, 7}}));
    EXPECT_EQ(e.window.FindFirstIncompleteRow(), (EntryCell{2, 2}));
    Entry complete(history({{1, 1, 1, 1}, {2, -1, -1, -1}}));
    EXPECT_EQ(complete.window.FindFirstIncompleteRow(), std::nullopt);
    EXPECT_NE(当選データ入力::IncompleteRowQuestion(7055).find("第7055回"), std::string::npos);
}

TEST(DrawEntry, DeletingRemovesTheRowAndItsDraw) {
    Entry e(history({{1, 1, 1, 1}, {2, 2, 2, 2}, {3, 3, 3, 3}}));
    e.window.DeleteLine(1);
    EXPECT_EQ(DrawNumbers(e.window), (std::vector<int>{1, 3}));
    EXPECT_FALSE(e.writer.draws.count(2));
    e.window.DeleteLine(5);  // nothing there
    EXPECT_EQ(e.window.rowCount(), 2);
    // The highest stored number decides the next one, deleted or not.
    e.window.DeleteLine(1);
    EXPECT_EQ(e.window.AddLine(), 1);
    EXPECT_EQ(DrawNumbers(e.window), (std::vector<int>{1, 2}));
}

TEST(DrawEntry, ARefusedWriteLeavesTheRowsAsStored) {
    Entry e(history({{1, 1, 2, 3}, {2, 4, 5, 6}}));
    e.writer.refuse = true;
    EXPECT_THROW(e.window.SetCellText(0, 1, "9"), std::runtime_error);
    EXPECT_EQ(e.window.CellText(0, 1), "1");
    EXPECT_THROW(e.window.AddLine(), std::runtime_error);
    EXPECT_EQ(e.window.rowCount(), 2);
    EXPECT_THROW(e.window.DeleteLine(0), std::runtime_error);
    EXPECT_EQ(DrawNumbers(e.window), (std::vector<int>{1, 2}));
}

TEST(DrawEntry, RefusedWriteMessageCarriesTheReason) {
    EXPECT_EQ(当選データ入力::WriteRefusedMessage("データベースが読み取り専用です"),
              "データベースに書き込めませんでした。\n理由：データベースが読み取り専用です");
    EXPECT_EQ(当選データ入力::WriteRefusedMessage(""), "データベースに書き込めませんでした。");
}

TEST(DrawEntry, EditMenuNeedsOneWholeRowThatHoldsData) {
    Entry e(history({{1, 1, 1, 1}, {2, 2, 2, 2}}));
    EXPECT_TRUE(e.window.ShowsEditMenu(true, 0, 0, 0));
    EXPECT_TRUE(e.window.ShowsEditMenu(true, 1, 1, 1));
    EXPECT_FALSE(e.window.ShowsEditMenu(false, 1, 1, 1));  // a single cell
    EXPECT_FALSE(e.window.ShowsEditMenu(true, 2, 2, 2));   // below the data
    EXPECT_FALSE(e.window.ShowsEditMenu(true, -1, 0, 0));  // the heading row
    EXPECT_FALSE(e.window.ShowsEditMenu(true, 0, 0, 1));   // two rows selected
    Entry empty(DrawHistory{});
    EXPECT_FALSE(empty.window.ShowsEditMenu(true, 0, 0, 0));
}

TEST(DrawEntry, CloseCheckTextRule) {
    for (const char* wrong : {"10", "-1", "1.0", "a", ".", "5.", "-", " ", "1 2", "１", "99999999999999"})
        EXPECT_TRUE(当選データ入力::IsWrongDigitText(wrong)) << wrong;
    for (const char* right : {"", "0", "9", "5", "05", " 7 ", "+3", "-0"})
        EXPECT_FALSE(当選データ入力::IsWrongDigitText(right)) << right;
}

TEST(DrawEntry, CloseCheckFindsTheFirstWrongCellRowByRow) {
    // Half-entered rows pass.
    Entry ok(history({{1, 1, -1, -1}, {2, -1, -1, -1}, {3, 0, 9, 5}}));
    EXPECT_FALSE(ok.window.FindFirstWrongCell().has_value());

    // Values outside 0..9 can only come from a file written elsewhere.
    Entry twoInARow(history({{1, 1, 2, 3}, {2, 4, 10, 11}}));
    EXPECT_EQ(twoInARow.window.FindFirstWrongCell(), (EntryCell{1, 2}));  // the left one

    Entry twoRows(history({{1, 1, 2, 3}, {2, 4, 5, 12}, {3, 13, 5, 6}}));
    EXPECT_EQ(twoRows.window.FindFirstWrongCell(), (EntryCell{1, 3}));  // the upper one

    Draw negative;
    negative.drawNo = 4;
    negative.digits = {std::nullopt, -1, 3};
    Entry neg(DrawHistory{negative});
    EXPECT_EQ(neg.window.FindFirstWrongCell(), (EntryCell{0, 2}));
}

namespace {
// Records what a view would be told, with the row count it would see.
class RecordingObserver : public EntryRowsObserver {
public:
    explicit RecordingObserver(const 当選データ入力& w) : window(w) {}
    void RowAboutToBeInserted(int row) override { log.push_back("+" + std::to_string(row) + "@" + count()); }
    void RowInserted() override { log.push_back("+done@" + count()); }
    void RowAboutToBeRemoved(int row) override { log.push_back("-" + std::to_string(row) + "@" + count()); }
    void RowRemoved() override { log.push_back("-done@" + count()); }
    std::string count() const { return std::to_string(window.rowCount()); }
    const 当選データ入力& window;
    std::vector<std::string> log;
};
}  // namespace

TEST(DrawEntry, ObserverHearsOfRowChangesOnlyAfterTheStoreAccepted) {
    Entry e(history({{1, 1, 1, 1}, {2, 2, 2, 2}}));
    RecordingObserver observer(e.window);
    e.window.setObserver(&observer);
    e.window.AddLine();
    e.window.DeleteLine(2);
    EXPECT_EQ(observer.log, (std::vector<std::string>{"+2@2", "+done@3", "-2@3", "-done@2"}));
    e.writer.refuse = true;
    EXPECT_THROW(e.window.AddLine(), std::runtime_error);
    EXPECT_THROW(e.window.DeleteLine(0), std::runtime_error);
    EXPECT_EQ(observer.log.size(), 4u);
}
