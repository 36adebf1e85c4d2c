#pragma once
// 設定(&O): the settings the user may change from the program, today the
// address of 更新元 (the folder of the bank's result files). The address is
// checked before it is kept; 既定に戻す puts the built-in folder back.
#include <QDialog>
#include <string>

class QLineEdit;
class QPushButton;

namespace n3 {

class HistoryCommandHost;

class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    // `source` is the address in use now.
    explicit SettingsDialog(const std::string& source, QWidget* parent = nullptr);

    // The address to keep once accepted: completed and checked.
    const std::string& source() const { return source_; }
    QLineEdit* sourceEdit() const { return sourceEdit_; }
    QPushButton* defaultButton() const { return defaultButton_; }

    void accept() override;

private:
    QLineEdit* sourceEdit_;
    QPushButton* defaultButton_;
    std::string source_;
};

// Shows the dialog over the host's window and keeps what the user chose in
// the settings file (the built-in address as no line of its own).
void EditSettings(HistoryCommandHost& host);

}  // namespace n3
