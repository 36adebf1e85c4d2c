// What the data menu's file commands tell the user: the export's count and
// file, where the import dialog opens, and the import's three figures.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <filesystem>

#include "platform/qt/common/dialogs.h"
#include "platform/qt/frame/main_window.h"
#include "platform/store/draw_store.h"
#include "temp_dir.h"

using namespace n3;
using n3::testing::TempDir;

namespace {

class HistoryMessagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::vector<Draw> draws;
        for (int no = 1; no <= 3; ++no) {
            Draw d;
            d.drawNo = no;
            d.digits = {no, no, no};
            draws.push_back(d);
        }
        DrawStore::Open(db).Import(draws);
        dialogs::SetMessageResponder([this](const dialogs::MessageRequest& r) {
            messages.push_back(r);
            return r.buttons == dialogs::Buttons::YesNo ? dialogs::Result::No : dialogs::Result::Ok;
        });
        dialogs::SetFileResponder([this](const dialogs::FileRequest& r) {
            fileRequests.push_back(r);
            return chosenFile;
        });
        window = std::make_unique<MainWindow>(db, dir.file("settings.ini"));
        ASSERT_TRUE(window->startUp());
    }
    void TearDown() override {
        window.reset();
        dialogs::SetMessageResponder(nullptr);
        dialogs::SetFileResponder(nullptr);
    }

    TempDir dir;
    std::string db = dir.file("db.db");
    std::vector<dialogs::MessageRequest> messages;
    std::vector<dialogs::FileRequest> fileRequests;
    QString chosenFile;
    std::unique_ptr<MainWindow> window;
};

}  // namespace

TEST_F(HistoryMessagesTest, ExportSaysHowManyDrawsWentToWhichFile) {
    chosenFile = QString::fromStdString(dir.file("out.csv"));
    window->trigger("exportCsv");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("3 回分の当選データをファイル「%1」に書き出しました。").arg(chosenFile));
    EXPECT_EQ(messages[0].icon, dialogs::Icon::Information);

    // A file that cannot be written says so, and nothing else.
    messages.clear();
    chosenFile = QString::fromStdString(dir.file("no-such-folder/out.csv"));
    window->trigger("exportCsv");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, dialogs::Icon::Critical);
}

TEST_F(HistoryMessagesTest, ImportOpensAtHomeThenWhereTheLastImportCameFrom) {
    std::filesystem::create_directories(dir.file("downloads"));
    chosenFile = QString::fromStdString(
        dir.write("downloads/h.csv", "回数,第1数字,第2数字,第3数字\r\n1,1,1,1\r\n2,2,2,2\r\n4,4,4,4\r\n5,5,5,5\r\n"));
    window->trigger("importCsv");
    ASSERT_EQ(fileRequests.size(), 1u);
    EXPECT_FALSE(fileRequests[0].save);
    EXPECT_EQ(fileRequests[0].suggestedName, QDir::homePath());
    ASSERT_EQ(messages.size(), 1u);  // the summary; the windows follow without a question
    EXPECT_TRUE(messages[0].text.contains(QStringLiteral("追加 2 件、更新 0 件、変更なし 2 件")))
        << messages[0].text.toStdString();

    window->trigger("importCsv");
    ASSERT_EQ(fileRequests.size(), 2u);
    EXPECT_EQ(QFileInfo(fileRequests[1].suggestedName).canonicalFilePath(),
              QFileInfo(QString::fromStdString(dir.file("downloads"))).canonicalFilePath());
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(messages[1].text.contains(QStringLiteral("追加 0 件、更新 0 件、変更なし 4 件")))
        << messages[1].text.toStdString();

    // The folder is remembered for the next run, in the settings file.
    window->close();
    window = std::make_unique<MainWindow>(db, dir.file("settings.ini"));
    ASSERT_TRUE(window->startUp());
    window->trigger("importCsv");
    ASSERT_EQ(fileRequests.size(), 3u);
    EXPECT_EQ(QFileInfo(fileRequests[2].suggestedName).canonicalFilePath(),
              QFileInfo(QString::fromStdString(dir.file("downloads"))).canonicalFilePath());
}
