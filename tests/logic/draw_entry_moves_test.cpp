// The entry window's moves while typing and deleting several rows at once.
#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

#include "entry/draw_entry.h"

using namespace n3;

namespace {

// Counts the batches it is given; refuses a whole batch when told to.
class BatchWriter : public DrawWriter {
public:
    int InsertDraw() override { return ++last; }
    void SetDigit(int, int, std::optional<int>) override {}
    void DeleteDraw(int drawNo) override { deleted.push_back(drawNo); }
    void RestoreDraws(const std::vector<Draw>&) override {}
    void DeleteDraws(const std::vector<int>& drawNos) override {
        if (refuse) throw std::runtime_error("locked");
        ++batches;
        deleted.insert(deleted.end(), drawNos.begin(), drawNos.end());
    }
    int last = 0;
    int batches = 0;
    bool refuse = false;
    std::vector<int> deleted;
};

DrawHistory Draws(int n) {
    DrawHistory h;
    for (int no = 1; no <= n; ++no) {
        Draw d;
        d.drawNo = no * 10;
        h.push_back(d);
    }
    return h;
}

}  // namespace

TEST(EntryMoves, TheNextDigitCellRunsAlongTheRowThenDown) {
    using E = 当選データ入力;
    EXPECT_EQ(E::NextDigitCell({0, 1}, 3), (EntryCell{0, 2}));
    EXPECT_EQ(E::NextDigitCell({0, 2}, 3), (EntryCell{0, 3}));
    EXPECT_EQ(E::NextDigitCell({0, 3}, 3), (EntryCell{1, 1}));
    EXPECT_EQ(E::NextDigitCell({1, 0}, 3), (EntryCell{1, 1}));  // from 回数 to 第1数字
    EXPECT_EQ(E::NextDigitCell({2, 3}, 3), (EntryCell{2, 3}));  // the last cell stays
    EXPECT_EQ(E::PreviousDigitCell({1, 1}, 3), (EntryCell{0, 3}));
    EXPECT_EQ(E::PreviousDigitCell({1, 3}, 3), (EntryCell{1, 2}));
    EXPECT_EQ(E::PreviousDigitCell({0, 1}, 3), (EntryCell{0, 1}));  // the first cell stays
}

TEST(EntryMoves, SeveralRowsGoInOneWriteOrNotAtAll) {
    EXPECT_EQ(当選データ入力::DelLinesQuestion(1), "選択された行を削除します。よろしいですか？");
    EXPECT_EQ(当選データ入力::DelLinesQuestion(12), "選択された 12 行を削除します。よろしいですか？");

    BatchWriter writer;
    当選データ入力 entry(writer);
    entry.Load(Draws(5));
    writer.refuse = true;
    EXPECT_THROW(entry.DeleteLines(1, 3), std::runtime_error);
    EXPECT_EQ(entry.rowCount(), 5);

    writer.refuse = false;
    entry.DeleteLines(1, 3);
    EXPECT_EQ(writer.batches, 1);
    EXPECT_EQ(writer.deleted, (std::vector<int>{20, 30, 40}));
    ASSERT_EQ(entry.rowCount(), 2);
    EXPECT_EQ(entry.row(0).drawNo, 10);
    EXPECT_EQ(entry.row(1).drawNo, 50);
    entry.DeleteLines(-4, 9);  // clipped to the rows there are
    EXPECT_EQ(entry.rowCount(), 0);
    entry.DeleteLines(0, 0);  // nothing left: nothing written
    EXPECT_EQ(writer.batches, 2);
}

// ナンバーズ4: a column per digit, the cursor runs on to 第4数字 before the
// next row, and a row with three of its four digits is half typed.
TEST(EntryMoves, FourDigitsGiveAFourthColumnBeforeTheNextRow) {
    using E = 当選データ入力;
    EXPECT_EQ(E::ColumnCount(kNumbers4), 5);
    EXPECT_EQ(E::ColumnHeading(4), "第4数字");
    EXPECT_GT(E::DesignWidth(kNumbers4), E::DesignWidth(kNumbers3));
    EXPECT_EQ(E::NextDigitCell({0, 3}, 3, kNumbers4), (EntryCell{0, 4}));
    EXPECT_EQ(E::NextDigitCell({0, 4}, 3, kNumbers4), (EntryCell{1, 1}));
    EXPECT_EQ(E::PreviousDigitCell({1, 1}, 3, kNumbers4), (EntryCell{0, 4}));
    EXPECT_FALSE(E::IsEditable(4));
    EXPECT_TRUE(E::IsEditable(4, kNumbers4));

    BatchWriter writer;
    当選データ入力 entry(writer, kNumbers4);
    Draw halfTyped{1, {1, 2, 3, std::nullopt}};
    entry.Load({halfTyped, Draw{2, {1, 2, 3, 4}}});
    ASSERT_TRUE(entry.FindFirstIncompleteRow());
    EXPECT_EQ(*entry.FindFirstIncompleteRow(), (EntryCell{0, 4}));
    EXPECT_EQ(entry.CellText(1, 4), "4");
}
