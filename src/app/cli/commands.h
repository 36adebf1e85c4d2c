#pragma once
// The commands of numbers3zubarin-cli, as a table: each command lives in a
// file of its own and has one row here.
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli/cli_arguments.h"
#include "core/draw.h"
#include "core/draw_result.h"

namespace n3 {
class DrawStore;
}  // namespace n3

namespace n3::cli {

struct Command {
    std::string_view name;
    std::string_view usage;        // the words and options it takes, without the program name
    std::string_view description;  // what it does, in one short Japanese phrase
    std::string_view example;      // one command line that runs it
    // positional words the command takes after its name: [min, max]
    int minWords;
    int maxWords;
    int (*run)(const Arguments& args);
};

const std::vector<Command>& Commands();

// The commands' runners, each in its own file.
int RunImport(const Arguments& args);
// The one check every path into the results passes
// (io/results_schedule_check.h), with --replace, --allow-off-schedule and
// --allow-gap: false (said on standard error, nothing written) when the
// import must stop; `allowed` gets the lines naming what was let through.
bool PassesScheduleCheck(const Arguments& args, DrawStore& store, const std::vector<Draw>& draws,
                         const ResultHistory& results, const std::string& source, std::string& allowed);
int RunExport(const Arguments& args);
int RunStats(const Arguments& args);
int RunShow(const Arguments& args);
int RunWhere(const Arguments& args);
int RunWindows(const Arguments& args);
int RunBacktest(const Arguments& args);

// Prints window `windowName` as `show` does, with the options of `args`.
int ShowWindow(const std::string& windowName, const Arguments& args);
int RunPrint(const Arguments& args);
int RunImportBundled(const Arguments& args);
int RunTickets(const Arguments& args);
int RunUpdate(const Arguments& args);

// Writes `text` to standard output; false (with a message) when that fails.
bool WriteOut(const std::string& text);
// Standard output handed to `write` line by line, as WriteOut checks it.
bool StreamOut(const std::function<void(std::ostream&)>& write);

}  // namespace n3::cli
