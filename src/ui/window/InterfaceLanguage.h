#pragma once

#include <QString>
#include <QStringView>
#include <optional>

class QLocale;

// The language the windows speak. The program's texts are written in
// Japanese and translated to English by its own catalogue; Qt's dialogs,
// buttons and context menus follow through Qt's catalogues.
enum class InterfaceLanguage {
    Japanese,
    English,
};

// Japanese for a Japanese locale, English for every other: English is the
// language a reader of anything but Japanese most likely shares.
InterfaceLanguage InterfaceLanguageOf(const QLocale& locale);
// The language of QLocale::system() (LC_ALL, LC_MESSAGES, LANG, LANGUAGE).
InterfaceLanguage SystemInterfaceLanguage();

// "ja" or "en", as the --lang option takes them; nullopt for anything else.
std::optional<InterfaceLanguage> InterfaceLanguageFromCode(QStringView code);
QString InterfaceLanguageCode(InterfaceLanguage language);

// Installs the program's catalogue and Qt's for `language` into the running
// application, replacing the ones of an earlier choice. False when Qt's
// catalogue is not installed on this machine: Qt's texts then stay in
// English, which leaves the program usable.
bool InstallInterfaceLanguage(InterfaceLanguage language);
// The language last installed; Japanese before any.
InterfaceLanguage InstalledInterfaceLanguage();
