#pragma once
// The entry window's writes, carried out on the draw store.
#include "entry/draw_writer.h"
#include "platform/store/draw_store.h"

namespace n3 {

class StoreDrawWriter : public DrawWriter {
public:
    explicit StoreDrawWriter(DrawStore& store) : store_(store) {}
    int InsertDraw() override { return store_.InsertDraw(); }
    void SetDigit(int drawNo, int position, std::optional<int> value) override {
        store_.SetDigit(drawNo, position, value);
    }
    void SetShownDigit(const Draw& shown, int position, std::optional<int> value) override {
        if (!store_.SetDigitIfStored(shown.drawNo, position, value, shown.digits))
            throw DrawChangedElsewhere(shown.drawNo);
    }
    void DeleteDraw(int drawNo) override { store_.DeleteDraw(drawNo); }
    void RestoreDraws(const std::vector<Draw>& draws) override { store_.Import(draws); }
    void DeleteDraws(const std::vector<int>& drawNos) override { store_.DeleteDraws(drawNos); }

private:
    DrawStore& store_;
};

}  // namespace n3
