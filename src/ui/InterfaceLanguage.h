#pragma once

// The language the windows speak. Qt's own dialogs, buttons and context
// menus follow it through Qt's translations; the program's texts are its own.
enum class InterfaceLanguage {
    Japanese,
};

// Installs Qt's translations for `language` into the running application.
// False when they are not installed on this machine: Qt's texts then stay
// in English, which leaves the program usable.
bool InstallQtTranslations(InterfaceLanguage language);
