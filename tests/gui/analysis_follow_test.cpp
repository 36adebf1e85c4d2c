// A history change that arrives while a window's figures are still being
// computed is not lost: the window computes once more when the running work
// is over and ends showing the newest history.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <future>

#include "fake_host.h"
#include "platform/qt/analysis/analysis_window.h"
#include "platform/qt/grid/grid_view.h"
#include "test_history.h"
#include "windows/window_table.h"

using namespace n3;

namespace {

// Opened before the window loads; closed while the test changes the history.
std::promise<void> gOpen;
std::shared_future<void> gGate;

void OpenGate() {
    gOpen = std::promise<void>();
    gGate = gOpen.get_future().share();
    gOpen.set_value();
}

void CloseGate() {
    gOpen = std::promise<void>();
    gGate = gOpen.get_future().share();
}

// Waits at the gate, then writes the newest draw of the history it was given.
WindowContent NewestDrawContent(const WindowInput& input) {
    const std::shared_future<void> gate = gGate;
    gate.wait();
    WindowContent c;
    c.grid().setSize(1, 1);
    c.grid().setNumber(1, 1, input.history.empty() ? 0 : input.history.back().drawNo);
    return c;
}

AnalysisWindowInfo HeldRow() {
    AnalysisWindowInfo row = *FindAnalysisWindow("出現頻度分析");
    row.build = nullptr;
    row.charts = nullptr;
    row.content = &NewestDrawContent;
    return row;
}

std::string Shown(const AnalysisWindow& w) { return w.grid()->gridModel().text(1, 1); }

}  // namespace

TEST(AnalysisFollow, AChangeWhileTheFiguresAreComputedIsComputedAfterThem) {
    n3::testing::FakeHost host(n3::testing::generatedHistory(100));
    const AnalysisWindowInfo row = HeldRow();
    OpenGate();
    AnalysisWindow w(host, row);
    w.load();
    w.show();
    ASSERT_EQ(Shown(w), "100");

    CloseGate();
    host.replaceHistory(n3::testing::generatedHistory(101));
    w.followHistory();
    ASSERT_TRUE(w.computing());
    // The second change comes while the first computation still waits.
    host.replaceHistory(n3::testing::generatedHistory(102));
    w.followHistory();
    QSignalSpy computed(&w, &AnalysisWindow::computed);
    gOpen.set_value();
    ASSERT_TRUE(computed.wait(10000));
    EXPECT_EQ(Shown(w), "102");
    EXPECT_FALSE(w.computing());
    EXPECT_EQ(computed.count(), 1);  // the figures of draw 101 were never announced as current
}

TEST(AnalysisFollow, OneChangeComputesOnce) {
    n3::testing::FakeHost host(n3::testing::generatedHistory(50));
    const AnalysisWindowInfo row = HeldRow();
    OpenGate();
    AnalysisWindow w(host, row);
    w.load();
    w.show();
    host.replaceHistory(n3::testing::generatedHistory(51));
    QSignalSpy computed(&w, &AnalysisWindow::computed);
    w.followHistory();
    ASSERT_TRUE(computed.wait(10000));
    EXPECT_EQ(Shown(w), "51");
    EXPECT_FALSE(w.computing());
}
