#include "ui/window/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace {

// Qt's own texts are English; every other language needs its catalogue.
QString QtCatalogue(InterfaceLanguage language) {
    switch (language) {
    case InterfaceLanguage::Japanese:
        return QStringLiteral("qtbase_ja");
    case InterfaceLanguage::English:
        break;
    }
    return QString();
}

// The program's texts are Japanese; every other language has its catalogue
// in the resources.
QString ProgramCatalogue(InterfaceLanguage language) {
    switch (language) {
    case InterfaceLanguage::Japanese:
        break;
    case InterfaceLanguage::English:
        return QStringLiteral(":/i18n/vellomar_en.qm");
    }
    return QString();
}

// The catalogues in use; a later choice replaces them.
QPointer<QTranslator> g_qt;
QPointer<QTranslator> g_program;
InterfaceLanguage g_installed = InterfaceLanguage::Japanese;

void Remove(QPointer<QTranslator>& translator) {
    if (!translator)
        return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
}

bool InstallQtCatalogue(InterfaceLanguage language) {
    const QString catalogue = QtCatalogue(language);
    if (catalogue.isEmpty())
        return true;
    auto* translator = new QTranslator(QCoreApplication::instance());
    // Qt's folder first, then one beside the program, where a copy that
    // ships its own Qt keeps it.
    const QStringList folders = {
        QLibraryInfo::path(QLibraryInfo::TranslationsPath),
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"))};
    for (const QString& folder : folders) {
        if (translator->load(catalogue, folder) &&
            QCoreApplication::installTranslator(translator)) {
            g_qt = translator;
            return true;
        }
    }
    delete translator;
    return false;
}

void InstallProgramCatalogue(InterfaceLanguage language) {
    const QString catalogue = ProgramCatalogue(language);
    if (catalogue.isEmpty())
        return;
    auto* translator = new QTranslator(QCoreApplication::instance());
    // Built into the program: only a broken build lacks it.
    if (translator->load(catalogue) && QCoreApplication::installTranslator(translator))
        g_program = translator;
    else
        delete translator;
}

} // namespace

InterfaceLanguage InterfaceLanguageOf(const QLocale& locale) {
    return locale.language() == QLocale::Japanese ? InterfaceLanguage::Japanese
                                                  : InterfaceLanguage::English;
}

InterfaceLanguage SystemInterfaceLanguage() {
    return InterfaceLanguageOf(QLocale::system());
}

std::optional<InterfaceLanguage> InterfaceLanguageFromCode(QStringView code) {
    if (code == u"ja")
        return InterfaceLanguage::Japanese;
    if (code == u"en")
        return InterfaceLanguage::English;
    return std::nullopt;
}

QString InterfaceLanguageCode(InterfaceLanguage language) {
    return language == InterfaceLanguage::Japanese ? QStringLiteral("ja") : QStringLiteral("en");
}

bool InstallInterfaceLanguage(InterfaceLanguage language) {
    Remove(g_qt);
    Remove(g_program);
    g_installed = language;
    InstallProgramCatalogue(language);
    return InstallQtCatalogue(language);
}

InterfaceLanguage InstalledInterfaceLanguage() {
    return g_installed;
}
