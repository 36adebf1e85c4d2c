#pragma once
// The strategies of 買い方の検証: the saved list with a check box for each
// one to test, the plain controls that make a strategy (name, rule, N, k,
// numbers, a-b, kind, units; strategy_fields.h) and the buttons 追加, 編集
// and 削除. Choosing a strategy in the list brings it into the controls;
// 追加 saves the controls as a new strategy, 編集 rewrites the chosen one,
// 削除 removes it. The panel keeps no strategies itself: it asks whoever
// keeps them (the window hands it the database's) to read and write them.
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/strategy.h"
#include "platform/qt/strategies/strategy_fields.h"

class QListWidget;
class QPushButton;

namespace n3 {

// Where the saved strategies are kept. A write that is refused throws
// (std::exception) with the reason, and changes nothing.
struct StrategyKeeper {
    std::function<std::vector<Strategy>()> readAll;
    std::function<std::int64_t(const Strategy&)> add;  // the new strategy's id
    std::function<void(const Strategy&)> update;
    std::function<void(std::int64_t id)> remove;
    int capacity = 0;  // how many strategies it keeps at most
};

class StrategyPanel : public QWidget {
    Q_OBJECT
public:
    explicit StrategyPanel(StrategyKeeper keeper, QWidget* parent = nullptr);

    // The checked strategies, in list order.
    std::vector<Strategy> chosen() const;
    // The strategies left unticked last time ("3,7": their ids; a new one is
    // ticked), and where to keep them each time a tick changes.
    void keepChecks(const std::string& unticked, std::function<void(const std::string&)> save);
    // The strategy the controls describe (not checked against the rules).
    Strategy edited() const;
    // Brings `strategy` into the controls.
    void showStrategy(const Strategy& strategy);
    // The control of kStrategyFields[index].
    QWidget* field(std::size_t index) const { return fields_[index]; }
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
    void enableForRule();
    bool acceptable(const Strategy& s);
    void add();
    void edit();
    void remove();

    StrategyKeeper keeper_;
    std::vector<Strategy> saved_;
    std::function<void(const std::string&)> saveChecks_;
    QListWidget* list_;
    std::array<QWidget*, kStrategyFields.size()> fields_{};
    QPushButton* add_;
    QPushButton* edit_;
    QPushButton* remove_;
};

}  // namespace n3
