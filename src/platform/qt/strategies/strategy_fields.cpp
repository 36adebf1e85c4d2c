#include "platform/qt/strategies/strategy_fields.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include "lab/strategy_rules.h"
#include "platform/qt/common/qt_util.h"

namespace n3 {

namespace {

QSpinBox* Spin(QWidget* parent, std::string_view name, int low, int high, int value) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(Q(name));
    box->setRange(low, high);
    box->setValue(value);
    return box;
}

int SpinValue(const QWidget* w) { return static_cast<const QSpinBox*>(w)->value(); }
void SetSpin(QWidget* w, int value) { static_cast<QSpinBox*>(w)->setValue(value); }
int ComboIndex(const QWidget* w) { return static_cast<const QComboBox*>(w)->currentIndex(); }
void SetCombo(QWidget* w, int index) { static_cast<QComboBox*>(w)->setCurrentIndex(index); }
QString LineText(const QWidget* w) { return static_cast<const QLineEdit*>(w)->text().trimmed(); }

template <std::size_t N>
QComboBox* Combo(QWidget* parent, std::string_view name, const std::array<std::string_view, N>& captions) {
    auto* box = new QComboBox(parent);
    box->setObjectName(Q(name));
    for (const auto caption : captions) box->addItem(Q(caption));
    return box;
}

bool Always(StrategyRule) { return true; }

// 合計a～b: two boxes side by side; the low one takes the label.
QWidget* MakeSumRange(QWidget* parent) {
    auto* pair = new QWidget(parent);
    auto* row = new QHBoxLayout(pair);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(Spin(pair, "strategySumLow", 0, 27, 13));
    row->addWidget(new QLabel(QStringLiteral("～"), pair));
    row->addWidget(Spin(pair, "strategySumHigh", 0, 27, 14));
    return pair;
}
QSpinBox* SumBox(const QWidget* pair, const char* name) {
    return pair->findChild<QSpinBox*>(QString::fromLatin1(name));
}

}  // namespace

const std::array<StrategyField, 8> kStrategyFields = {{
    {.label = "名前(&A)",
     .objectName = "strategyName",
     .key = "name",
     .make = [](QWidget* parent) -> QWidget* {
         auto* edit = new QLineEdit(parent);
         edit->setObjectName(QStringLiteral("strategyName"));
         edit->setMaxLength(40);
         // Room for a name of ten full-width characters, e.g. 「毎回同じ番号（123）」.
         edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QString(10, QChar(0x3042))) + 12);
         return edit;
     },
     .show = [](QWidget* w, const Strategy& s) { static_cast<QLineEdit*>(w)->setText(Q(s.name)); },
     .read = [](const QWidget* w, Strategy& s) { s.name = ToStd(LineText(w)); },
     .readBy = &Always,
     .refuses = nullptr},
    {.label = "買い方(&U)",
     .objectName = "strategyRule",
     .key = "rule",
     .make = [](QWidget* parent) -> QWidget* { return Combo(parent, "strategyRule", kStrategyRuleCaptions); },
     .show = [](QWidget* w, const Strategy& s) { SetCombo(w, int(s.rule)); },
     .read = [](const QWidget* w, Strategy& s) { s.rule = StrategyRule(ComboIndex(w)); },
     .readBy = &Always,
     .refuses = nullptr},
    {.label = "直近N回",
     .objectName = "strategyN",
     .key = "n",
     .make = [](QWidget* parent) -> QWidget* { return Spin(parent, "strategyN", 1, kStrategyMaxWindow, 100); },
     .show = [](QWidget* w, const Strategy& s) { SetSpin(w, s.n); },
     .read = [](const QWidget* w, Strategy& s) { s.n = SpinValue(w); },
     .readBy = [](StrategyRule r) { return r == StrategyRule::Hot || r == StrategyRule::Cold; },
     .refuses = nullptr},
    {.label = "個数k",
     .objectName = "strategyK",
     .key = "k",
     .make = [](QWidget* parent) -> QWidget* { return Spin(parent, "strategyK", 1, kStrategyMaxNumbers, 10); },
     .show = [](QWidget* w, const Strategy& s) { SetSpin(w, s.k); },
     .read = [](const QWidget* w, Strategy& s) { s.k = SpinValue(w); },
     .readBy =
         [](StrategyRule r) { return r == StrategyRule::Hot || r == StrategyRule::Cold || r == StrategyRule::Overdue; },
     .refuses = nullptr},
    {.label = "番号",
     .objectName = "strategyNumbers",
     .key = "numbers",
     .make = [](QWidget* parent) -> QWidget* {
         auto* edit = new QLineEdit(parent);
         edit->setObjectName(QStringLiteral("strategyNumbers"));
         edit->setPlaceholderText(QStringLiteral("123,456"));
         return edit;
     },
     .show = [](QWidget* w, const Strategy& s) { static_cast<QLineEdit*>(w)->setText(Q(NumberListText(s))); },
     .read = [](const QWidget* w,
                Strategy& s) { s.numbers = ParseNumberList(ToStd(LineText(w))).value_or(std::vector<int>{}); },
     .readBy = [](StrategyRule r) { return r == StrategyRule::Fixed; },
     .refuses =
         [](const QWidget* w, const Strategy& s) {
             if (s.rule != StrategyRule::Fixed || ParseNumberList(ToStd(LineText(w)))) return QString();
             return QStringLiteral("数字は 123,456 のように、000～999 の数字をコンマで区切って入力してください。");
         }},
    {.label = "合計a～b",
     .objectName = "strategySumLow",
     .key = "sum",
     .make = &MakeSumRange,
     .show =
         [](QWidget* w, const Strategy& s) {
             SumBox(w, "strategySumLow")->setValue(s.sumLow);
             SumBox(w, "strategySumHigh")->setValue(s.sumHigh);
         },
     .read =
         [](const QWidget* w, Strategy& s) {
             s.sumLow = SumBox(w, "strategySumLow")->value();
             s.sumHigh = SumBox(w, "strategySumHigh")->value();
         },
     .readBy = [](StrategyRule r) { return r == StrategyRule::Sum; },
     .refuses = nullptr},
    {.label = "種類",
     .objectName = "strategyKind",
     .key = "kind",
     .make = [](QWidget* parent) -> QWidget* { return Combo(parent, "strategyKind", kTicketKindCaptions); },
     .show = [](QWidget* w, const Strategy& s) { SetCombo(w, int(s.kind)); },
     .read = [](const QWidget* w, Strategy& s) { s.kind = TicketKind(ComboIndex(w)); },
     .readBy = &Always,
     .refuses = nullptr},
    {.label = "口数",
     .objectName = "strategyUnits",
     .key = "units",
     .make = [](QWidget* parent) -> QWidget* { return Spin(parent, "strategyUnits", 1, kStrategyMaxUnits, 1); },
     .show = [](QWidget* w, const Strategy& s) { SetSpin(w, s.units); },
     .read = [](const QWidget* w, Strategy& s) { s.units = SpinValue(w); },
     .readBy = &Always,
     .refuses = nullptr},
}};

}  // namespace n3
