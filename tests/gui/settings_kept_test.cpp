// 設定(&O) sets 更新元 with a check of the address and a way back to the
// default; the settings file keeps every line the program did not write;
// the strategies ticked in 買い方の検証 are kept across restarts.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <functional>

#include "entry_test_support.h"
#include "io/draw_update_index.h"
#include "platform/qt/analysis/analysis_window.h"
#include "platform/qt/frame/main_window.h"
#include "platform/qt/frame/settings_dialog.h"
#include "platform/qt/prediction/prediction_window.h"
#include "platform/qt/strategies/strategy_panel.h"
#include "platform/store/strategy_store.h"
#include "settings/update_settings.h"
#include "test_history.h"

using namespace n3;
using namespace n3::testing::entry;

namespace {

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SettingsKept : public ::testing::Test {
protected:
    void SetUp() override { DrawStore::Open(db).Import(n3::testing::generatedHistory(30)); }
    void TearDown() override { main.reset(); }
    void start() {
        main = std::make_unique<MainWindow>(db, ini);
        ASSERT_TRUE(main->startUp());
        main->show();
        QCoreApplication::processEvents();  // the prediction opens at start-up
    }
    // Runs 設定(&O); `inside` works the dialog with real events while it is open.
    void withSettingsDialog(const std::function<void(SettingsDialog&)>& inside) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<SettingsDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            ran = true;
            inside(*dialog);
            if (dialog->isVisible()) dialog->reject();
        });
        ASSERT_TRUE(main->trigger(QStringLiteral("settings")));
        ASSERT_TRUE(ran);
    }
    static void typeInto(QLineEdit* field, const QString& text) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }
    static void clickOk(SettingsDialog& dialog) {
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("ok")), Qt::LeftButton);
    }

    TempDir dir;
    std::string db = dir.file("n3.db");
    std::string ini = dir.file("settings.ini");
    MessageLog messages;
    std::unique_ptr<MainWindow> main;
};

}  // namespace

TEST_F(SettingsKept, TheSettingsDialogChecksTheAddressCompletesItAndOffersTheDefault) {
    start();
    withSettingsDialog([&](SettingsDialog& dialog) {
        EXPECT_EQ(dialog.sourceEdit()->text(), QString::fromUtf8(kDefaultUpdateSource.data()));
        typeInto(dialog.sourceEdit(), QStringLiteral("ftp://example.test/csv/"));
        clickOk(dialog);
        // Refused with the reason; the dialog stays with what was typed.
        ASSERT_EQ(messages.asked.size(), 1u);
        EXPECT_TRUE(messages.asked[0].text.contains(QStringLiteral("https://")))
            << messages.asked[0].text.toStdString();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.sourceEdit()->text(), QStringLiteral("ftp://example.test/csv/"));
        // Without the closing "/": completed, then kept.
        typeInto(dialog.sourceEdit(), QStringLiteral("https://example.test/numbers/csv"));
        clickOk(dialog);
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(main->setting(kUpdateSourceKey), "https://example.test/numbers/csv/");
    EXPECT_NE(ReadText(ini).find("更新元=https://example.test/numbers/csv/\r\n"), std::string::npos);

    withSettingsDialog([&](SettingsDialog& dialog) {
        EXPECT_EQ(dialog.sourceEdit()->text(), QStringLiteral("https://example.test/numbers/csv/"));
        QTest::mouseClick(dialog.defaultButton(), Qt::LeftButton);
        EXPECT_EQ(dialog.sourceEdit()->text(), QString::fromUtf8(kDefaultUpdateSource.data()));
        clickOk(dialog);
    });
    OtherSettings now;
    now[std::string(kUpdateSourceKey)] = main->setting(kUpdateSourceKey);
    EXPECT_EQ(UpdateSettingsFrom(now).source, kDefaultUpdateSource);
    EXPECT_EQ(messages.asked.size(), 1u);
    // Cancel keeps what there was.
    withSettingsDialog([&](SettingsDialog& dialog) {
        typeInto(dialog.sourceEdit(), QStringLiteral("https://other.test/"));
        QTest::keyClick(dialog.sourceEdit(), Qt::Key_Escape);
    });
    now[std::string(kUpdateSourceKey)] = main->setting(kUpdateSourceKey);
    EXPECT_EQ(UpdateSettingsFrom(now).source, kDefaultUpdateSource);
}

TEST_F(SettingsKept, LinesTheProgramDidNotWriteSurviveItsWritesAndItsEnd) {
    {
        std::ofstream out(ini, std::ios::binary);
        out << "; 自分用のメモ\r\n頻度分析Opt=False\r\nFoo=bar\r\n";
    }
    start();
    // Behind the program's back, while it runs.
    {
        std::ofstream out(ini, std::ios::binary | std::ios::app);
        out << "# あとで足した行\r\nUserAdded=1\r\n";
    }
    auto* prediction = qobject_cast<PredictionWindow*>(main->child(QStringLiteral("一発ズバリン")));
    ASSERT_NE(prediction, nullptr);
    QTest::mouseClick(prediction->reflectButton(0), Qt::LeftButton);  // written at once
    std::string text = ReadText(ini);
    EXPECT_NE(text.find("頻度分析Opt=True\r\n"), std::string::npos) << text;
    for (const char* kept : {"; 自分用のメモ\r\n", "Foo=bar\r\n", "# あとで足した行\r\n", "UserAdded=1\r\n"})
        EXPECT_NE(text.find(kept), std::string::npos) << kept << "\n" << text;

    // A line added just before the end survives the end too.
    {
        std::ofstream out(ini, std::ios::binary | std::ios::app);
        out << "LastMinute=yes\r\n";
    }
    main->close();
    text = ReadText(ini);
    for (const char* kept : {"; 自分用のメモ\r\n", "Foo=bar\r\n", "# あとで足した行\r\n", "UserAdded=1\r\n",
                             "LastMinute=yes\r\n", "頻度分析Opt=True\r\n", "MainWindowPlacement="})
        EXPECT_NE(text.find(kept), std::string::npos) << kept << "\n" << text;
    EXPECT_EQ(text.find("頻度分析Opt=False"), std::string::npos) << text;
    EXPECT_LT(text.find("; 自分用のメモ"), text.find("頻度分析Opt=True"));  // in their place
    EXPECT_TRUE(messages.asked.empty());
}

TEST_F(SettingsKept, TickedStrategiesInTheStrategyTestAreKeptAcrossRestarts) {
    {
        const auto database = Database::Open(db);
        Strategy first;
        first.name = "いつもの";
        first.numbers = {123};
        database->strategies().Add(first);
        Strategy second;
        second.name = "前回";
        second.rule = StrategyRule::Last;
        database->strategies().Add(second);
    }
    auto openPanel = [this]() -> StrategyPanel* {
        if (!main->trigger(QStringLiteral("strategyTest"))) return nullptr;
        auto* analysis = qobject_cast<AnalysisWindow*>(main->child(QStringLiteral("買い方の検証")));
        return analysis ? analysis->strategyPanel() : nullptr;
    };
    start();
    StrategyPanel* panel = openPanel();
    ASSERT_NE(panel, nullptr);
    QListWidget* list = panel->list();
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->checkState(), Qt::Checked);  // new ones are ticked
    list->setFocus();
    list->setCurrentRow(1);
    QTest::keyClick(list, Qt::Key_Space);
    ASSERT_EQ(list->item(1)->checkState(), Qt::Unchecked);
    ASSERT_EQ(panel->chosen().size(), 1u);
    main->close();
    main.reset();

    start();
    panel = openPanel();
    ASSERT_NE(panel, nullptr);
    list = panel->list();
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->checkState(), Qt::Checked);
    EXPECT_EQ(list->item(1)->checkState(), Qt::Unchecked);
    ASSERT_EQ(panel->chosen().size(), 1u);
    EXPECT_EQ(panel->chosen()[0].name, "いつもの");
}
