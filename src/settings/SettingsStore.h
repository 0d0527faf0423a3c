#pragma once

#include <QSettings>
#include <QString>
#include <memory>

// The one store of everything the program remembers: the per-user settings
// of organisation "Movra", application "Vellomar!" (the registry key on
// Windows, an INI file on Linux), or a given INI file (tests, --settings).
// Sections are QSettings groups; values are strings as the store writes them.
class SettingsStore {
public:
    SettingsStore();
    explicit SettingsStore(const QString& iniFile);

    QSettings& settings() { return *m_settings; }

    bool contains(const QString& section, const QString& name) const;
    QString readString(const QString& section, const QString& name,
                       const QString& fallback = QString()) const;
    // A missing value, or one that is not a decimal number, gives the fallback.
    int readInteger(const QString& section, const QString& name, int fallback) const;
    // True when the stored integer is non-zero.
    bool readBool(const QString& section, const QString& name, bool fallback) const;

    void writeString(const QString& section, const QString& name, const QString& value);
    void writeInteger(const QString& section, const QString& name, int value);
    void writeBool(const QString& section, const QString& name, bool value);
    void remove(const QString& section, const QString& name);

    // Writes pending changes to the backing file.
    void sync();

private:
    QString key(const QString& section, const QString& name) const;

    std::unique_ptr<QSettings> m_settings;
};
