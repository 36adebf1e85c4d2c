#include "platform/qt/charts/chart_view.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCursor>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <QXYSeries>
#include <cmath>

#include "platform/qt/charts/chart_render.h"
#include "platform/qt/common/dialogs.h"
#include "platform/qt/common/qt_util.h"

namespace n3 {

namespace {

void ShowTip(const QObject* source, int index, bool on) {
    const QStringList tips = source->property("tips").toStringList();
    if (on && index >= 0 && index < tips.size() && !tips[index].isEmpty())
        QToolTip::showText(QCursor::pos(), tips[index]);
    else
        QToolTip::hideText();
}

}  // namespace

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
    chooser_ = new QComboBox(this);
    chooser_->setObjectName(QStringLiteral("chartChooser"));
    view_ = new QChartView(this);
    view_->setObjectName(QStringLiteral("chartView"));
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setMouseTracking(true);
    save_ = new QPushButton(QStringLiteral("PNG保存"), this);
    save_->setObjectName(QStringLiteral("savePng"));

    auto* bar = new QHBoxLayout;
    bar->addWidget(chooser_, 1);
    bar->addStretch();
    bar->addWidget(save_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(bar);
    layout->addWidget(view_, 1);

    connect(chooser_, &QComboBox::currentIndexChanged, this, [this](int i) { showChart(i); });
    connect(save_, &QPushButton::clicked, this, [this] { askAndSave(); });
}

void ChartView::setCharts(std::vector<ChartData> charts) {
    charts_ = std::move(charts);
    const int keep = current_;
    current_ = -1;
    {
        const QSignalBlocker block(chooser_);
        chooser_->clear();
        for (const ChartData& c : charts_) chooser_->addItem(Q(c.title));
    }
    chooser_->setVisible(charts_.size() > 1);
    save_->setEnabled(!charts_.empty());
    const int index = keep >= 0 && keep < int(charts_.size()) ? keep : 0;
    if (laidOutWhenShown_ && !isVisible() && index < int(charts_.size())) {
        current_ = index;
        const QSignalBlocker block(chooser_);
        chooser_->setCurrentIndex(index);
        pending_ = true;
        return;
    }
    showChart(index);
}

void ChartView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    layOutPending();
}

void ChartView::layOutPending() {
    if (pending_) showChart(current_);
}

void ChartView::showChart(int index) {
    if (index < 0 || index >= int(charts_.size())) return;
    current_ = index;
    pending_ = false;
    if (chooser_->currentIndex() != index) {
        const QSignalBlocker block(chooser_);
        chooser_->setCurrentIndex(index);
    }
    QChart* old = view_->chart();
    view_->setChart(MakeQChart(charts_[std::size_t(index)]));
    delete old;
    connectTips();
}

void ChartView::connectTips() {
    for (QAbstractSeries* series : view_->chart()->series()) {
        if (auto* bars = qobject_cast<QBarSeries*>(series)) {
            for (QBarSet* set : bars->barSets())
                connect(set, &QBarSet::hovered, this, [set](bool on, int index) { ShowTip(set, index, on); });
        } else if (auto* xy = qobject_cast<QXYSeries*>(series)) {
            connect(xy, &QXYSeries::hovered, this, [xy](const QPointF& point, bool on) {
                int nearest = -1;
                double best = 0;
                const QList<QPointF> points = xy->points();
                for (int i = 0; i < points.size(); ++i) {
                    const double d = std::fabs(points[i].x() - point.x());
                    if (nearest < 0 || d < best) nearest = i, best = d;
                }
                ShowTip(xy, nearest, on);
            });
        }
    }
}

bool ChartView::savePng(const QString& path) {
    if (current_ < 0) return false;
    layOutPending();
    return view_->grab().save(path, "PNG");
}

void ChartView::askAndSave() {
    if (current_ < 0) return;
    const QString title = Q(charts_[std::size_t(current_)].title);
    const QString path = dialogs::ChooseFile(
        this, {true, QStringLiteral("PNG保存"), QStringLiteral("PNG画像 (*.png)"), title + QStringLiteral(".png")});
    if (path.isEmpty()) return;
    if (!savePng(path))
        dialogs::Message(this, QStringLiteral("グラフを保存できませんでした。\n") + path, QStringLiteral("メッセ－ジ"),
                         dialogs::Icon::Critical);
}

}  // namespace n3
