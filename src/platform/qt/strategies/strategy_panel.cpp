#include "platform/qt/strategies/strategy_panel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "lab/strategy_rules.h"
#include "platform/qt/common/dialogs.h"
#include "platform/qt/common/qt_util.h"

namespace n3 {

namespace {

constexpr const char* kTitle = "買い方の検証";
constexpr std::size_t kRuleField = 1;  // 買い方: which fields are open follows it

QString ItemText(const Strategy& s) {
    const std::string rule = DescribeRule(s) + "　" + DescribeKind(s);
    return s.name.empty() ? Q(rule) : Q(s.name + "：" + rule);
}

}  // namespace

StrategyPanel::StrategyPanel(StrategyKeeper keeper, QWidget* parent) : QWidget(parent), keeper_(std::move(keeper)) {
    setObjectName(QStringLiteral("strategyPanel"));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("strategyList"));
    list_->setMaximumHeight(96);
    list_->setMinimumWidth(240);

    for (std::size_t i = 0; i < kStrategyFields.size(); ++i) fields_[i] = kStrategyFields[i].make(this);
    auto* form = new QGridLayout;
    for (std::size_t i = 0; i < kStrategyFields.size(); ++i) {
        const StrategyField& f = kStrategyFields[i];
        auto* label = new QLabel(Q(f.label), this);
        QWidget* input =
            fields_[i]->objectName() == Q(f.objectName) ? fields_[i] : fields_[i]->findChild<QWidget*>(Q(f.objectName));
        label->setBuddy(input);
        const int row = int(i) / kStrategyFieldsPerRow, column = int(i) % kStrategyFieldsPerRow * 2;
        form->addWidget(label, row, column);
        form->addWidget(fields_[i], row, column + 1);
    }

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

    connect(static_cast<QComboBox*>(fields_[kRuleField]), &QComboBox::currentIndexChanged, this,
            [this] { enableForRule(); });
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
        saved_ = keeper_.readAll();
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
    // The keeper holds at most its capacity: 追加 stops there.
    const bool full = saved_.size() >= std::size_t(keeper_.capacity);
    add_->setEnabled(!full);
    add_->setToolTip(
        full ? QStringLiteral("買い方は%1件まで保存できます。使わない買い方を削除してください。").arg(keeper_.capacity)
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
    for (std::size_t i = 0; i < kStrategyFields.size(); ++i) kStrategyFields[i].read(fields_[i], s);
    return s;
}

void StrategyPanel::showStrategy(const Strategy& s) {
    for (std::size_t i = 0; i < kStrategyFields.size(); ++i) kStrategyFields[i].show(fields_[i], s);
}

// Only the controls the rule reads are open.
void StrategyPanel::enableForRule() {
    Strategy s;
    kStrategyFields[kRuleField].read(fields_[kRuleField], s);
    for (std::size_t i = 0; i < kStrategyFields.size(); ++i) fields_[i]->setEnabled(kStrategyFields[i].readBy(s.rule));
}

// Says why a strategy cannot be kept; the saved list stays as it was.
bool StrategyPanel::acceptable(const Strategy& s) {
    QString why;
    for (std::size_t i = 0; i < kStrategyFields.size() && why.isEmpty(); ++i)
        if (kStrategyFields[i].refuses) why = kStrategyFields[i].refuses(fields_[i], s);
    if (why.isEmpty()) why = Q(StrategyError(s));
    if (why.isEmpty()) return true;
    dialogs::Message(this, why, Q(kTitle), dialogs::Icon::Warning);
    return false;
}

void StrategyPanel::add() {
    if (saved_.size() >= std::size_t(keeper_.capacity)) return;
    const Strategy s = edited();
    if (!acceptable(s)) return;
    write([this, &s] { return keeper_.add(s); });
}

void StrategyPanel::edit() {
    const int row = list_->currentRow();
    if (row < 0 || row >= int(saved_.size())) return;
    Strategy s = edited();
    s.id = saved_[std::size_t(row)].id;
    if (!acceptable(s)) return;
    write([this, &s] {
        keeper_.update(s);
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
        keeper_.remove(id);
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
