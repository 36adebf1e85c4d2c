#pragma once
// The data menu's file commands: bring a CSV history in, write it out, and
// read the history again without restarting.
#include <string>
#include <string_view>

class QWidget;

namespace n3 {

class Database;

// What the commands need of the window that runs them.
class HistoryCommandHost {
public:
    virtual ~HistoryCommandHost() = default;
    // The parent of the commands' dialogs and message boxes.
    virtual QWidget* dialogParent() = 0;
    // True when the entry window is closed; else shows why the command
    // cannot run and returns false.
    virtual bool entryWindowIsFree() = 0;
    virtual std::string setting(std::string_view key) const = 0;
    virtual void setSetting(std::string_view key, std::string value) = 0;
    virtual Database& database() = 0;
    virtual void BeginWait() = 0;
    virtual void EndWait() = 0;
    // Reads the history again and shows it in every open window.
    virtual bool reload() = 0;
};

void ImportHistoryCsv(HistoryCommandHost& host);
void ExportHistoryCsv(HistoryCommandHost& host);
// Reads the history again; refused while the entry window is open.
void ReloadHistory(HistoryCommandHost& host);

}  // namespace n3
