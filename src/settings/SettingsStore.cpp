#include "settings/SettingsStore.h"

SettingsStore::SettingsStore()
    : m_settings(
          std::make_unique<QSettings>(QStringLiteral("Movra"), QStringLiteral("Vellomar!"))) {
    // Never write the file in place: a crash mid-write must not cost the old one.
    m_settings->setAtomicSyncRequired(true);
}

SettingsStore::SettingsStore(const QString& iniFile)
    : m_settings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {
    m_settings->setAtomicSyncRequired(true);
}

QString SettingsStore::key(const QString& section, const QString& name) const {
    return section.isEmpty() ? name : section + QLatin1Char('/') + name;
}

bool SettingsStore::contains(const QString& section, const QString& name) const {
    return m_settings->contains(key(section, name));
}

QStringList SettingsStore::valueNames(const QString& section) const {
    m_settings->beginGroup(section);
    const QStringList names = m_settings->childKeys();
    m_settings->endGroup();
    return names;
}

QString SettingsStore::readString(const QString& section, const QString& name,
                                  const QString& fallback) const {
    const QVariant value = m_settings->value(key(section, name));
    if (!value.isValid())
        return fallback;
    // A hand-edited INI value with bare commas reads back as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

int SettingsStore::readInteger(const QString& section, const QString& name, int fallback) const {
    const QVariant value = m_settings->value(key(section, name));
    if (!value.isValid())
        return fallback;
    if (value.typeId() != QMetaType::QString)
        return fallback;
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok);
    return ok ? number : fallback;
}

bool SettingsStore::readBool(const QString& section, const QString& name, bool fallback) const {
    return readInteger(section, name, fallback ? 1 : 0) != 0;
}

void SettingsStore::writeString(const QString& section, const QString& name, const QString& value) {
    m_settings->setValue(key(section, name), value);
}

void SettingsStore::writeInteger(const QString& section, const QString& name, int value) {
    writeString(section, name, QString::number(value));
}

void SettingsStore::writeBool(const QString& section, const QString& name, bool value) {
    writeString(section, name, value ? QStringLiteral("1") : QStringLiteral("0"));
}

std::optional<QByteArray> SettingsStore::readBytes(const QString& section,
                                                   const QString& name) const {
    const QVariant value = m_settings->value(key(section, name));
    if (value.typeId() != QMetaType::QByteArray)
        return std::nullopt;
    return value.toByteArray();
}

void SettingsStore::writeBytes(const QString& section, const QString& name,
                               const QByteArray& value) {
    m_settings->setValue(key(section, name), value);
}

void SettingsStore::remove(const QString& section, const QString& name) {
    m_settings->remove(key(section, name));
}

bool SettingsStore::sync() {
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}
