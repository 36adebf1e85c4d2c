// CSV import, export and reload through the data menu, with the file
// dialog and the message boxes answered by the test.
#include <gtest/gtest.h>

#include <QMdiSubWindow>
#include <fstream>

#include "platform/qt/common/dialogs.h"
#include "platform/qt/frame/main_window.h"
#include "platform/store/draw_store.h"
#include "temp_dir.h"

using namespace n3;
using n3::testing::TempDir;

namespace {

// Stands in for the entry window: a child that holds the program.
class HoldingChild : public ChildWindow {
public:
    using ChildWindow::ChildWindow;
    QString windowClass() const override { return QStringLiteral("当選データ入力"); }
    QSize designSize() const override { return {200, 200}; }
};

class HistoryCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Draw d;
        d.drawNo = 1;
        d.digits = {1, 1, 1};
        DrawStore::Open(db).Import({d});
        dialogs::SetMessageResponder([this](const dialogs::MessageRequest& r) {
            messages.push_back(r);
            return r.buttons == dialogs::Buttons::YesNo ? answer : dialogs::Result::Ok;
        });
        dialogs::SetFileResponder([this](const dialogs::FileRequest& r) {
            fileRequests.push_back(r);
            return chosenFile;
        });
        window = std::make_unique<MainWindow>(db, dir.file("settings.ini"));
        window->registerChild("当選データ入力", [](MainWindow& w) { return new HoldingChild(w); });
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
    dialogs::Result answer = dialogs::Result::Yes;
    QString chosenFile;
    std::unique_ptr<MainWindow> window;
};

}  // namespace

TEST_F(HistoryCommandsTest, ImportAddsAndReplacesAndEveryOpenWindowFollows) {
    chosenFile = QString::fromStdString(dir.write("h.csv", "回数,第1数字,第2数字,第3数字\r\n1,2,2,2\r\n2,3,3,3\r\n"));
    window->trigger("appearanceFrequency");
    QMdiSubWindow* frequency = window->subWindow("出現頻度分析");
    ASSERT_NE(frequency, nullptr);

    ASSERT_TRUE(window->trigger("importCsv"));
    // Draw 1 is stored as 111: the question names both values first.
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(messages[0].text.contains("「111」") && messages[0].text.contains("「222」"))
        << messages[0].text.toStdString();
    EXPECT_EQ(messages[0].buttons, dialogs::Buttons::YesNo);
    EXPECT_TRUE(messages[1].text.contains("追加 1 件、更新 1 件、変更なし 0 件")) << messages[1].text.toStdString();

    // No question, no window closed: the new snapshot is in place at once.
    EXPECT_EQ(window->subWindow("出現頻度分析"), frequency);
    EXPECT_EQ(window->snapshot().stats.LatestDrawNo, 2);
    EXPECT_EQ(window->snapshot().stats.DigitCount[1], 0);
    EXPECT_EQ(window->snapshot().stats.DigitCount[3], 3);
}

TEST_F(HistoryCommandsTest, ReloadKeepsTheWindowsOpen) {
    window->trigger("appearanceFrequency");
    QMdiSubWindow* frequency = window->subWindow("出現頻度分析");
    ASSERT_NE(frequency, nullptr);
    DrawStore::Open(db).Import({Draw{2, {3, 3, 3}}});  // another program wrote to the file
    window->trigger("reload");
    EXPECT_EQ(window->subWindow("出現頻度分析"), frequency);
    EXPECT_EQ(window->snapshot().stats.LatestDrawNo, 2);
    EXPECT_TRUE(messages.empty());
}

TEST_F(HistoryCommandsTest, BadFileNamesTheLineAndStoresNothing) {
    chosenFile = QString::fromStdString(dir.write("bad.csv", "回数,第1数字,第2数字,第3数字\n5,1,2,3\n6,1,12,3\n"));
    window->trigger("importCsv");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains("3 行目")) << messages[0].text.toStdString();
    EXPECT_EQ(messages[0].title, "メッセ－ジ");
    EXPECT_EQ(messages[0].icon, dialogs::Icon::Critical);
    EXPECT_EQ(DrawStore::Open(db).DrawCount(), 1);
}

TEST_F(HistoryCommandsTest, CancelledDialogDoesNothing) {
    chosenFile.clear();
    window->trigger("importCsv");
    window->trigger("exportCsv");
    EXPECT_EQ(fileRequests.size(), 2u);
    EXPECT_TRUE(messages.empty());
}

TEST_F(HistoryCommandsTest, ExportWritesTheProgramsOwnFormat) {
    chosenFile = QString::fromStdString(dir.file("out.csv"));
    window->trigger("exportCsv");
    ASSERT_TRUE(fileRequests.at(0).save);
    std::ifstream in(dir.file("out.csv"), std::ios::binary);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(in)), {}), "回数,第1数字,第2数字,第3数字\r\n1,1,1,1\r\n");
}

TEST_F(HistoryCommandsTest, ImportAndReloadAreRefusedWhileTheEntryWindowIsOpen) {
    window->trigger("entry");
    ASSERT_NE(window->subWindow("当選データ入力"), nullptr);
    chosenFile = QString::fromStdString(dir.write("h.csv", "回数,第1数字,第2数字,第3数字\n2,3,3,3\n"));
    window->trigger("importCsv");
    window->trigger("reload");
    ASSERT_EQ(messages.size(), 2u);
    for (const auto& m : messages) {
        EXPECT_EQ(m.text, "表示中のウィンドウを閉じないと実行できません。");
        EXPECT_EQ(m.title, "メッセ－ジ");
    }
    EXPECT_TRUE(fileRequests.empty());
    EXPECT_EQ(DrawStore::Open(db).DrawCount(), 1);
    EXPECT_NE(window->subWindow("当選データ入力"), nullptr);
}
