// Printed charts equal the charts on screen: every window with a グラフ tab
// is printed to PDF from that tab, and the text of each chart page
// (pdftotext) holds every axis label, axis title and legend entry the
// screen chart has, none of them cut to "…". The value axis starts at 0
// and the chance band spans the plot.
#include <gtest/gtest.h>

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLegendMarker>
#include <QLineSeries>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QValueAxis>

#include "fake_host.h"
#include "platform/qt/analysis/analysis_window.h"
#include "platform/qt/charts/chart_render.h"
#include "platform/qt/charts/chart_view.h"
#include "platform/qt/print/print_preview.h"
#include "stats/chance_charts.h"
#include "test_history.h"
#include "windows/window_table.h"

using namespace n3;

namespace {

// The texts a chart on screen shows: its title, the axis titles, the labels
// of every axis (categories, or the ticks of a value axis in its format)
// and the names in its legend.
QStringList ScreenTexts(QChart* chart) {
    QStringList texts{chart->title()};
    for (QAbstractAxis* axis : chart->axes()) {
        texts << axis->titleText();
        if (auto* categories = qobject_cast<QBarCategoryAxis*>(axis)) texts << categories->categories();
        if (auto* values = qobject_cast<QValueAxis*>(axis)) {
            const int ticks = values->tickCount();
            for (int i = 0; i < ticks; ++i) {
                const double v = values->min() + i * (values->max() - values->min()) / (ticks - 1);
                texts << QString::asprintf(values->labelFormat().toLatin1().constData(), v);
            }
        }
    }
    for (QLegendMarker* marker : chart->legend()->markers())
        if (marker->isVisible()) texts << marker->label();
    texts.removeAll(QString());
    return texts;
}

QString PageText(const QString& pdf, int page) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page),
                                          QStringLiteral("-l"), QString::number(page), pdf, QStringLiteral("-")});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// True when `label` stands in the page: a number as a word of its own, any
// other text anywhere once spaces are left out.
bool OnPage(const QString& page, const QString& label) {
    bool number = false;
    label.toDouble(&number);
    if (number) return page.split(QRegularExpression(QStringLiteral("\\s+"))).contains(label);
    QString squeezed = page;
    squeezed.remove(QRegularExpression(QStringLiteral("\\s+")));
    QString wanted = label;
    wanted.remove(QRegularExpression(QStringLiteral("\\s+")));
    return squeezed.contains(wanted);
}

std::vector<std::string> WindowsWithCharts() {
    std::vector<std::string> names;
    for (const AnalysisWindowInfo& info : AnalysisWindowTable()) {
        if (info.usesStrategies) continue;  // its charts need the player's saved strategies
        const DrawHistory h = n3::testing::generatedHistory(300, 11);
        const StartupStatistics stats = LoadStartupStatistics(h);
        const ResultHistory results;
        if (!BuildWindowContent(info, WindowInput{h, stats, results, {}, {}, std::nullopt}).charts().empty())
            names.emplace_back(info.className);
    }
    return names;
}

class ChartOnPaper : public ::testing::TestWithParam<std::string> {};

}  // namespace

TEST_P(ChartOnPaper, EveryLabelAndLegendEntryOfTheScreenIsOnThePage) {
    n3::testing::FakeHost host(n3::testing::generatedHistory(300, 11));
    host.yieldRunsEvents = false;
    const AnalysisWindowInfo* info = FindAnalysisWindow(GetParam());
    ASSERT_NE(info, nullptr);
    AnalysisWindow window(host, *info);
    window.load();
    window.resize(1000, 700);
    window.show();
    ASSERT_NE(window.views(), nullptr);
    QTabBar* tabs = window.views()->tabBar();
    const int chartTab = window.views()->indexOf(window.chartView());
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(chartTab).center());
    ASSERT_EQ(window.views()->currentWidget(), window.chartView());

    // What the screen shows of each chart, going through the chooser.
    const int count = int(window.chartView()->charts().size());
    std::vector<QStringList> screen;
    for (int i = 0; i < count; ++i) {
        if (i > 0) QTest::keyClick(window.chartView()->chooser(), Qt::Key_Down);
        ASSERT_EQ(window.chartView()->currentIndex(), i);
        screen.push_back(ScreenTexts(window.chartView()->chartView()->chart()));
    }

    // 印刷 from the グラフ tab prints the charts, a page each.
    // (A window without the button prints through the main menu's 印刷, which
    // takes the same document.)
    std::vector<PrintDocument> previewed;
    SetPrintPreviewResponder([&](const PrintDocument& doc) { previewed.push_back(doc); });
    if (window.printButton())
        QTest::mouseClick(window.printButton(), Qt::LeftButton);
    else
        OpenPrintPreview(&window, *window.printDocument());
    SetPrintPreviewResponder({});
    ASSERT_EQ(previewed.size(), 1u);
    for (const PrintItem& item : previewed[0].items) EXPECT_NE(item.kind, PrintItem::Kind::Grid);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("charts.pdf"));
    int pages = 0;
    ASSERT_EQ(PrintToPdf(previewed[0], pdf, false, {}, &pages), PrintOutcome::Printed);
    ASSERT_EQ(pages, count);

    for (int i = 0; i < count; ++i) {
        const QString page = PageText(pdf, i + 1);
        EXPECT_FALSE(page.contains(QChar(0x2026)) || page.contains(QStringLiteral("...")))
            << "a label cut short on page " << i + 1;
        for (const QString& label : screen[std::size_t(i)])
            EXPECT_TRUE(OnPage(page, label))
                << GetParam() << " chart " << i << ": 「" << label.toStdString() << "」 missing from\n"
                << page.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(EveryChartWindow, ChartOnPaper, ::testing::ValuesIn(WindowsWithCharts()),
                         [](const auto& param) { return "w" + std::to_string(param.index); });

// Counts close to their expectation still stand on an axis from 0: a bar
// half as tall is half as many. The band of chance spans the whole plot.
TEST(ChartAxes, CountsStartAtZeroAndTheBandSpansThePlot) {
    const std::array<int, 10> counts = {2010, 2100, 2150, 2050, 2080, 2010, 2120, 2140, 2060, 2220};
    const ChartData data = DigitCountChart("数字の出現回数", counts, 21000);
    std::unique_ptr<QChart> chart(MakeQChart(data));
    QValueAxis* values = nullptr;
    for (QAbstractAxis* axis : chart->axes(Qt::Vertical)) values = qobject_cast<QValueAxis*>(axis);
    ASSERT_NE(values, nullptr);
    EXPECT_EQ(values->min(), 0);
    EXPECT_GE(values->max(), 2220);
    bool band = false;
    for (QAbstractSeries* series : chart->series()) {
        auto* area = qobject_cast<QAreaSeries*>(series);
        if (!area) continue;
        band = true;
        const QList<QPointF> upper = area->upperSeries()->points();
        ASSERT_FALSE(upper.isEmpty());
        EXPECT_EQ(upper.front().x(), -0.5);  // the left edge of the slot of digit 0
        EXPECT_EQ(upper.back().x(), 9.5);    // the right edge of the slot of digit 9
    }
    EXPECT_TRUE(band);

    // A chart may ask for an axis that starts near its values.
    ChartData near = data;
    near.valueAxisFromZero = false;
    std::unique_ptr<QChart> close(MakeQChart(near));
    for (QAbstractAxis* axis : close->axes(Qt::Vertical)) EXPECT_GT(qobject_cast<QValueAxis*>(axis)->min(), 0);
}
