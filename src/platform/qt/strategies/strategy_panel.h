#pragma once
// The strategies of 買い方の検証: the saved list with a check box for each
// one to test, the plain controls that make a strategy (name, rule, N, k,
// numbers, a-b, kind, units) and the buttons 追加, 編集 and 削除. Choosing
// a strategy in the list brings it into the controls; 追加 saves the
// controls as a new strategy, 編集 rewrites the chosen one, 削除 removes it.
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "core/strategy.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace n3 {

class Database;

class StrategyPanel : public QWidget {
    Q_OBJECT
public:
    StrategyPanel(Database& database, QWidget* parent = nullptr);

    // The checked strategies, in list order.
    std::vector<Strategy> chosen() const;
    // The strategies left unticked last time ("3,7": their ids; a new one is
    // ticked), and where to keep them each time a tick changes.
    void keepChecks(const std::string& unticked, std::function<void(const std::string&)> save);
    // The strategy the controls describe (not checked against the rules).
    Strategy edited() const;
    QListWidget* list() const { return list_; }

signals:
    // The list or its check marks changed: the figures are out of date.
    void changed();

private:
    void reload(std::int64_t selectId);
    std::string untickedIds() const;
    // Runs one write of the saved list (returning the strategy to select,
    // 0 for none), then shows the list again and says it changed; a refused
    // write is shown and changes nothing.
    void write(const std::function<std::int64_t()>& store);
    void showStrategy(const Strategy& s);
    void enableForRule();
    bool acceptable(const Strategy& s);
    void add();
    void edit();
    void remove();

    Database& database_;
    std::vector<Strategy> saved_;
    std::function<void(const std::string&)> saveChecks_;
    QListWidget* list_;
    QLineEdit* name_;
    QComboBox* rule_;
    QSpinBox* n_;
    QSpinBox* k_;
    QLineEdit* numbers_;
    QSpinBox* sumLow_;
    QSpinBox* sumHigh_;
    QComboBox* kind_;
    QSpinBox* units_;
    QPushButton* add_;
    QPushButton* edit_;
    QPushButton* remove_;
};

}  // namespace n3
