#include "settings/settings.h"

namespace n3 {

SettingsFileResult Settings::Read() {
    flags_ = {};
    changed_.clear();
    if (path_.empty()) return {true, {}};
    const SettingsFileResult read = ReadInitFile(path_, flags_);
    others_ = ReadOtherSettings(path_);
    budget_ = read.fileMissing ? MonthlyBudgetResult{} : ReadMonthlyBudget(path_);
    return read;
}

SettingsFileResult Settings::Write() const {
    return path_.empty() ? SettingsFileResult{} : MergeIntoInitFile(path_, flags_, others_, changed_);
}

SettingsFileResult Settings::setOptionFlag(int index, bool on) {
    if (index < 0 || index >= kOptionFlagCount || flags_[std::size_t(index)] == on) return {};
    flags_[std::size_t(index)] = on;
    changed_.insert(std::string(kOptionKeys[std::size_t(index)]));
    return Write();
}

std::string Settings::value(std::string_view key) const {
    const auto it = others_.find(std::string(key));
    return it == others_.end() ? std::string() : it->second;
}

SettingsFileResult Settings::setValue(std::string_view key, std::string value) {
    const std::string name(key);
    const auto it = others_.find(name);
    if (it != others_.end() && it->second == value) return {};
    others_[name] = std::move(value);
    changed_.insert(name);
    return Write();
}

SettingsFileResult Settings::setMonthlyBudget(std::optional<std::int64_t> yen) {
    budget_ = MonthlyBudgetResult{yen, {}};
    return setValue(settings_keys::kMonthlyBudget, yen ? std::to_string(*yen) : std::string());
}

}  // namespace n3
