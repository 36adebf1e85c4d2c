// 購入記録's grid rules: typing, edits checked before they are written,
// refused writes leaving the rows as stored, new rows and deleted rows.
#include <gtest/gtest.h>

#include <stdexcept>

#include "tickets/ticket_book_editor.h"

using namespace n3;

namespace {

class FakeWriter : public TicketWriter {
public:
    std::int64_t Add(const Purchase& p) override {
        if (refuse) throw std::runtime_error("使用中");
        added.push_back(p);
        return ++lastId;
    }
    void Update(const Purchase& p) override {
        if (refuse) throw std::runtime_error("使用中");
        updated.push_back(p);
    }
    void Remove(std::int64_t id) override {
        if (refuse) throw std::runtime_error("使用中");
        removed.push_back(id);
    }
    bool refuse = false;
    std::int64_t lastId = 10;
    std::vector<Purchase> added, updated;
    std::vector<std::int64_t> removed;
};

using E = TicketBookEditor;

}  // namespace

TEST(TicketBookEditor, TypingRulesPerColumn) {
    EXPECT_TRUE(E::AcceptsTyping(E::kNumber, "04"));
    EXPECT_TRUE(E::AcceptsTyping(E::kNumber, "０４８"));
    EXPECT_FALSE(E::AcceptsTyping(E::kNumber, "0481"));
    EXPECT_FALSE(E::AcceptsTyping(E::kNumber, "4a"));
    EXPECT_TRUE(E::AcceptsTyping(E::kDate, "2024-0"));
    EXPECT_FALSE(E::AcceptsTyping(E::kDate, "2024/05"));
    EXPECT_FALSE(E::AcceptsTyping(E::kUnits, "100"));
    EXPECT_TRUE(E::AcceptsTyping(E::kFirstDraw, "6500"));
    EXPECT_FALSE(E::AcceptsTyping(E::kMemo, "a\nb"));
    EXPECT_FALSE(E::AcceptsTyping(E::kCost, "1"));
}

TEST(TicketBookEditor, EditsAreCheckedThenWritten) {
    FakeWriter writer;
    E editor(writer);
    editor.Load({{1, "2024-05-01", 6500, 2, "048", TicketKind::Straight, 1, ""}});
    EXPECT_EQ(editor.CellText(0, E::kCost), "400");

    // A triple is refused for a box, nothing written.
    EXPECT_TRUE(editor.Edit(0, E::kNumber, "555").purchase);
    const TicketEdit triple = editor.Edit(0, E::kType, "ボックス");
    ASSERT_TRUE(triple.purchase);
    editor.Apply(0, *triple.purchase);
    const TicketEdit refused = editor.Edit(0, E::kNumber, "555");
    EXPECT_FALSE(refused.purchase);
    EXPECT_NE(refused.error.find("ゾロ目"), std::string::npos);
    EXPECT_EQ(writer.updated.size(), 1u);

    // To ミニ keeps the last two digits; back puts a 0 before them.
    editor.Apply(0, *editor.Edit(0, E::kType, "ミニ").purchase);
    EXPECT_EQ(editor.CellText(0, E::kNumber), "48");
    editor.Apply(0, *editor.Edit(0, E::kType, "セット").purchase);
    EXPECT_EQ(editor.CellText(0, E::kNumber), "048");

    editor.Apply(0, *editor.Edit(0, E::kUnits, "３").purchase);
    EXPECT_EQ(editor.CellText(0, E::kCost), "1,200");
    EXPECT_FALSE(editor.Edit(0, E::kDraws, "21").purchase);
    EXPECT_FALSE(editor.Edit(0, E::kDraws, "").purchase);
    EXPECT_FALSE(editor.Edit(0, E::kDate, "2024-02-30").purchase);
    EXPECT_FALSE(editor.Edit(0, E::kCost, "1").purchase);

    // A refused write leaves the row as stored.
    writer.refuse = true;
    EXPECT_THROW(editor.Apply(0, *editor.Edit(0, E::kMemo, "x").purchase), std::runtime_error);
    EXPECT_EQ(editor.CellText(0, E::kMemo), "");
}

TEST(TicketBookEditor, NewRowsFollowTheRowBeforeAndDeleteRemoves) {
    FakeWriter writer;
    E editor(writer);
    editor.Load({{1, "2024-05-01", 6500, 5, "07", TicketKind::Mini, 3, "x"}});
    const Purchase next = editor.NewPurchase(0, "2024-05-10", 6502);
    EXPECT_EQ(next.最初の回数, 6505);
    EXPECT_EQ(next.番号, "07");
    EXPECT_EQ(next.種類, TicketKind::Mini);
    EXPECT_EQ(next.口数, 3);
    EXPECT_EQ(next.購入日, "2024-05-10");
    EXPECT_EQ(next.メモ, "");
    EXPECT_EQ(editor.AddLine(next), 1);
    EXPECT_EQ(editor.rows()[1].id, 11);
    const Purchase fresh = editor.NewPurchase(-1, "2024-05-10", 6502);
    EXPECT_EQ(fresh.最初の回数, 6502);
    EXPECT_EQ(PurchaseError(fresh), "");

    writer.refuse = true;
    EXPECT_THROW(editor.DeleteLine(0), std::runtime_error);
    EXPECT_EQ(editor.rowCount(), 2);
    writer.refuse = false;
    editor.DeleteLine(0);
    EXPECT_EQ(writer.removed, std::vector<std::int64_t>{1});
    EXPECT_EQ(editor.rowCount(), 1);
    EXPECT_EQ(editor.rows()[0].id, 11);
}
