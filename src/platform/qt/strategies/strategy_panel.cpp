#include "platform/qt/strategies/strategy_panel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "lab/strategy_rules.h"
#include "platform/qt/common/dialogs.h"
#include "platform/qt/common/qt_util.h"
#include "platform/store/database.h"

namespace n3 {

namespace {

constexpr const char* kTitle = "買い方の検証";

QSpinBox* Spin(QWidget* parent, const char* name, int low, int high, int value) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(low, high);
    box->setValue(value);
    return box;
}

QString ItemText(const Strategy& s) {
    const std::string rule = DescribeRule(s) + "　" + DescribeKind(s);
    return s.name.empty() ? Q(rule) : Q(s.name + "：" + rule);
}

}  // namespace

StrategyPanel::StrategyPanel(Database& database, QWidget* parent) : QWidget(parent), database_(database) {
    setObjectName(QStringLiteral("strategyPanel"));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("strategyList"));
    list_->setMaximumHeight(96);
    list_->setMinimumWidth(240);

    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("strategyName"));
    name_->setMaxLength(40);
    // Room for a name of ten full-width characters, e.g. 「毎回同じ番号（123）」.
    name_->setMinimumWidth(name_->fontMetrics().horizontalAdvance(QString(10, QChar(0x3042))) + 12);
    rule_ = new QComboBox(this);
    rule_->setObjectName(QStringLiteral("strategyRule"));
    for (const auto caption : kStrategyRuleCaptions) rule_->addItem(Q(caption));
    n_ = Spin(this, "strategyN", 1, kStrategyMaxWindow, 100);
    k_ = Spin(this, "strategyK", 1, kStrategyMaxNumbers, 10);
    numbers_ = new QLineEdit(this);
    numbers_->setObjectName(QStringLiteral("strategyNumbers"));
    numbers_->setPlaceholderText(QStringLiteral("123,456"));
    sumLow_ = Spin(this, "strategySumLow", 0, 27, 13);
    sumHigh_ = Spin(this, "strategySumHigh", 0, 27, 14);
    kind_ = new QComboBox(this);
    kind_->setObjectName(QStringLiteral("strategyKind"));
    for (const auto caption : kTicketKindCaptions) kind_->addItem(Q(caption));
    units_ = Spin(this, "strategyUnits", 1, kStrategyMaxUnits, 1);

    auto* form = new QGridLayout;
    const auto label = [this](const char* text, QWidget* buddy) {
        auto* l = new QLabel(QString::fromUtf8(text), this);
        l->setBuddy(buddy);
        return l;
    };
    form->addWidget(label("名前(&A)", name_), 0, 0);
    form->addWidget(name_, 0, 1);
    form->addWidget(label("買い方(&U)", rule_), 0, 2);
    form->addWidget(rule_, 0, 3);
    form->addWidget(label("直近N回", n_), 0, 4);
    form->addWidget(n_, 0, 5);
    form->addWidget(label("個数k", k_), 0, 6);
    form->addWidget(k_, 0, 7);
    form->addWidget(label("番号", numbers_), 1, 0);
    form->addWidget(numbers_, 1, 1);
    auto* sums = new QHBoxLayout;
    sums->addWidget(sumLow_);
    sums->addWidget(new QLabel(QStringLiteral("～"), this));
    sums->addWidget(sumHigh_);
    form->addWidget(label("合計a～b", sumLow_), 1, 2);
    form->addLayout(sums, 1, 3);
    form->addWidget(label("種類", kind_), 1, 4);
    form->addWidget(kind_, 1, 5);
    form->addWidget(label("口数", units_), 1, 6);
    form->addWidget(units_, 1, 7);

    add_ = new QPushButton(QStringLiteral("追加"), this);
    add_->setObjectName(QStringLiteral("addStrategy"));
    edit_ = new QPushButton(QStringLiteral("編集"), this);
    edit_->setObjectName(QStringLiteral("editStrategy"));
    remove_ = new QPushButton(QStringLiteral("削除"), this);
    remove_->setObjectName(QStringLiteral("removeStrategy"));
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(add_);
    buttons->addWidget(edit_);
    buttons->addWidget(remove_);
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_, 2);
    layout->addLayout(form, 3);
    layout->addLayout(buttons);

    connect(rule_, &QComboBox::currentIndexChanged, this, [this] { enableForRule(); });
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row < int(saved_.size())) showStrategy(saved_[std::size_t(row)]);
        edit_->setEnabled(row >= 0);
        remove_->setEnabled(row >= 0);
    });
    connect(list_, &QListWidget::itemChanged, this, [this] {
        if (saveChecks_) saveChecks_(untickedIds());
        emit changed();
    });
    connect(add_, &QPushButton::clicked, this, [this] { add(); });
    connect(edit_, &QPushButton::clicked, this, [this] { edit(); });
    connect(remove_, &QPushButton::clicked, this, [this] { remove(); });
    enableForRule();
    reload(0);
}

void StrategyPanel::reload(std::int64_t selectId) {
    // The check marks stay with their strategies across a reload.
    std::vector<std::int64_t> unchecked;
    for (int i = 0; i < list_->count() && i < int(saved_.size()); ++i)
        if (list_->item(i)->checkState() != Qt::Checked) unchecked.push_back(saved_[std::size_t(i)].id);
    try {
        saved_ = database_.strategies().ReadAll();
    } catch (const std::exception& e) {
        dialogs::Message(this, Q(e.what()), Q(kTitle), dialogs::Icon::Critical);
    }
    const QSignalBlocker block(list_);
    list_->clear();
    int select = -1;
    for (std::size_t i = 0; i < saved_.size(); ++i) {
        auto* item = new QListWidgetItem(ItemText(saved_[i]), list_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        const bool off = std::find(unchecked.begin(), unchecked.end(), saved_[i].id) != unchecked.end();
        item->setCheckState(off ? Qt::Unchecked : Qt::Checked);
        if (saved_[i].id == selectId) select = int(i);
    }
    list_->setCurrentRow(select);
    edit_->setEnabled(select >= 0);
    remove_->setEnabled(select >= 0);
    // The table keeps at most kMaxStrategies: 追加 stops there.
    const bool full = saved_.size() >= std::size_t(kMaxStrategies);
    add_->setEnabled(!full);
    add_->setToolTip(
        full ? QStringLiteral("買い方は%1件まで保存できます。使わない買い方を削除してください。").arg(kMaxStrategies)
             : QString());
    if (saveChecks_) saveChecks_(untickedIds());  // a deleted strategy leaves the line
}

std::string StrategyPanel::untickedIds() const {
    std::string ids;
    for (int i = 0; i < list_->count() && i < int(saved_.size()); ++i)
        if (list_->item(i)->checkState() != Qt::Checked)
            ids += (ids.empty() ? "" : ",") + std::to_string(saved_[std::size_t(i)].id);
    return ids;
}

void StrategyPanel::keepChecks(const std::string& unticked, std::function<void(const std::string&)> save) {
    std::vector<std::int64_t> off;
    for (const QString& id : Q(unticked).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const qlonglong value = id.trimmed().toLongLong(&ok);
        if (ok) off.push_back(value);  // anything else in the line is not an id: passed over
    }
    {
        const QSignalBlocker block(list_);
        for (int i = 0; i < list_->count() && i < int(saved_.size()); ++i) {
            const bool isOff = std::find(off.begin(), off.end(), saved_[std::size_t(i)].id) != off.end();
            list_->item(i)->setCheckState(isOff ? Qt::Unchecked : Qt::Checked);
        }
    }
    saveChecks_ = std::move(save);
}

std::vector<Strategy> StrategyPanel::chosen() const {
    std::vector<Strategy> out;
    for (int i = 0; i < list_->count() && i < int(saved_.size()); ++i)
        if (list_->item(i)->checkState() == Qt::Checked) out.push_back(saved_[std::size_t(i)]);
    return out;
}

Strategy StrategyPanel::edited() const {
    Strategy s;
    s.name = ToStd(name_->text().trimmed());
    s.rule = StrategyRule(rule_->currentIndex());
    s.n = n_->value();
    s.k = k_->value();
    s.numbers = ParseNumberList(ToStd(numbers_->text().trimmed())).value_or(std::vector<int>{});
    s.sumLow = sumLow_->value();
    s.sumHigh = sumHigh_->value();
    s.kind = TicketKind(kind_->currentIndex());
    s.units = units_->value();
    return s;
}

void StrategyPanel::showStrategy(const Strategy& s) {
    name_->setText(Q(s.name));
    rule_->setCurrentIndex(int(s.rule));
    n_->setValue(s.n);
    k_->setValue(s.k);
    numbers_->setText(Q(NumberListText(s)));
    sumLow_->setValue(s.sumLow);
    sumHigh_->setValue(s.sumHigh);
    kind_->setCurrentIndex(int(s.kind));
    units_->setValue(s.units);
}

// Only the controls the rule reads are open.
void StrategyPanel::enableForRule() {
    const auto rule = StrategyRule(rule_->currentIndex());
    n_->setEnabled(rule == StrategyRule::Hot || rule == StrategyRule::Cold);
    k_->setEnabled(rule == StrategyRule::Hot || rule == StrategyRule::Cold || rule == StrategyRule::Overdue);
    numbers_->setEnabled(rule == StrategyRule::Fixed);
    sumLow_->setEnabled(rule == StrategyRule::Sum);
    sumHigh_->setEnabled(rule == StrategyRule::Sum);
}

// Says why a strategy cannot be kept; the saved list stays as it was.
bool StrategyPanel::acceptable(const Strategy& s) {
    std::string why;
    if (s.rule == StrategyRule::Fixed && !ParseNumberList(ToStd(numbers_->text().trimmed())))
        why = "数字は 123,456 のように、000～999 の数字をコンマで区切って入力してください。";
    else
        why = StrategyError(s);
    if (why.empty()) return true;
    dialogs::Message(this, Q(why), Q(kTitle), dialogs::Icon::Warning);
    return false;
}

void StrategyPanel::add() {
    if (saved_.size() >= std::size_t(kMaxStrategies)) return;
    const Strategy s = edited();
    if (!acceptable(s)) return;
    write([this, &s] { return database_.strategies().Add(s); });
}

void StrategyPanel::edit() {
    const int row = list_->currentRow();
    if (row < 0 || row >= int(saved_.size())) return;
    Strategy s = edited();
    s.id = saved_[std::size_t(row)].id;
    if (!acceptable(s)) return;
    write([this, &s] {
        database_.strategies().Update(s);
        return s.id;
    });
}

void StrategyPanel::remove() {
    const int row = list_->currentRow();
    if (row < 0 || row >= int(saved_.size())) return;
    const Strategy& s = saved_[std::size_t(row)];
    if (dialogs::Message(this, QStringLiteral("「") + ItemText(s) + QStringLiteral("」を削除しますか？"), Q(kTitle),
                         dialogs::Icon::Question, dialogs::Buttons::YesNo) != dialogs::Result::Yes)
        return;
    const std::int64_t id = s.id;
    write([this, id] {
        database_.strategies().Remove(id);
        return std::int64_t{0};
    });
}

void StrategyPanel::write(const std::function<std::int64_t()>& store) {
    try {
        reload(store());
    } catch (const std::exception& e) {
        dialogs::Message(this, Q(e.what()), Q(kTitle), dialogs::Icon::Critical);
        return;
    }
    emit changed();
}

}  // namespace n3
