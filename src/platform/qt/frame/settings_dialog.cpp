#include "platform/qt/frame/settings_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "io/draw_update_index.h"
#include "platform/qt/common/dialogs.h"
#include "platform/qt/common/keep_user_window.h"
#include "platform/qt/common/qt_util.h"
#include "platform/qt/frame/history_commands.h"
#include "settings/update_settings.h"

namespace n3 {

SettingsDialog::SettingsDialog(const std::string& source, QWidget* parent) : QDialog(parent), source_(source) {
    setWindowTitle(QStringLiteral("設定"));
    setObjectName(QStringLiteral("SettingsDialog"));

    auto* label = new QLabel(QStringLiteral("更新元(&S):"), this);
    sourceEdit_ = new QLineEdit(Q(source), this);
    sourceEdit_->setObjectName(QStringLiteral("source"));
    sourceEdit_->setMinimumWidth(460);
    label->setBuddy(sourceEdit_);
    defaultButton_ = new QPushButton(QStringLiteral("既定に戻す(&D)"), this);
    defaultButton_->setObjectName(QStringLiteral("defaultSource"));
    defaultButton_->setAutoDefault(false);
    auto* note = new QLabel(QStringLiteral("「最新の当選データを取得」で当選結果ファイルを読むフォルダのアドレスです"
                                           "（https:// で始めます。最後の / は省略できます）。"),
                            this);
    note->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setObjectName(QStringLiteral("ok"));
    buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cancel"));

    auto* grid = new QGridLayout;
    grid->addWidget(label, 0, 0);
    grid->addWidget(sourceEdit_, 0, 1);
    grid->addWidget(defaultButton_, 0, 2);
    grid->addWidget(note, 1, 1, 1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addWidget(buttons);

    connect(defaultButton_, &QPushButton::clicked, this, [this] {
        sourceEdit_->setText(Q(kDefaultUpdateSource));
        sourceEdit_->setFocus();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &SettingsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SettingsDialog::reject);
}

void SettingsDialog::accept() {
    const std::string typed = ToStd(sourceEdit_->text());
    // An empty field is the built-in address.
    const std::string completed =
        CompleteUpdateSource(typed).empty() ? std::string(kDefaultUpdateSource) : CompleteUpdateSource(typed);
    if (const auto bad = CheckUpdateSource(completed)) {
        dialogs::Message(this, Q(*bad + "。"), QStringLiteral("設定"), dialogs::Icon::Critical);
        sourceEdit_->setFocus();
        sourceEdit_->selectAll();
        return;  // the dialog stays, with what was typed
    }
    source_ = completed;
    sourceEdit_->setText(Q(completed));
    QDialog::accept();
}

void EditSettings(HistoryCommandHost& host) {
    OtherSettings current;
    current[std::string(kUpdateSourceKey)] = host.setting(kUpdateSourceKey);
    const KeepUserWindow keep(host.dialogParent());
    SettingsDialog dialog(UpdateSettingsFrom(current).source, host.dialogParent());
    if (dialog.exec() != QDialog::Accepted) return;
    host.setSetting(kUpdateSourceKey, dialog.source() == kDefaultUpdateSource ? std::string() : dialog.source());
}

}  // namespace n3
