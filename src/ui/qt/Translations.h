// Qt's own texts (file and print dialogs, a text box's right-click menu, standard buttons) in
// Japanese, like the rest of the program, whatever the system's language.
#pragma once

#include <QString>

class QCoreApplication;

namespace ui::qt {

// Loads Qt's Japanese translations (Debian: qt6-translations-l10n) from Qt's translations
// folder, or from folder when given, and installs them in the application. False when they
// are not there; Qt then speaks English.
bool InstallJapaneseTranslations(QCoreApplication& app, const QString& folder = QString());

}  // namespace ui::qt
