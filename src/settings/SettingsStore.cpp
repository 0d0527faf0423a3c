#include "settings/SettingsStore.h"

SettingsStore::SettingsStore()
    : m_settings(
          std::make_unique<QSettings>(QStringLiteral("Movra"), QStringLiteral("Vellomar!"))) {}

SettingsStore::SettingsStore(const QString& iniFile)
    : m_settings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

QString SettingsStore::key(const QString& section, const QString& name) const {
    return section.isEmpty() ? name : section + QLatin1Char('/') + name;
}

bool SettingsStore::contains(const QString& section, const QString& name) const {
    return m_settings->contains(key(section, name));
}

QString SettingsStore::readString(const QString& section, const QString& name,
                                  const QString& fallback) const {
    const QVariant value = m_settings->value(key(section, name));
    return value.isValid() ? value.toString() : fallback;
}

int SettingsStore::readInteger(const QString& section, const QString& name, int fallback) const {
    const QVariant value = m_settings->value(key(section, name));
    if (!value.isValid())
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

void SettingsStore::remove(const QString& section, const QString& name) {
    m_settings->remove(key(section, name));
}

void SettingsStore::sync() {
    m_settings->sync();
}
