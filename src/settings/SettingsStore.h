#pragma once

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

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
    // The names of the values in a section.
    QStringList valueNames(const QString& section) const;
    QString readString(const QString& section, const QString& name,
                       const QString& fallback = QString()) const;
    // A missing value, or one that is not a decimal number, gives the fallback.
    int readInteger(const QString& section, const QString& name, int fallback) const;
    // True when the stored integer is non-zero.
    bool readBool(const QString& section, const QString& name, bool fallback) const;
    // A binary value; nullopt when missing or not binary.
    std::optional<QByteArray> readBytes(const QString& section, const QString& name) const;

    void writeString(const QString& section, const QString& name, const QString& value);
    void writeInteger(const QString& section, const QString& name, int value);
    void writeBool(const QString& section, const QString& name, bool value);
    void writeBytes(const QString& section, const QString& name, const QByteArray& value);
    void remove(const QString& section, const QString& name);

    // Writes pending changes to the backing file; false when that failed.
    // The file is replaced as a whole (written aside, then renamed over the
    // old one), so a failed or interrupted save leaves the old file intact.
    bool sync();

private:
    QString key(const QString& section, const QString& name) const;

    std::unique_ptr<QSettings> m_settings;
};
