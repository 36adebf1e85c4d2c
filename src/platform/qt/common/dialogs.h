#pragma once
// Every modal dialog of the program goes through here, so that tests can
// answer them: install a responder and no real dialog is shown.
#include <QString>
#include <functional>

class QWidget;

namespace n3::dialogs {

enum class Icon { Critical, Warning, Information, Question };
// YesNo has No as the default button, YesNoDefaultYes has Yes.
enum class Buttons { Ok, YesNo, YesNoDefaultYes };
enum class Result { Ok, Yes, No, Cancel };

struct MessageRequest {
    QString text;
    QString title;
    Icon icon;
    Buttons buttons;
};

// A modal message box. Errors use the title "メッセ－ジ" and Icon::Critical.
Result Message(QWidget* parent, const QString& text, const QString& title, Icon icon, Buttons buttons = Buttons::Ok);

struct FileRequest {
    bool save;  // save dialog, else open dialog
    QString caption;
    QString filter;
    QString suggestedName;
};

// A file dialog; returns an empty string when the user cancels.
QString ChooseFile(QWidget* parent, const FileRequest& request);

// Test hooks: while set, no dialog is shown and the responder answers.
using MessageResponder = std::function<Result(const MessageRequest&)>;
using FileResponder = std::function<QString(const FileRequest&)>;
void SetMessageResponder(MessageResponder responder);
void SetFileResponder(FileResponder responder);

}  // namespace n3::dialogs
