#pragma once
// Qt's own texts (file dialogs, "replace the file?", standard buttons) in
// Japanese whatever the locale, since the program itself is Japanese.
namespace n3 {

// Installs Qt's Japanese translation (qtbase_ja.qm from Qt's translations
// folder) into the running application. False when it cannot be found;
// Qt's texts then stay in English.
bool InstallQtJapanese();

}  // namespace n3
