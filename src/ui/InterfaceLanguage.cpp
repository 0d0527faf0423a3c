#include "ui/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace {

// Qt's own texts are English; every other language needs its catalogue.
QString QtCatalogue(InterfaceLanguage language) {
    switch (language) {
    case InterfaceLanguage::Japanese:
        return QStringLiteral("qtbase_ja");
    }
    return QString();
}

// The one catalogue in use; a later choice replaces it.
QPointer<QTranslator> g_installed;

} // namespace

bool InstallQtTranslations(InterfaceLanguage language) {
    if (g_installed) {
        QCoreApplication::removeTranslator(g_installed);
        delete g_installed;
    }
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
            g_installed = translator;
            return true;
        }
    }
    delete translator;
    return false;
}
