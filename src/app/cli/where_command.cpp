// where: the folder that holds the database and the settings file, and the
// files this run uses, one "Name=value" line each.
#include <sstream>

#include "app/cli/commands.h"
#include "platform/store/data_location.h"
#include "platform/store/startup_load.h"

namespace n3::cli {

int RunWhere(const Arguments& args) {
    const std::string program = ProgramFolder();
    const bool portable = IsPortableFolder(program);
    std::ostringstream out;
    out << "DataFolder=" << (portable ? program : UserDataFolder()) << '\n';
    out << "Mode=" << (portable ? "portable" : "user") << '\n';
    out << "Database=" << args.db << '\n';
    out << "Settings=" << args.settings << '\n';
    out << "ProgramFolder=" << program << '\n';
    return WriteOut(out.str()) ? 0 : 1;
}

}  // namespace n3::cli
