#pragma once
// The program's help: an index of keywords beside the page of the help
// document "ナンバーズ3ズバリンL.html" that sits beside the program.
#include <QStringList>
#include <QWidget>
#include <memory>

#include "platform/qt/common/keep_user_window.h"

class QListWidget;
class QTextBrowser;

namespace n3 {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    ~HelpWindow() override;

    // Loads the document; false (and the window stays empty) when it cannot be read.
    bool openDocument(const QString& path);
    // Selects the keyword in the index and shows its place in the page.
    void showKeyword(const QString& keyword);

    // The window the user is in (a child of `mainWindow`, the widget with the
    // keyboard) is active and has the keyboard again once the help closes.
    void holdUserWindow(QWidget* mainWindow);

    QStringList keywords() const { return keywords_; }
    // The page as shown, as plain text.
    QString pageText() const;
    QString currentKeyword() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::unique_ptr<KeepUserWindow> userWindow_;
    QListWidget* index_;
    QTextBrowser* page_;
    QStringList keywords_;
};

inline constexpr const char* kHelpFileName = "ナンバーズ3ズバリンL.html";
inline constexpr const char* kHelpStartKeyword = "ナンバーズ3ズバリンLiteについて";

}  // namespace n3
