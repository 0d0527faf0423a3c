#include "settings/RegistryBinary.h"

#ifdef Q_OS_WIN

#include <windows.h>

namespace {

const wchar_t* Wide(const QString& text) {
    return reinterpret_cast<const wchar_t*>(text.utf16());
}

// No value the program stores comes near this; anything larger is not ours.
constexpr DWORD kMaxBinary = 64 * 1024;

} // namespace

std::optional<QByteArray> ReadRegistryBinary(const QString& keyPath, const QString& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, Wide(keyPath), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return std::nullopt;
    std::optional<QByteArray> result;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key, Wide(name), nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
        type == REG_BINARY && size <= kMaxBinary) {
        QByteArray bytes(qsizetype(size), '\0');
        DWORD got = size;
        if (RegQueryValueExW(key, Wide(name), nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()),
                             &got) == ERROR_SUCCESS &&
            type == REG_BINARY && got <= size) {
            bytes.truncate(qsizetype(got));
            result = bytes;
        }
    }
    RegCloseKey(key);
    return result;
}

bool WriteRegistryBinary(const QString& keyPath, const QString& name, const QByteArray& value) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, Wide(keyPath), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    const bool ok = RegSetValueExW(key, Wide(name), 0, REG_BINARY,
                                   reinterpret_cast<const BYTE*>(value.constData()),
                                   DWORD(value.size())) == ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

#endif
