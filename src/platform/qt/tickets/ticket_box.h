#pragma once
// The box a window of the analysis frame may offer above its grid to write a
// ticket into the book: number, kind, "購入記録に追加".
#include <QWidget>

#include "tickets/ticket.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace n3 {

class TicketBox : public QWidget {
    Q_OBJECT
public:
    explicit TicketBox(QWidget* parent = nullptr);

    // The draw a new ticket is for.
    void setDraw(int drawNo) { draw_ = drawNo; }
    // The purchase date of a new ticket (YYYY-MM-DD); empty: the system clock's day.
    void setToday(std::string today) { today_ = std::move(today); }
    int draw() const { return draw_; }
    QLineEdit* numberEdit() const { return number_; }
    QComboBox* kind() const { return kind_; }
    QPushButton* addButton() const { return add_; }

signals:
    // The user confirmed this ticket (today, the draw, the number, the kind, 1口).
    void ticketConfirmed(const n3::Purchase& ticket);
    // The box holds a whole number 000..999 (as typed, before any confirmation).
    void numberTyped(int number);

private:
    void add();

    QLineEdit* number_;
    QComboBox* kind_;
    QPushButton* add_;
    int draw_ = 1;
    std::string today_;
};

}  // namespace n3
