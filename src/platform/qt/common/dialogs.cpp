#include "platform/qt/common/dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "platform/qt/common/keep_user_window.h"

namespace n3::dialogs {

namespace {
MessageResponder& messageResponder() {
    static MessageResponder r;
    return r;
}
FileResponder& fileResponder() {
    static FileResponder r;
    return r;
}
}  // namespace

void SetMessageResponder(MessageResponder responder) { messageResponder() = std::move(responder); }
void SetFileResponder(FileResponder responder) { fileResponder() = std::move(responder); }

Result Message(QWidget* parent, const QString& text, const QString& title, Icon icon, Buttons buttons) {
    // The window the user was in is theirs again once the box goes, however
    // it was answered.
    const KeepUserWindow keep(parent);
    if (messageResponder()) return messageResponder()({text, title, icon, buttons});

    QMessageBox box(parent);
    box.setText(text);
    box.setWindowTitle(title);
    switch (icon) {
    case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    }
    if (buttons == Buttons::YesNo || buttons == Buttons::YesNoDefaultYes) {
        QPushButton* yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
        box.setDefaultButton(buttons == Buttons::YesNoDefaultYes ? yes : no);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? Result::Yes : Result::No;
    }
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
    return Result::Ok;
}

QString ChooseFile(QWidget* parent, const FileRequest& request) {
    const KeepUserWindow keep(parent);
    if (fileResponder()) return fileResponder()(request);
    if (request.save)
        return QFileDialog::getSaveFileName(parent, request.caption, request.suggestedName, request.filter);
    return QFileDialog::getOpenFileName(parent, request.caption, request.suggestedName, request.filter);
}

}  // namespace n3::dialogs
