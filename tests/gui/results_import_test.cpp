// A results file whose digits disagree with a stored draw, imported through
// the data menu: both values shown, nothing stored on No, replaced on Yes.
#include <gtest/gtest.h>

#include "platform/qt/common/dialogs.h"
#include "platform/qt/frame/main_window.h"
#include "platform/store/draw_store.h"
#include "platform/store/result_store.h"
#include "temp_dir.h"

using namespace n3;
using n3::testing::TempDir;

namespace {

class ResultsImportTest : public ::testing::Test {
protected:
    void SetUp() override {
        Draw d;
        d.drawNo = 1;
        d.digits = {1, 1, 1};
        DrawStore::Open(db).Import({d});
        dialogs::SetMessageResponder([this](const dialogs::MessageRequest& r) {
            messages.push_back(r);
            if (r.text.contains(QStringLiteral("置き換えますか"))) return replace;
            return r.buttons == dialogs::Buttons::Ok ? dialogs::Result::Ok : dialogs::Result::No;
        });
        dialogs::SetFileResponder([this](const dialogs::FileRequest&) { return chosenFile; });
        window = std::make_unique<MainWindow>(db, dir.file("settings.ini"));
        ASSERT_TRUE(window->startUp());
        chosenFile = QString::fromStdString(dir.write("r.csv",
                                                      "回号,抽せん日,当せん番号,ミニ口数,ミニ当選金額\n"
                                                      "1,2026-08-20,123,5,\"9,000円\"\n"
                                                      "2,2026-08-21,456,6,8000\n"));
    }
    void TearDown() override {
        window.reset();
        dialogs::SetMessageResponder(nullptr);
        dialogs::SetFileResponder(nullptr);
    }
    bool asked(const QString& part) const {
        return std::any_of(messages.begin(), messages.end(), [&](const auto& m) { return m.text.contains(part); });
    }

    TempDir dir;
    std::string db = dir.file("db.db");
    std::vector<dialogs::MessageRequest> messages;
    dialogs::Result replace = dialogs::Result::No;
    QString chosenFile;
    std::unique_ptr<MainWindow> window;
};

}  // namespace

TEST_F(ResultsImportTest, NoKeepsTheDatabaseAsItWas) {
    ASSERT_TRUE(window->trigger("importCsv"));
    EXPECT_TRUE(asked(QStringLiteral("第1回：データベースでは「111」、ファイルでは「123」")));
    auto store = DrawStore::Open(db);
    EXPECT_EQ(store.DrawCount(), 1);
    EXPECT_EQ(store.ReadHistory()[0].digits[1], 1);
    EXPECT_TRUE(ReadResults(store).empty());
}

TEST_F(ResultsImportTest, YesReplacesTheDigitsAndStoresTheResults) {
    replace = dialogs::Result::Yes;
    ASSERT_TRUE(window->trigger("importCsv"));
    EXPECT_TRUE(asked(QStringLiteral("当選結果 2 件")));
    auto store = DrawStore::Open(db);
    EXPECT_EQ(store.DrawCount(), 2);
    EXPECT_EQ(store.ReadHistory()[0].digits[1], 2);
    const ResultHistory results = ReadResults(store);
    ASSERT_EQ(results.size(), 2u);
    EXPECT_EQ(results[0].date, "2026-08-20");
    EXPECT_EQ(results[0].prize(PrizeKind::Mini), (Prize{5, 9000}));
}
