// The desktop program against hostile files: names that look like place
// holders, databases made by other tools, and a command that runs out of
// memory. Message boxes are answered through the platform layer.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QApplication>
#include <fstream>
#include <new>

#include "platform/qt/common/child_window.h"
#include "platform/qt/common/dialogs.h"
#include "platform/qt/frame/main_window.h"
#include "platform/store/draw_store.h"
#include "temp_dir.h"

using namespace n3;
using n3::testing::TempDir;

namespace {

class HostileFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialogs::SetMessageResponder([this](const dialogs::MessageRequest& r) {
            messages.push_back(r);
            return r.buttons == dialogs::Buttons::YesNo ? dialogs::Result::No : dialogs::Result::Ok;
        });
        dialogs::SetFileResponder([this](const dialogs::FileRequest&) { return chosenFile; });
    }
    void TearDown() override {
        window.reset();
        dialogs::SetMessageResponder(nullptr);
        dialogs::SetFileResponder(nullptr);
    }
    bool Start() {
        window = std::make_unique<MainWindow>(db, dir.file("settings.ini"));
        return window->startUp();
    }

    TempDir dir;
    std::string db = dir.file("db.db");
    std::vector<dialogs::MessageRequest> messages;
    QString chosenFile;
    std::unique_ptr<MainWindow> window;
};

}  // namespace

TEST_F(HostileFilesTest, ImportMessageShowsAFileNameWithPercentSignsAsItIs) {
    ASSERT_TRUE(Start());
    chosenFile = QString::fromStdString(dir.write("bad%2%1.csv", "回数,第1数字,第2数字,第3数字\n5,1,2,3\n6,1,12,3\n"));
    window->trigger("importCsv");
    ASSERT_EQ(messages.size(), 1u);
    const QString text = messages[0].text;
    EXPECT_TRUE(text.contains("ファイル「bad%2%1.csv」の 3 行目を読み込めません。")) << text.toStdString();
    EXPECT_TRUE(text.contains("第2数字「12」")) << text.toStdString();
    EXPECT_EQ(DrawStore::Open(db).DrawCount(), 0);

    // A file that is no file at all.
    messages.clear();
    chosenFile = QStringLiteral("/dev/zero");
    window->trigger("importCsv");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains(
        "ファイル「zero」を読み込めません。\n理由：ファイルを開けません（通常のファイルではありません"))
        << messages[0].text.toStdString();
}

TEST_F(HostileFilesTest, ADatabaseOfAnotherToolWithADrawOutOfRangeIsRefusedAtStartUp) {
    sqlite3* h = nullptr;
    ASSERT_EQ(sqlite3_open(db.c_str(), &h), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(h,
                           "CREATE TABLE 当選データ (回数, 第1数字, 第2数字, 第3数字);"
                           "CREATE VIEW 全データ選択クエリ AS SELECT * FROM 当選データ;"
                           "INSERT INTO 当選データ VALUES (1, 1, 2, 3), (2147483647, 4, 5, 6);",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(h);
    EXPECT_FALSE(Start());
    ASSERT_EQ(messages.size(), 1u);
    const std::string text = messages[0].text.toStdString();
    EXPECT_NE(text.find(db), std::string::npos) << text;
    EXPECT_NE(text.find("回数 2147483647 の行：回数が1～32767の範囲にありません"), std::string::npos) << text;
    EXPECT_EQ(messages[0].icon, dialogs::Icon::Critical);
}

TEST_F(HostileFilesTest, ACommandThatRunsOutOfMemoryEndsWithAMessage) {
    ASSERT_TRUE(Start());
    window->registerChild("当選データ入力", [](MainWindow& w) -> ChildWindow* {
        w.BeginWait();
        throw std::bad_alloc();
    });
    window->trigger("entry");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains("メモリが足りません")) << messages[0].text.toStdString();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);  // the wait cursor is gone
    // The program goes on.
    window->trigger("appearanceFrequency");
    EXPECT_NE(window->subWindow("出現頻度分析"), nullptr);
}
