#pragma once
// A database holding draws 7050–7053 with their dates and a local server
// listing draws up to 7060 with a file for each of 7054–7060 (7057 is a
// triple with 該当なし), for the tests of `update`.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "bank_files.h"
#include "core/number_rules.h"
#include "draw_server.h"
#include "make_draw.h"
#include "platform/store/result_store.h"
#include "temp_dir.h"
#include "test_paths.h"

namespace n3::testing {

inline BankDraw FetchableDraw(int drawNo) {
    static const std::map<int, std::pair<std::string, int>> draws = {
        {7054, {"048", 21}}, {7055, {"315", 24}}, {7056, {"902", 25}}, {7057, {"777", 26}},
        {7058, {"160", 27}}, {7059, {"483", 28}}, {7060, {"519", 31}},
    };
    const auto& [digits, day] = draws.at(drawNo);
    BankDraw d;
    d.drawNo = drawNo;
    d.digits = digits;
    d.day = day;
    d.noStraightWinner = drawNo == 7059;
    return d;
}

class DrawUpdateTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(dir_.file("www"));
        server_ = std::make_unique<DrawServer>(n3::testing::kTestServer, dir_.file("www"));
        ASSERT_NE(server_->port(), 0) << "the local server did not start";
        server_->write("numbers.csv", IndexFile({7060, 7059, 7058, 7057, 7056, 7055, 7054, 7053, 7052}));
        for (int drawNo = 7054; drawNo <= 7060; ++drawNo)
            server_->write(DrawFileName(drawNo), BankFile(FetchableDraw(drawNo)));
        db_ = dir_.file("n3.db");
        DrawStore store = DrawStore::Open(db_, true);
        std::vector<Draw> draws;
        ResultHistory results;
        for (int drawNo = 7050; drawNo <= 7053; ++drawNo) {
            draws.push_back(MakeDraw(drawNo, std::to_string(100 + drawNo % 900)));
            DrawResult r;
            r.drawNo = drawNo;
            r.date = "2026-08-" + std::to_string(drawNo - 7033);  // 7053 on Thursday 2026-08-20
            results.push_back(r);
        }
        ImportDrawsAndResults(store, draws, results, false);
    }

    static std::string DrawFileName(int no) { return "A100" + std::to_string(no) + ".CSV"; }

    // The stored digits of each draw, "?" for an unknown one.
    std::map<int, std::string> Stored() const {
        std::map<int, std::string> out;
        for (const Draw& d : DrawStore::Open(db_, false).ReadHistory()) {
            out[d.drawNo] = DigitsText(d.digits);
        }
        return out;
    }
    ResultHistory StoredResults() const { return ReadResults(DrawStore::Open(db_, false)); }
    void StoreByHand(int drawNo, const std::string& digits) const {
        DrawStore store = DrawStore::Open(db_, false);
        store.Import({MakeDraw(drawNo, digits)});
    }

    TempDir dir_;
    std::unique_ptr<DrawServer> server_;
    std::string db_;
};

}  // namespace n3::testing
