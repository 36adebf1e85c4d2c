#pragma once
// "最新の当選データを取得" in the desktop program: the data menu's command,
// the question after the first start's import, the check at start-up and
// its on/off item in the data menu.
namespace n3 {

class MainWindow;

enum class FetchMode {
    Menu,        // reports every outcome; the open windows follow the new history
    FirstStart,  // before the start-up load: no reload
    AtStart,     // the same, and nothing said when there is nothing new
};

// Fetches what the database lacks (progress dialog) and reports the outcome.
void FetchLatestDraws(MainWindow& window, FetchMode mode = FetchMode::Menu);

// After the shipped history was imported at the first start: asks whether
// to fetch the draws after it (Yes by default) and does so. Runs before the
// start-up load.
void OfferLatestDraws(MainWindow& window);

// The start-up check, when the setting is on (before the start-up load).
void CheckLatestDrawsAtStart(MainWindow& window);

// The data menu's item for the start-up check shows the setting (checked
// when on); a click turns it over and keeps it in the settings file.
void ShowCheckAtStartSetting(MainWindow& window);
void ToggleCheckAtStart(MainWindow& window);

}  // namespace n3
