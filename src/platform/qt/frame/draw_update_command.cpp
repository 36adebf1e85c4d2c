#include "platform/qt/frame/draw_update_command.h"

#include <QAction>

#include "core/window_names.h"
#include "platform/qt/common/dialogs.h"
#include "platform/qt/common/keep_user_window.h"
#include "platform/qt/common/qt_util.h"
#include "platform/qt/frame/draw_update_dialog.h"
#include "platform/qt/frame/main_window.h"
#include "settings/update_settings.h"

namespace n3 {

namespace {

const QString kTitle = QStringLiteral("最新の当選データを取得");
const QString kCheckAtStartItem = QStringLiteral("checkAtStart");

UpdateSettings SettingsOf(const MainWindow& window) {
    OtherSettings others;
    for (std::string_view key : {kUpdateSourceKey, kUpdateAtStartKey})
        if (std::string value = window.setting(key); !value.empty()) others[std::string(key)] = value;
    return UpdateSettingsFrom(others);
}

// The newest draw stored with all its digits, 0 when none is.
int NewestStoredDraw(MainWindow& window) {
    int newest = 0;
    try {
        for (const Draw& d : window.database().draws().ReadHistory())
            if (d.complete()) newest = std::max(newest, d.drawNo);
    } catch (const StoreError&) {}
    return newest;
}

}  // namespace

void FetchLatestDraws(MainWindow& window, FetchMode mode) {
    const bool entryOpen = window.child(Q(windows::kEntry)) != nullptr;
    if (!window.commands().RequireNoEntryWindow(entryOpen)) return;
    const bool quiet = mode == FetchMode::AtStart;
    const UpdateOutcome outcome = [&] {
        const KeepUserWindow keep(&window);
        DrawUpdateDialog dialog(window.database().path(), SettingsOf(window).source, &window);
        return dialog.run();
    }();
    // Every open window follows the new history; none closes. (At start-up
    // the start-up load follows.)
    if (!outcome.storedDraws.empty() && mode == FetchMode::Menu) window.reload();
    const QString text = Q(outcome.message);
    switch (outcome.status) {
    case UpdateOutcome::Status::NothingNew:
        if (!quiet) dialogs::Message(&window, text, kTitle, dialogs::Icon::Information);
        break;
    case UpdateOutcome::Status::Stored:
    case UpdateOutcome::Status::Cancelled: dialogs::Message(&window, text, kTitle, dialogs::Icon::Information); break;
    case UpdateOutcome::Status::Failed: dialogs::Message(&window, text, kTitle, dialogs::Icon::Critical); break;
    }
}

void OfferLatestDraws(MainWindow& window) {
    const int newest = NewestStoredDraw(window);
    if (newest == 0) return;
    const auto answer = dialogs::Message(
        &window, QStringLiteral("第%1回以降の当選データをインターネットから取得しますか？").arg(newest + 1), kTitle,
        dialogs::Icon::Question, dialogs::Buttons::YesNoDefaultYes);
    if (answer == dialogs::Result::Yes) FetchLatestDraws(window, FetchMode::FirstStart);
}

void CheckLatestDrawsAtStart(MainWindow& window) {
    if (SettingsOf(window).checkAtStart && NewestStoredDraw(window) != 0) FetchLatestDraws(window, FetchMode::AtStart);
}

void ShowCheckAtStartSetting(MainWindow& window) {
    if (QAction* item = window.menuAction(kCheckAtStartItem)) {
        item->setCheckable(true);
        item->setChecked(SettingsOf(window).checkAtStart);
    }
}

void ToggleCheckAtStart(MainWindow& window) {
    UpdateSettings settings = SettingsOf(window);
    QAction* item = window.menuAction(kCheckAtStartItem);
    settings.checkAtStart = item && item->isCheckable() ? item->isChecked() : !settings.checkAtStart;
    window.setSetting(kUpdateAtStartKey, settings.checkAtStart ? "True" : "False");
    if (item) item->setChecked(settings.checkAtStart);
}

}  // namespace n3
