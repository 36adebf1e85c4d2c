#pragma once
// The program's help: an index of keywords beside the page of the help
// document "ナンバーズ3ズバリンL.html" that sits beside the program.
#include <QStringList>
#include <QWidget>

class QListWidget;
class QTextBrowser;

namespace n3 {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Loads the document; false (and the window stays empty) when it cannot be read.
    bool openDocument(const QString& path);
    // Selects the keyword in the index and shows its place in the page.
    void showKeyword(const QString& keyword);

    QStringList keywords() const { return keywords_; }
    QString currentKeyword() const;

private:
    QListWidget* index_;
    QTextBrowser* page_;
    QStringList keywords_;
};

inline constexpr const char* kHelpFileName = "ナンバーズ3ズバリンL.html";
inline constexpr const char* kHelpStartKeyword = "ナンバーズ3ズバリンLiteについて";

}  // namespace n3
