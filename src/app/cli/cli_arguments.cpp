#include "app/cli/cli_arguments.h"

#include <charconv>

#include "analysis/number_lookup.h"
#include "io/echo_text.h"
#include "io/field_text.h"

namespace n3::cli {

const std::set<std::string>& SwitchNames() {
    static const std::set<std::string> names = {"replace", "landscape", "results", "allow-gap", "allow-off-schedule"};
    return names;
}

const std::set<std::string>& OptionNames() {
    static const std::set<std::string> names = {
        "db",   "settings", "format", "from",     "to", "pdf", "draw",    "draws", "number", "type",    "units",
        "date", "memo",     "source", "strategy", "n",  "k",   "numbers", "sum",   "kind",   "recheck", "game"};
    return names;
}

bool AsksForHelp(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--help" || a == "-h") return true;
    }
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        // "help" as the command word, not as the value of an option (--memo help).
        if (a.rfind("--", 0) == 0 && !SwitchNames().count(a.substr(2))) {
            ++i;
            continue;
        }
        return a == "help";
    }
    return false;
}

std::optional<std::string> Arguments::option(const std::string& name) const {
    const auto it = options.find(name);
    if (it == options.end()) return std::nullopt;
    return it->second;
}

std::optional<long long> Arguments::number(const std::string& name, long long low, long long high) const {
    const auto text = option(name);
    if (!text) return std::nullopt;
    long long value = 0;
    const char* end = text->data() + text->size();
    const auto [ptr, ec] = std::from_chars(text->data(), end, value);
    if (ec != std::errc() || ptr != end || text->empty() || value < low || value > high)
        throw UsageError{"--" + name + " には " + std::to_string(low) + "〜" + std::to_string(high) +
                         " の整数を指定してください"};
    return value;
}

bool Parse(int argc, char** argv, Arguments& args, std::string& reason) {
    // Every option and switch may be given once: of two values neither is
    // taken silently.
    std::set<std::string> given;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a.rfind("--", 0) != 0 || a.size() == 2) {
            args.positional.push_back(a);
            continue;
        }
        const std::string name = a.substr(2);
        if (!given.insert(name).second) {
            reason = EchoText(a) + " が二回以上指定されています";
            return false;
        }
        if (SwitchNames().count(name)) {
            args.switches.insert(name);
            continue;
        }
        if (!OptionNames().count(name)) {
            reason = "オプション「" + EchoText(a) + "」はありません";
            return false;
        }
        if (i + 1 >= argc) {
            reason = EchoText(a) + " の値がありません";
            return false;
        }
        const std::string value = argv[++i];
        if (name == "db")
            args.db = value;
        else if (name == "settings")
            args.settings = value;
        else if (name == "format")
            args.format = value;
        else if (name == "game") {
            const std::string digits = NormaliseField(value);
            args.game =
                digits.size() == 1 && digits[0] >= '0' && digits[0] <= '9' ? GameById(digits[0] - '0') : nullptr;
            if (!args.game) {
                std::string games;
                for (const Game* game : kGames) games += (games.empty() ? "" : " か ") + std::to_string(game->id);
                reason = "--game には " + games + " を指定してください（" + EchoText(value) + " は選べません）";
                return false;
            }
            args.gameGiven = true;
        } else
            args.options[name] = value;
    }
    if (args.format != "text" && args.format != "csv" && args.format != "json") {
        reason = "--format には text、csv、json のどれかを指定してください";
        return false;
    }
    if (args.positional.empty()) {
        reason = "コマンドがありません";
        return false;
    }
    return true;
}

std::optional<int> ParseNumberOption(std::string_view text, const Game& game) {
    for (int zeros = 0; zeros < game.digits; ++zeros)
        if (const auto number = ParseNumberText(std::string(std::size_t(zeros), '0') + std::string(text), game))
            return number;
    return std::nullopt;
}

std::string NumberOptionMessage(const Game& game) {
    const std::string lowest(std::size_t(game.digits), '0'), highest(std::size_t(game.digits), '9');
    return "--number には " + lowest + "～" + highest + " の番号を指定してください（12 は " +
           std::string(std::size_t(game.digits - 2), '0') + "12）。";
}

}  // namespace n3::cli
