// 最新の当選データを取得 in the desktop program against a local server: the
// progress dialog, cancelling mid-way, the question on differing digits,
// the question after the first start's import and the start-up check; and
// libcurl, mapped only once an update runs, its absence failing only that.
#include <gtest/gtest.h>
#include <link.h>

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "draw_update_fixture.h"
#include "faulty_vfs.h"
#include "platform/qt/analysis/analysis_window.h"
#include "platform/qt/common/dialogs.h"
#include "platform/qt/frame/draw_update_dialog.h"
#include "platform/qt/frame/main_window.h"
#include "scoped_environment.h"
#include "settings/update_settings.h"
#include "test_paths.h"

using namespace n3;

namespace n3::testing {
namespace {

// Whether a library whose file name holds "libcurl" is mapped in this process.
bool LibcurlMapped() {
    int found = 0;
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* data) {
            if (info->dlpi_name && std::string_view(info->dlpi_name).find("libcurl") != std::string_view::npos)
                *static_cast<int*>(data) = 1;
            return 0;
        },
        &found);
    return found != 0;
}

class DrawUpdateGuiTest : public DrawUpdateTest {
protected:
    void SetUp() override {
        DrawUpdateTest::SetUp();
        dialogs::SetMessageResponder([this](const dialogs::MessageRequest& r) {
            asked.push_back(r);
            return answer(r);
        });
        DrawUpdateDialog::SetProgressObserver([this](DrawUpdateDialog& d, int done, int total, int no) {
            steps.push_back({done, total, no, d.statusLabel()->text(), d.progressBar()->value()});
            if (no == cancelAt) QTest::mouseClick(d.cancelButton(), Qt::LeftButton);
        });
    }
    void TearDown() override {
        window.reset();
        DrawUpdateDialog::SetProgressObserver(nullptr);
        dialogs::SetMessageResponder(nullptr);
    }
    void start(const std::string& extraSettings = "") {
        window.reset();
        dir_.write("settings.ini", std::string(kUpdateSourceKey) + "=" + server_->base() + "\r\n" + extraSettings);
        window = std::make_unique<MainWindow>(db_, dir_.file("settings.ini"));
        ASSERT_TRUE(window->startUp());
    }
    bool askedAbout(const QString& part) const {
        return std::any_of(asked.begin(), asked.end(), [&](const auto& r) { return r.text.contains(part); });
    }
    int lastSnapshotDraw() const { return window->snapshot().history.back().drawNo; }

    struct Step {
        int done, total, drawNo;
        QString label;
        int bar;
    };
    std::function<dialogs::Result(const dialogs::MessageRequest&)> answer = [](const dialogs::MessageRequest&) {
        return dialogs::Result::Ok;
    };
    std::vector<dialogs::MessageRequest> asked;
    std::vector<Step> steps;
    int cancelAt = 0;
    std::unique_ptr<MainWindow> window;
};

TEST_F(DrawUpdateGuiTest, TheMenuCommandShowsProgressStoresAndTheOpenWindowsFollow) {
    start();
    window->show();
    ASSERT_TRUE(window->trigger("appearanceFrequency"));
    auto* frequency = qobject_cast<AnalysisWindow*>(window->child(QStringLiteral("出現頻度分析")));
    ASSERT_NE(frequency, nullptr);
    if (frequency->computing()) QSignalSpy(frequency, &AnalysisWindow::computed).wait(10000);
    QSignalSpy recomputed(frequency, &AnalysisWindow::computed);
    EXPECT_EQ(window->menuAction("fetchLatest")->text(), QStringLiteral("最新の当選データを取得(&U)"));
    ASSERT_TRUE(window->trigger("fetchLatest"));
    ASSERT_EQ(steps.size(), 8u);  // each draw, then the end
    EXPECT_EQ(steps[0].label, QStringLiteral("第7054回を取得しています（1／7）"));
    EXPECT_EQ(steps[2].label, QStringLiteral("第7056回を取得しています（3／7）"));
    EXPECT_EQ(steps[2].bar, 2);
    EXPECT_EQ(steps.back().bar, 7);
    ASSERT_FALSE(asked.empty());
    // The test files follow the draw schedule: nothing to ask or to name.
    EXPECT_EQ(asked.back().text,
              QStringLiteral("第7054回〜第7060回の7回分を取り込みました（ナンバーズ3・ナンバーズ4）"));
    EXPECT_EQ(asked.back().icon, dialogs::Icon::Information);
    EXPECT_EQ(lastSnapshotDraw(), 7060);
    ASSERT_TRUE(recomputed.count() > 0 || recomputed.wait(10000));
    EXPECT_EQ(window->child(QStringLiteral("出現頻度分析")), frequency);  // followed, not closed
    const DrawResult* r = FindResult(window->snapshot().results, 7060);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->date, "2026-08-31");

    asked.clear();
    ASSERT_TRUE(window->trigger("fetchLatest"));
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, QStringLiteral("新しい当選データはありません（最新は第7060回・2026-08-31）"));
}

TEST_F(DrawUpdateGuiTest, CancellingMidWayKeepsWhatWasStored) {
    // The cancel must land while the worker waits its turn before 7056; with
    // no wait at all the worker may store 7056 first.
    const ScopedEnvironment pace("N3_REQUEST_INTERVAL_MS", "300");
    start();
    cancelAt = 7056;
    ASSERT_TRUE(window->trigger("fetchLatest"));
    const auto stored = Stored();
    EXPECT_EQ(stored.at(7055), "315");
    EXPECT_EQ(stored.count(7056), 0u);
    EXPECT_EQ(stored.count(7057), 0u);
    ASSERT_FALSE(asked.empty());
    EXPECT_TRUE(asked.back().text.startsWith(QStringLiteral("取り消しました。")));
    EXPECT_TRUE(asked.back().text.contains(QStringLiteral("第7054回〜第7055回の2回分")));
    EXPECT_EQ(lastSnapshotDraw(), 7055);
}

TEST_F(DrawUpdateGuiTest, DifferingDigitsAreAskedShowingBoth) {
    StoreByHand(7055, "999");
    for (const bool replace : {false, true}) {
        answer = [replace](const dialogs::MessageRequest& r) {
            if (r.text.contains(QStringLiteral("置き換えますか")))
                return replace ? dialogs::Result::Yes : dialogs::Result::No;
            return dialogs::Result::Ok;
        };
        start();
        asked.clear();
        ASSERT_TRUE(window->trigger("fetchLatest"));
        ASSERT_GE(asked.size(), 2u);
        EXPECT_TRUE(asked[0].text.contains(QStringLiteral("データベース：「999」")));
        EXPECT_TRUE(asked[0].text.contains(QStringLiteral("取得したデータ：「315」")));
        EXPECT_EQ(asked[0].buttons, dialogs::Buttons::YesNo);
        EXPECT_EQ(asked.back().icon, replace ? dialogs::Icon::Information : dialogs::Icon::Critical);
        EXPECT_EQ(Stored().at(7055), replace ? "315" : "999");
        EXPECT_EQ(Stored().count(7060), replace ? 1u : 0u);
    }
}

TEST_F(DrawUpdateGuiTest, TheFirstStartOffersTheDrawsAfterTheShippedHistory) {
    std::filesystem::remove(db_);
    answer = [](const dialogs::MessageRequest& r) {
        return r.buttons == dialogs::Buttons::YesNoDefaultYes ? dialogs::Result::Yes : dialogs::Result::Ok;
    };
    window = std::make_unique<MainWindow>(db_, dir_.file("settings.ini"));
    dir_.write("settings.ini", std::string(kUpdateSourceKey) + "=" + server_->base() + "\r\n");
    window->setBundledDataFolder(n3::testing::kDataDir);
    ASSERT_TRUE(window->startUp());
    const QString question = QStringLiteral("第7054回以降の当選データをインターネットから取得しますか？");
    ASSERT_TRUE(askedAbout(question));
    const auto it = std::find_if(asked.begin(), asked.end(), [&](const auto& r) { return r.text == question; });
    EXPECT_EQ(it->buttons, dialogs::Buttons::YesNoDefaultYes);
    EXPECT_TRUE(askedAbout(QStringLiteral("第7054回〜第7060回の7回分を取り込みました")));
    EXPECT_EQ(lastSnapshotDraw(), 7060);
}

TEST_F(DrawUpdateGuiTest, TheStartUpCheckIsOffByDefaultAndQuietWhenNothingIsNew) {
    start();
    EXPECT_TRUE(steps.empty());
    QAction* item = window->menuAction("checkAtStart");
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->isCheckable());
    EXPECT_FALSE(item->isChecked());
    ASSERT_TRUE(window->trigger("checkAtStart"));
    EXPECT_TRUE(item->isChecked());
    EXPECT_EQ(window->setting(kUpdateAtStartKey), "True");

    // On: the next start fetches, and the one after it finds nothing and says nothing.
    const std::string on = std::string(kUpdateAtStartKey) + "=True\r\n";
    start(on);
    EXPECT_EQ(lastSnapshotDraw(), 7060);
    EXPECT_TRUE(window->menuAction("checkAtStart")->isChecked());
    asked.clear();
    start(on);
    EXPECT_TRUE(asked.empty());
}

TEST_F(DrawUpdateGuiTest, ADrawFarPastTheNewestIsAskedAboutAndNoStopsBeforeIt) {
    server_->write("numbers.csv", IndexFile({30000, 7053}));
    BankDraw far{30000, "123", 2099, 12, 31};
    server_->write("A10030000.CSV", BankFile(far));
    for (const bool yes : {false, true}) {
        asked.clear();
        answer = [yes](const dialogs::MessageRequest& r) {
            return r.buttons == dialogs::Buttons::YesNo ? (yes ? dialogs::Result::Yes : dialogs::Result::No)
                                                        : dialogs::Result::Ok;
        };
        start();
        ASSERT_TRUE(window->trigger("fetchLatest"));
        ASSERT_GE(asked.size(), 2u);
        EXPECT_EQ(asked[0].text,
                  QStringLiteral("データベースの最新の第7053回の次が第30000回です（10回より先の回です）。"
                                 "\n\nこの回から先も取得しますか？"));
        EXPECT_EQ(asked.back().icon, dialogs::Icon::Critical);
        EXPECT_TRUE(asked.back().text.contains(yes ? QStringLiteral("第30000回の抽せん日 2099-12-31")
                                                   : QStringLiteral("第30000回で止まりました")))
            << asked.back().text.toStdString();
        EXPECT_EQ(Stored().count(30000), 0u);
        EXPECT_EQ(lastSnapshotDraw(), 7053);
    }
}

TEST_F(DrawUpdateGuiTest, AFailedWriteIsSaidInPlainJapaneseInTheMessageBox) {
    start();
    FaultyDisk disk;
    disk.arm(FaultyDisk::Fault::Write);
    ASSERT_TRUE(window->trigger("fetchLatest"));
    EXPECT_TRUE(disk.fired());
    ASSERT_FALSE(asked.empty());
    const QString text = asked.back().text;
    EXPECT_EQ(asked.back().icon, dialogs::Icon::Critical);
    EXPECT_TRUE(text.contains(
        QStringLiteral("データベースファイルに書き込めませんでした（ディスクへの書き込みに失敗しました）。"
                       "もう一度お試しください。")))
        << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("disk I/O error")));
    EXPECT_FALSE(text.contains(QStringLiteral("壊れています")));
}

TEST_F(DrawUpdateGuiTest, TheWindowsStartWithoutLibcurlAndTheUpdateMapsIt) {
    // ctest runs each test in a process of its own; run together, an earlier
    // update has mapped it already.
    if (LibcurlMapped()) GTEST_SKIP() << "an earlier test in this process ran an update";
    start();
    window->show();
    ASSERT_TRUE(window->trigger("appearanceFrequency"));
    auto* frequency = qobject_cast<AnalysisWindow*>(window->child(QStringLiteral("出現頻度分析")));
    ASSERT_NE(frequency, nullptr);
    if (frequency->computing()) QSignalSpy(frequency, &AnalysisWindow::computed).wait(10000);
    EXPECT_FALSE(LibcurlMapped());
    ASSERT_TRUE(window->trigger("fetchLatest"));
    EXPECT_EQ(lastSnapshotDraw(), 7060);
    EXPECT_TRUE(LibcurlMapped());
}

TEST_F(DrawUpdateGuiTest, WithoutLibcurlOnlyTheUpdateFailsWithAPlainMessage) {
    const ScopedEnvironment missing("N3_LIBCURL", "/nonexistent/libcurl.so.4");
    start();
    window->show();
    const auto before = Stored();
    ASSERT_TRUE(window->trigger("fetchLatest"));
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].icon, dialogs::Icon::Critical);
    EXPECT_EQ(asked[0].title, QStringLiteral("最新の当選データを取得"));
    EXPECT_TRUE(asked[0].text.startsWith(QStringLiteral("当選データの取得に使うライブラリ libcurl")))
        << asked[0].text.toStdString();
    EXPECT_TRUE(asked[0].text.contains(QStringLiteral("libcurl4 パッケージをインストール")));
    EXPECT_TRUE(server_->requests().empty());
    EXPECT_EQ(Stored(), before);
    EXPECT_EQ(lastSnapshotDraw(), 7053);

    // The rest of the program goes on: a window opens on the same history.
    ASSERT_TRUE(window->trigger("appearanceFrequency"));
    EXPECT_NE(window->child(QStringLiteral("出現頻度分析")), nullptr);
}

}  // namespace
}  // namespace n3::testing
