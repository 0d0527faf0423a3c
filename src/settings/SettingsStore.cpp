#include "settings/SettingsStore.h"

#include "settings/RegistryBinary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>
#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

QString Key(const QString& section, const QString& name) {
    return section.isEmpty() ? name : section + QLatin1Char('/') + name;
}

// The value texts of an INI file as written, keyed "section/name". Only plain
// names are looked up here, so names are taken as they stand.
QMap<QString, QString> RawIniValues(const QString& path) {
    QMap<QString, QString> values;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return values;
    QString section;
    for (const QByteArray& bytes : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(bytes).trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).trimmed();
            if (section.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0)
                section.clear();
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0 || line.startsWith(QLatin1Char(';')))
            continue;
        values.insert(Key(section, line.left(equals).trimmed()), line.mid(equals + 1).trimmed());
    }
    return values;
}

QMap<QString, QVariant> ReadIni(const QString& path, bool* readable = nullptr) {
    QMap<QString, QVariant> values;
    const QSettings ini(path, QSettings::IniFormat);
    QMap<QString, QString> raw;
    bool rawRead = false;
    for (const QString& key : ini.allKeys()) {
        QVariant value = ini.value(key);
        // Qt splits a hand-written value at commas outside quotes and drops
        // the quotes, which loses the blanks inside quoted record fields.
        // Such a value is kept as the text it was written as.
        if (value.typeId() == QMetaType::QStringList) {
            if (!rawRead) {
                raw = RawIniValues(path);
                rawRead = true;
            }
            const auto it = raw.constFind(key);
            if (it != raw.cend())
                value = *it;
        }
        values.insert(key, value);
    }
    if (readable)
        *readable = ini.status() != QSettings::AccessError;
    return values;
}

// Whether a file read back holds what was meant to be written. Types whose
// values do not compare reliably (only hand-made files hold them) are
// checked for presence only.
bool SameValues(const QMap<QString, QVariant>& expected, const QMap<QString, QVariant>& actual) {
    if (expected.keys() != actual.keys())
        return false;
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        const int type = it->typeId();
        if ((type == QMetaType::QString || type == QMetaType::QByteArray ||
             type == QMetaType::QStringList) &&
            *it != actual.value(it.key()))
            return false;
    }
    return true;
}

bool FlushToDisk(const QString& path) {
#ifdef Q_OS_WIN
    Q_UNUSED(path);
    return true;
#else
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return ::fsync(file.handle()) == 0;
#endif
}

bool ReplaceFile(const QString& from, const QString& to) {
#ifdef Q_OS_WIN
    return MoveFileExW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(from).utf16()),
                       reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(to).utf16()),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
#endif
}

} // namespace

SettingsStore::SettingsStore() {
    const QString organisation = QStringLiteral("Movra");
    const QString application = QStringLiteral("Vellomar!");
#if defined(Q_OS_WIN)
    m_registry = std::make_unique<QSettings>(organisation, application);
#else
#if defined(Q_OS_DARWIN)
    // The native store there is a property list; keep an INI file instead.
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, organisation, application);
#else
    const QSettings settings(organisation, application);
#endif
    m_fileName = settings.fileName();
    m_values = ReadIni(m_fileName);
#endif
}

SettingsStore::SettingsStore(const QString& iniFile)
    : m_fileName(QFileInfo(iniFile).absoluteFilePath()), m_values(ReadIni(m_fileName)) {}

SettingsStore::~SettingsStore() = default;
SettingsStore::SettingsStore(SettingsStore&&) noexcept = default;
SettingsStore& SettingsStore::operator=(SettingsStore&&) noexcept = default;

QVariant SettingsStore::value(const QString& key) const {
    return m_registry ? m_registry->value(key) : m_values.value(key);
}

void SettingsStore::setValue(const QString& key, const QVariant& value) {
    if (m_registry) {
        m_registry->setValue(key, value);
        return;
    }
    m_values.insert(key, value);
    m_changes.insert(key, value);
}

bool SettingsStore::contains(const QString& section, const QString& name) const {
    return value(Key(section, name)).isValid();
}

QStringList SettingsStore::valueNames(const QString& section) const {
    if (m_registry) {
        m_registry->beginGroup(section);
        const QStringList names = m_registry->childKeys();
        m_registry->endGroup();
        return names;
    }
    const QString prefix = section + QLatin1Char('/');
    QStringList names;
    for (auto it = m_values.lowerBound(prefix); it != m_values.cend(); ++it) {
        if (!it.key().startsWith(prefix))
            break;
        const QString name = it.key().mid(prefix.size());
        if (!name.contains(QLatin1Char('/')))
            names.append(name);
    }
    return names;
}

QString SettingsStore::readString(const QString& section, const QString& name,
                                  const QString& fallback) const {
    const QVariant v = value(Key(section, name));
    if (!v.isValid())
        return fallback;
    // A hand-edited INI value with bare commas reads back as a list.
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(QLatin1Char(','));
    return v.toString();
}

int SettingsStore::readInteger(const QString& section, const QString& name, int fallback) const {
    const QVariant v = value(Key(section, name));
    if (v.typeId() != QMetaType::QString)
        return fallback;
    bool ok = false;
    const int number = v.toString().trimmed().toInt(&ok);
    return ok ? number : fallback;
}

bool SettingsStore::readBool(const QString& section, const QString& name, bool fallback) const {
    return readInteger(section, name, fallback ? 1 : 0) != 0;
}

#ifdef Q_OS_WIN
namespace {
// The registry key of a section, for the values QSettings cannot keep as binary.
QString RegistryKeyPath(const QString& section) {
    return QStringLiteral("Software\\Movra\\Vellomar!\\") + section;
}
} // namespace
#endif

std::optional<QByteArray> SettingsStore::readBytes(const QString& section,
                                                   const QString& name) const {
#ifdef Q_OS_WIN
    if (m_registry)
        return ReadRegistryBinary(RegistryKeyPath(section), name);
#endif
    const QVariant v = value(Key(section, name));
    if (v.typeId() != QMetaType::QByteArray)
        return std::nullopt;
    return v.toByteArray();
}

void SettingsStore::writeString(const QString& section, const QString& name, const QString& value) {
    setValue(Key(section, name), value);
}

void SettingsStore::writeInteger(const QString& section, const QString& name, int value) {
    writeString(section, name, QString::number(value));
}

void SettingsStore::writeBool(const QString& section, const QString& name, bool value) {
    writeString(section, name, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void SettingsStore::writeBytes(const QString& section, const QString& name,
                               const QByteArray& value) {
#ifdef Q_OS_WIN
    if (m_registry) {
        if (!WriteRegistryBinary(RegistryKeyPath(section), name, value))
            m_registryFailed = true;
        return;
    }
#endif
    setValue(Key(section, name), value);
}

void SettingsStore::remove(const QString& section, const QString& name) {
    if (m_registry) {
        m_registry->remove(Key(section, name));
        return;
    }
    const QString key = Key(section, name);
    m_values.remove(key);
    m_changes.insert(key, std::nullopt);
}

void SettingsStore::removeSection(const QString& section) {
    if (m_registry) {
        m_registry->remove(section);
        return;
    }
    const QString prefix = section + QLatin1Char('/');
    auto it = m_values.lowerBound(prefix);
    while (it != m_values.end() && it.key().startsWith(prefix)) {
        m_changes.insert(it.key(), std::nullopt);
        it = m_values.erase(it);
    }
}

bool SettingsStore::sync() {
    if (m_registry) {
        m_registry->sync();
        const bool written = m_registry->status() == QSettings::NoError && !m_registryFailed;
        m_registryFailed = false;
        return written;
    }
    if (m_changes.isEmpty())
        return true;
    // Only this store's own changes go onto what the file holds now, so
    // another store object's save in between is not undone.
    bool readable = true;
    QMap<QString, QVariant> merged = ReadIni(m_fileName, &readable);
    // A file that exists but cannot be read would be replaced by our changes alone.
    if (!readable)
        return false;
    for (auto it = m_changes.cbegin(); it != m_changes.cend(); ++it) {
        if (*it)
            merged.insert(it.key(), **it);
        else
            merged.remove(it.key());
    }
    if (!writeFile(merged))
        return false;
    m_values = merged;
    m_changes.clear();
    return true;
}

bool SettingsStore::writeFile(const QMap<QString, QVariant>& values) {
    // A settings file kept as a link elsewhere stays a link: the file it
    // points to is the one replaced.
    const QFileInfo link(m_fileName);
    QString targetName = m_fileName;
    if (link.isSymLink()) {
        targetName = link.canonicalFilePath();
        if (targetName.isEmpty()) // a link to a file not made yet
            targetName = link.symLinkTarget();
    }
    const QFileInfo target(targetName);
    if (!QDir().mkpath(target.absolutePath()))
        return false;
    const QString pattern = targetName + QLatin1String(".XXXXXX");

    // Qt writes the INI text into a new file beside the old one ...
    QTemporaryFile written(pattern);
    if (!written.open())
        return false;
    written.close();
    {
        QSettings ini(written.fileName(), QSettings::IniFormat);
        ini.clear();
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            ini.setValue(it.key(), *it);
        ini.sync();
        if (ini.status() != QSettings::NoError)
            return false;
    }
    // ... which is read back under a name Qt has not seen, so that the
    // bytes on disk are parsed rather than Qt's cache of what it wrote ...
    QString checkName;
    {
        QTemporaryFile check(pattern);
        if (!check.open())
            return false;
        checkName = check.fileName();
    } // removed again: QFile::copy does not overwrite
    if (!QFile::copy(written.fileName(), checkName)) {
        QFile::remove(checkName);
        return false;
    }
    const bool complete = SameValues(values, ReadIni(checkName));
    QFile::remove(checkName);
    // ... and only a complete file takes the old one's place.
    if (!complete)
        return false;
    // The new file keeps the old one's permissions (the temporary file's are owner-only).
    if (target.exists())
        QFile::setPermissions(written.fileName(), QFile::permissions(targetName));
    if (!FlushToDisk(written.fileName()))
        return false;
    if (!ReplaceFile(written.fileName(), targetName))
        return false;
    written.setAutoRemove(false);
    return true;
}
