#pragma once
// The controls that make a strategy in 買い方の検証, each bound once: its
// label, its widget, the word the command line and the JSON use for it, how
// it shows a strategy's value and reads it back, and the rules that read it.
// The panel lays them out, loads, saves and opens them from this one table.
#include <QString>
#include <array>
#include <string_view>

#include "core/strategy.h"

class QWidget;

namespace n3 {

struct StrategyField {
    std::string_view label;       // with its mnemonic
    std::string_view objectName;  // the widget's (or, for a pair, its first box's)
    // The field's word: the command line's --option and the JSON member of
    // the strategy where they have one; empty where neither does.
    std::string_view key;
    QWidget* (*make)(QWidget* parent);
    void (*show)(QWidget* widget, const Strategy& strategy);
    void (*read)(const QWidget* widget, Strategy& strategy);
    // Whether the rule reads the field: its widget is open only then.
    bool (*readBy)(StrategyRule rule);
    // Why the text in the widget cannot be kept, before the strategy's own
    // rules are checked; empty when it can. nullptr for a field that can't hold bad text.
    QString (*refuses)(const QWidget* widget, const Strategy& strategy);
};

// In the order of the form: four fields a row.
extern const std::array<StrategyField, 8> kStrategyFields;
inline constexpr int kStrategyFieldsPerRow = 4;

}  // namespace n3
