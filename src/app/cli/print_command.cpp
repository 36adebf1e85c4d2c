// `print WINDOW --pdf FILE`: runs numbers3zubarin-print, found beside this
// program, with the same options. The pages are painted by Qt, which this
// program does not load: its start-up stays that of a small tool.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli/commands.h"
#include "app/cli/print_parent.h"
#include "platform/store/startup_load.h"

extern char** environ;

namespace n3::cli {

namespace {

constexpr const char* kPrintProgram = "numbers3zubarin-print";

}  // namespace

int RunPrint(const Arguments& args) {
    const auto pdf = args.option("pdf");
    if (!pdf || pdf->empty()) throw UsageError{"--pdf で出力する PDF ファイルを指定してください"};
    const std::string program = ProgramFolder() + "/" + kPrintProgram;
    std::error_code ec;
    if (!std::filesystem::exists(program, ec)) {
        std::cerr << "印刷には " << program << " が要りますが、見つかりません。\n";
        return 1;
    }
    std::vector<std::string> words = {program, "--db", args.db, args.positional[1]};
    for (const auto& [name, value] : args.options) words.insert(words.end(), {"--" + name, value});
    for (const auto& name : args.switches) words.push_back("--" + name);
    if (!args.settings.empty()) words.insert(words.end(), {"--settings", args.settings});
    words.insert(words.end(), {"--game", std::to_string(args.game->id)});
    std::vector<char*> argv;
    for (auto& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);

    // The environment as it is, with this program's id for the print
    // program to watch.
    const std::string parentEntry = std::string(kPrintParentVariable) + "=" + std::to_string(::getpid());
    std::vector<char*> environment;
    const std::string prefix = std::string(kPrintParentVariable) + "=";
    for (char** e = environ; *e != nullptr; ++e)
        if (std::string_view(*e).rfind(prefix, 0) != 0) environment.push_back(*e);
    environment.push_back(const_cast<char*>(parentEntry.c_str()));
    environment.push_back(nullptr);

    pid_t child = 0;
    if (posix_spawn(&child, program.c_str(), nullptr, nullptr, argv.data(), environment.data()) != 0) {
        std::cerr << program << " を起動できません。\n";
        return 1;
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0)
        if (errno != EINTR) return 1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}

}  // namespace n3::cli
