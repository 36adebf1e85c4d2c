// The desktop program's data folder: Qt's AppDataLocation and the rule the
// command-line tool follows without Qt name the same folder, and the about
// box shows the folder in use.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMdiSubWindow>
#include <optional>

#include "platform/qt/common/dialogs.h"
#include "platform/qt/frame/data_folder.h"
#include "platform/qt/frame/main_window.h"
#include "platform/store/data_location.h"
#include "platform/store/startup_load.h"
#include "temp_dir.h"

using namespace n3;
using n3::testing::TempDir;

namespace {

class EnvValue {
public:
    EnvValue(const char* name, const char* value) : name_(name) {
        if (qEnvironmentVariableIsSet(name)) old_ = qgetenv(name);
        if (value != nullptr)
            qputenv(name, value);
        else
            qunsetenv(name);
    }
    ~EnvValue() {
        if (old_)
            qputenv(name_, *old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    std::optional<QByteArray> old_;
};

TEST(DataFolder, QtAndTheCommandLineRuleNameTheSameFolder) {
    SetProgramIdentity();
    TempDir dir;
    const std::string xdgFolder = dir.file("xdg");
    const EnvValue home("HOME", dir.file("home").c_str());
    for (const char* xdg : {xdgFolder.c_str(), static_cast<const char*>(nullptr), "", "relative/share"}) {
        const EnvValue data("XDG_DATA_HOME", xdg);
        EXPECT_EQ(AppDataFolder().toStdString(), UserDataFolder()) << (xdg ? xdg : "(unset)");
    }
    const EnvValue data("XDG_DATA_HOME", xdgFolder.c_str());
    EXPECT_EQ(AppDataFolder().toStdString(), xdgFolder + "/numbers3zubarin");
    // The tests run from the build folder, which is the program's own.
    bool made = false;
    EXPECT_EQ(PrepareDataFolder(&made).toStdString(), ProgramFolder());
    EXPECT_TRUE(made);
}

TEST(DataFolder, TheAboutBoxShowsTheFolderOfTheDatabase) {
    dialogs::SetMessageResponder([](const dialogs::MessageRequest&) { return dialogs::Result::Ok; });
    TempDir dir;
    MainWindow window(dir.file("db.db"), dir.file("settings.ini"));
    ASSERT_TRUE(window.startUp());
    window.show();
    ASSERT_TRUE(window.trigger(QStringLiteral("about")));
    QMdiSubWindow* about = window.subWindow(QStringLiteral("バージョン情報"));
    ASSERT_NE(about, nullptr);
    auto* label = about->findChild<QLabel*>(QStringLiteral("dataFolderLabel"));
    ASSERT_NE(label, nullptr);
    const QString folder = QString::fromStdString(dir.file("db.db")).section(QLatin1Char('/'), 0, -2);
    EXPECT_EQ(label->text(), QStringLiteral("データの保存先: ") + folder);
    dialogs::SetMessageResponder(nullptr);
}

}  // namespace
