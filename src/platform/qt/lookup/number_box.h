#pragma once
// The box a window of the analysis frame may offer above its grid to look a
// number up (000..999, full-width digits accepted).
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace n3 {

class NumberBox : public QWidget {
    Q_OBJECT
public:
    explicit NumberBox(QWidget* parent = nullptr);

    QLineEdit* edit() const { return edit_; }
    QPushButton* lookupButton() const { return lookup_; }
    QLabel* message() const { return message_; }
    // Writes `text` into the box and reads it as if typed and entered.
    void choose(const QString& text);
    // Reads the box: numberChosen, or a message beside it.
    void submit();

signals:
    void numberChosen(int number);

private:
    QLineEdit* edit_;
    QPushButton* lookup_;
    QLabel* message_;
};

}  // namespace n3
