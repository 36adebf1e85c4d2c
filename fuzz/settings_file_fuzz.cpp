// The settings reader on any file: it never stops short of a readable
// line, a refusal is one clean message naming the file, and the flags it
// read, written back, read back the same.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "fuzz_check.h"
#include "io/text_encoding.h"
#include "settings/settings_file.h"

using namespace n3;
using n3::fuzz::Check;

namespace {

// A private folder for the two files, made once per process.
const std::string& Folder() {
    static const std::string folder = [] {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/n3-settings-fuzz.XXXXXX";
        if (!::mkdtemp(pattern.data())) n3::fuzz::Fail("no temporary folder");
        return pattern;
    }();
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string in = Folder() + "/in.ini";
    const std::string out = Folder() + "/out.ini";
    std::ofstream(in, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), std::streamsize(size));

    OptionFlags flags{};
    const SettingsFileResult read = ReadInitFile(in, flags);
    Check(!read.fileMissing, "the file is there");
    if (!read.ok()) {
        Check(read.error.find(in) != std::string::npos, "the message names the file", read.error);
        n3::fuzz::CheckMessage(read.error, 1000 + in.size());
    }

    // In a UTF-8 file, a line for the first flag appended at the end
    // changes that flag only: the lines before it never stop the reading.
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (FirstInvalidUtf8(bytes) == std::string_view::npos) {
        OptionFlags flipped{};
        std::ofstream(in, std::ios::binary | std::ios::app)
            << "\r\n"
            << kOptionKeys[0] << (flags[0] ? "=False" : "=True") << "\r\n";
        ReadInitFile(in, flipped);
        Check(flipped[0] != flags[0], "a good last line is read whatever comes before it");
        for (std::size_t i = 1; i < flags.size(); ++i) Check(flipped[i] == flags[i], "other flags unchanged");
    }

    // What was read is written back and reads back the same.
    const SettingsFileResult written = WriteInitFile(out, flags);
    Check(written.ok(), "the settings file is written", written.error);
    OptionFlags again{};
    const SettingsFileResult reread = ReadInitFile(out, again);
    Check(reread.ok(), "the written file reads without a message", reread.error);
    Check(again == flags, "written flags read back");
    return 0;
}
