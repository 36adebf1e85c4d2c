#pragma once
// The command line of numbers3zubarin-cli: the command words, the options
// with a value (--db FILE) and the switches (--replace).
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/game.h"

namespace n3::cli {

inline constexpr int kUsageError = 2;

struct Arguments {
    std::string db;                 // --db, else the default database path
    std::string settings;           // --settings
    std::string format = "text";    // --format text|csv|json
    const Game* game = &kNumbers3;  // --game 3|4
    bool gameGiven = false;         // --game was on the line
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;  // every other --name value
    std::set<std::string> switches;              // --name without a value

    bool has(const std::string& name) const { return switches.count(name) != 0; }
    std::optional<std::string> option(const std::string& name) const;
    // An option that must be a whole number in [low, high]; nullopt when absent.
    // Throws UsageError when it is present but not such a number.
    std::optional<long long> number(const std::string& name, long long low, long long high) const;
};

// A mistake on the command line, with the reason (exit status 2).
struct UsageError {
    std::string reason;
};

// The names that are switches rather than options with a value.
const std::set<std::string>& SwitchNames();

// The names that take a value; any other --name is a mistake.
const std::set<std::string>& OptionNames();

// True when the line asks for the usage: --help or -h anywhere, or help as
// the command word.
bool AsksForHelp(int argc, char** argv);

// False (with the reason) when the line cannot be read.
bool Parse(int argc, char** argv, Arguments& args, std::string& reason);

// --number: a number of the game (000～999, 0000～9999), the leading zeros
// optional as in --numbers ("12" is 012, "7" is 007); full-width digits too.
// nullopt for anything else.
std::optional<int> ParseNumberOption(std::string_view text, const Game& game = kNumbers3);
// What a --number the game has no number for is told: the range, and 12 as written.
std::string NumberOptionMessage(const Game& game);

}  // namespace n3::cli
