// Where the database and the settings file live: beside the program when
// its folder is the program's own, else in the user's data folder.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "platform/store/data_location.h"
#include "read_only_folder.h"
#include "temp_dir.h"
#include "test_paths.h"

using n3::testing::TempDir;

namespace {

// Sets an environment variable for the test's lifetime.
class EnvValue {
public:
    EnvValue(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value != nullptr)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~EnvValue() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(DataLocation, AFolderIsPortableOnlyWhenItHoldsTheProgramsFiles) {
    for (const char* file : {"Numbers3Zubarin.db", "ナンバーズ3ズバリン.ini", "numbers3zubarin.portable"}) {
        TempDir dir;
        const std::string folder = dir.file("bin");
        std::filesystem::create_directory(folder);
        EXPECT_FALSE(n3::IsPortableFolder(folder)) << "empty folder";
        dir.write(std::string("bin/") + file, "");
        EXPECT_TRUE(n3::IsPortableFolder(folder)) << file;
        EXPECT_EQ(n3::DataFolderFor(folder), folder) << file;
    }
    TempDir dir;
    EXPECT_FALSE(n3::IsPortableFolder(dir.file("missing")));
}

TEST(DataLocation, AReadOnlyFolderIsNotPortable) {
    TempDir dir;
    const std::string folder = dir.file("bin");
    std::filesystem::create_directory(folder);
    dir.write("bin/Numbers3Zubarin.db", "");
    const EnvValue xdg("XDG_DATA_HOME", dir.file("xdg").c_str());
    ASSERT_TRUE(n3::IsPortableFolder(folder));
    // Bit 1: the folder counted as portable; bit 2: the data went beside the
    // program; bit 4: the folder could still be written after all.
    const std::optional<int> broken = n3::testing::WithReadOnlyFolder(folder, [&] {
        return (n3::IsPortableFolder(folder) ? 1 : 0) |
               (n3::DataFolderFor(folder) != dir.file("xdg") + "/numbers3zubarin" ? 2 : 0) |
               (::access(folder.c_str(), W_OK) == 0 ? 4 : 0);
    });
    if (!broken) GTEST_SKIP() << "this process cannot make a folder read-only";
    EXPECT_EQ(*broken, 0);
    EXPECT_TRUE(n3::IsPortableFolder(folder));  // writable again afterwards
}

TEST(DataLocation, TheUserDataFolderFollowsXdgDataHomeThenHome) {
    TempDir dir;
    const EnvValue home("HOME", (dir.file("home") + "/").c_str());
    {
        const EnvValue xdg("XDG_DATA_HOME", dir.file("xdg").c_str());
        EXPECT_EQ(n3::UserDataFolder(), dir.file("xdg") + "/numbers3zubarin");
        EXPECT_EQ(n3::DataFolderFor(dir.file("bin")), dir.file("xdg") + "/numbers3zubarin");
    }
    for (const char* ignored : {static_cast<const char*>(nullptr), "", "relative/share"}) {
        const EnvValue xdg("XDG_DATA_HOME", ignored);
        EXPECT_EQ(n3::UserDataFolder(), dir.file("home") + "/.local/share/numbers3zubarin")
            << (ignored ? ignored : "(unset)");
    }
}

TEST(DataLocation, TheDataFolderIsCreatedWithItsParentsForTheUserOnly) {
    TempDir dir;
    const std::string folder = dir.file("a/b/numbers3zubarin");
    ASSERT_TRUE(n3::MakeDataFolder(folder));
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    struct stat st {};
    ASSERT_EQ(::stat(folder.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_TRUE(n3::MakeDataFolder(folder)) << "an existing folder is fine";
    dir.write("file", "x");
    EXPECT_FALSE(n3::MakeDataFolder(dir.file("file/sub")));
}

TEST(DataLocation, InstalledFilesAreFoundBesideTheProgramThenInShare) {
    TempDir dir;
    const std::string bin = dir.file("usr/bin");
    std::filesystem::create_directories(bin);
    std::filesystem::create_directories(dir.file("usr/share/numbers3zubarin"));
    dir.write("usr/share/numbers3zubarin/help.html", "installed");
    EXPECT_EQ(n3::FindProgramFile(bin, "help.html"), dir.file("usr/share/numbers3zubarin/help.html"));
    dir.write("usr/bin/help.html", "beside");
    EXPECT_EQ(n3::FindProgramFile(bin, "help.html"), bin + "/help.html");
    EXPECT_EQ(n3::FindProgramFile(bin, "missing.html"), bin + "/missing.html");
}

}  // namespace

namespace {

std::string Where(const std::string& cli, const std::string& env) {
    const std::string cmd = env + " " + cli + " where 2>&1";
    FILE* p = popen(cmd.c_str(), "r");
    std::string out;
    char buf[4096];
    std::size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    pclose(p);
    return out;
}

TEST(DataLocation, ACopiedCommandLineToolUsesTheUserFolderUntilItsFolderHoldsADatabase) {
    TempDir dir;
    const std::string bin = dir.file("bin");
    std::filesystem::create_directory(bin);
    const std::string cli = bin + "/numbers3zubarin-cli";
    std::filesystem::copy_file(n3::testing::kCliPath, cli);
    const std::string env = "HOME=" + dir.file("home") + " XDG_DATA_HOME=" + dir.file("xdg");
    const std::string user = dir.file("xdg") + "/numbers3zubarin";

    const std::string first = Where(cli, env);
    EXPECT_NE(first.find("DataFolder=" + user + "\n"), std::string::npos) << first;
    EXPECT_NE(first.find("Mode=user\n"), std::string::npos) << first;
    EXPECT_NE(first.find("Database=" + user + "/Numbers3Zubarin.db\n"), std::string::npos) << first;
    EXPECT_NE(first.find("Settings=" + user + "/ナンバーズ3ズバリン.ini\n"), std::string::npos) << first;

    dir.write("bin/Numbers3Zubarin.db", "");
    const std::string portable = Where(cli, env);
    EXPECT_NE(portable.find("DataFolder=" + bin + "\n"), std::string::npos) << portable;
    EXPECT_NE(portable.find("Mode=portable\n"), std::string::npos) << portable;
}

}  // namespace
