#include "platform/qt/tickets/ticket_box.h"

#include <QComboBox>
#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "analysis/number_lookup.h"
#include "platform/qt/common/dialogs.h"
#include "platform/qt/common/qt_util.h"

namespace n3 {

namespace {

const QString kTitle = QStringLiteral("メッセ－ジ");

}  // namespace

TicketBox::TicketBox(QWidget* parent) : QWidget(parent) {
    number_ = new QLineEdit(this);
    number_->setObjectName(QStringLiteral("ticketNumber"));
    number_->setMaxLength(12);
    number_->setMaximumWidth(90);
    number_->setPlaceholderText(QStringLiteral("例 123"));
    kind_ = new QComboBox(this);
    kind_->setObjectName(QStringLiteral("ticketKind"));
    for (std::string_view name : kTicketKindCaptions) kind_->addItem(Q(name));
    add_ = new QPushButton(QStringLiteral("購入記録に追加"), this);
    add_->setObjectName(QStringLiteral("addTicket"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("番号："), this));
    layout->addWidget(number_);
    layout->addWidget(kind_);
    layout->addWidget(add_);
    connect(add_, &QPushButton::clicked, this, &TicketBox::add);
    connect(number_, &QLineEdit::returnPressed, this, &TicketBox::add);
    connect(number_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (const std::optional<int> number = ParseNumberText(ToStd(text))) emit numberTyped(*number);
    });
}

void TicketBox::add() {
    const auto type = TicketKind(std::clamp(kind_->currentIndex(), 0, kTicketKindCount - 1));
    const std::string typed = ToStd(number_->text());
    const std::optional<int> number = type == TicketKind::Mini ? ParseMiniText(typed) : ParseNumberText(typed);
    Purchase ticket;
    ticket.購入日 = today_.empty() ? ToStd(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))) : today_;
    ticket.最初の回数 = draw_;
    ticket.種類 = type;
    ticket.口数 = 1;
    if (!number) {
        dialogs::Message(this,
                         type == TicketKind::Mini ? QStringLiteral("ミニの番号は 00～99 の2桁の数字で入れてください。")
                                                  : QStringLiteral("番号は 000～999 の3桁の数字で入れてください。"),
                         kTitle, dialogs::Icon::Warning);
        return;
    }
    ticket.番号 = type == TicketKind::Mini ? NumberText(*number).substr(1) : NumberText(*number);
    if (const std::string error = PurchaseError(ticket); !error.empty()) {
        dialogs::Message(this, Q(error), kTitle, dialogs::Icon::Warning);
        return;
    }
    number_->setText(Q(ticket.番号));
    const QString question = QStringLiteral("第%1回　%2　%3　1口（200円）を購入記録に追加します。よろしいですか？")
                                 .arg(ticket.最初の回数)
                                 .arg(Q(ticket.番号), Q(TicketKindCaption(type)));
    if (dialogs::Message(this, question, QStringLiteral("購入記録に追加"), dialogs::Icon::Question,
                         dialogs::Buttons::YesNoDefaultYes) != dialogs::Result::Yes)
        return;
    emit ticketConfirmed(ticket);
}

}  // namespace n3
