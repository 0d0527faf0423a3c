#pragma once

#include <QtGlobal>

#ifdef Q_OS_WIN

#include <QByteArray>
#include <QString>
#include <optional>

// Binary values (REG_BINARY) under HKEY_CURRENT_USER, which QSettings can only
// write as "@ByteArray(...)" text. `keyPath` is relative to HKEY_CURRENT_USER,
// with backslashes.

// The value's bytes; nullopt when the key or the value is missing, or the
// value is not binary. Reading creates nothing.
std::optional<QByteArray> ReadRegistryBinary(const QString& keyPath, const QString& name);

// Writes the value, creating the key when missing; false when that failed.
bool WriteRegistryBinary(const QString& keyPath, const QString& name, const QByteArray& value);

#endif
