#pragma once
// The toolkit's own texts (standard dialogs, buttons, context menus) in Italian,
// like every other text of the window.

class QCoreApplication;

namespace sillabor::shell {

// Loads Qt's Italian translations from the system's translations folder and
// makes Italian the default locale. False when the translations are not
// installed: the toolkit's texts then stay in English.
bool InstallItalianToolkitTexts(QCoreApplication& application);

}  // namespace sillabor::shell
