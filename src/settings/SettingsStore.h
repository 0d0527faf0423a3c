#pragma once

#include <QByteArray>
#include <QMap>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <optional>

// The one store of everything the program remembers: the per-user settings
// of organisation "Movra", application "Vellomar!" (the registry key on
// Windows, an INI file elsewhere), or a given INI file (tests, --settings).
// Sections are QSettings groups; values are strings as the store writes them.
//
// An INI file is read once into memory; sync() puts this store's changes
// onto what the file then holds and writes the file as a whole: the new file is written beside the
// old one, read back and checked, and only then renamed over it. So a failed or interrupted save (a
// full disk, a crash) leaves the previous file intact. Qt's own INI writer is not enough for that:
// it commits a file cut short by a short write.
class SettingsStore {
public:
    SettingsStore();
    explicit SettingsStore(const QString& iniFile);
    ~SettingsStore();
    SettingsStore(SettingsStore&&) noexcept;
    SettingsStore& operator=(SettingsStore&&) noexcept;

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
    // Removes every value of a section.
    void removeSection(const QString& section);

    // Writes pending changes; false when that failed, in which case the
    // previous file is left as it was and the changes stay pending.
    bool sync();

    // The INI file behind the store; empty for the Windows registry.
    QString fileName() const { return m_fileName; }

private:
    QVariant value(const QString& key) const;
    void setValue(const QString& key, const QVariant& value);
    bool writeFile(const QMap<QString, QVariant>& values);

    // Registry only: values go straight through QSettings, binary ones
    // through the registry API.
    std::unique_ptr<QSettings> m_registry;
    // A binary value could not be written since the last sync.
    bool m_registryFailed = false;
    // INI file: every value in memory, keyed "section/name".
    QString m_fileName;
    QMap<QString, QVariant> m_values;
    // What this store changed since its last save: a value, or removed.
    QMap<QString, std::optional<QVariant>> m_changes;
};
