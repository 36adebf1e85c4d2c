#include "platform/qt/lookup/number_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "analysis/number_lookup.h"
#include "platform/qt/common/qt_util.h"

namespace n3 {

namespace {

std::string Utf8(const QString& text) { return text.toUtf8().toStdString(); }

}  // namespace

NumberBox::NumberBox(QWidget* parent) : QWidget(parent) {
    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("numberBox"));
    edit_->setMaxLength(12);
    edit_->setPlaceholderText(QStringLiteral("例 123"));
    edit_->setMaximumWidth(90);
    lookup_ = new QPushButton(QStringLiteral("調べる"), this);
    lookup_->setObjectName(QStringLiteral("lookupButton"));
    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("numberMessage"));
    message_->setStyleSheet(QStringLiteral("color: #c00000"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("番号："), this));
    layout->addWidget(edit_);
    layout->addWidget(lookup_);
    layout->addWidget(message_);
    connect(edit_, &QLineEdit::returnPressed, this, &NumberBox::submit);
    connect(lookup_, &QPushButton::clicked, this, &NumberBox::submit);
}

void NumberBox::choose(const QString& text) {
    edit_->setText(text);
    submit();
}

void NumberBox::submit() {
    const std::optional<int> number = ParseNumberText(Utf8(edit_->text()));
    if (!number) {
        message_->setText(QStringLiteral("000～999 の3桁の数字を入れてください。"));
        return;
    }
    message_->clear();
    edit_->setText(Q(NumberText(*number)));
    emit numberChosen(*number);
}

}  // namespace n3
