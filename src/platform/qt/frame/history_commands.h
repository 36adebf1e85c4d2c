#pragma once
// The data menu's file commands: bring a CSV history in, write it out, and
// read the history again without restarting.
namespace n3 {

class MainWindow;

void ImportHistoryCsv(MainWindow& window);
void ExportHistoryCsv(MainWindow& window);
// Closes every child, loads the history again and opens the prediction as
// at start-up. Refused while the entry window is open.
void ReloadHistory(MainWindow& window);

}  // namespace n3
