// Reading and writing single registry values, each with its own open and close of the key.
#include "settings/Registry.h"
#include <cwchar>
#include "settings/RegistryKey.h"

namespace {
bool QueryType(HKEY key, const wchar_t* name, DWORD* type, DWORD* size) {
    return RegQueryValueExW(key, name, nullptr, type, nullptr, size) == ERROR_SUCCESS;
}
}  // namespace

DWORD RegGetDword(HKEY root, const wchar_t* subkey, const wchar_t* name, DWORD defaultValue) {
    RegistryKey key;
    if (!key.Open(root, subkey, KEY_READ))
        return defaultValue;
    DWORD type = 0;
    DWORD size = 0;
    if (!QueryType(key.Get(), name, &type, &size) || type != REG_DWORD)
        return defaultValue;
    DWORD value = 0;
    size = sizeof value;
    if (RegQueryValueExW(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS)
        return defaultValue;
    // A short REG_DWORD would leave part of the value unset: treat it as unreadable.
    return size == sizeof value ? value : defaultValue;
}

bool RegSetDword(HKEY root, const wchar_t* subkey, const wchar_t* name, DWORD value) {
    RegistryKey key;
    if (!key.Create(root, subkey, KEY_WRITE))
        return false;
    return RegSetValueExW(key.Get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value) ==
           ERROR_SUCCESS;
}

bool RegGetString(HKEY root, const wchar_t* subkey, const wchar_t* name, wchar_t* buffer, DWORD bufferSize) {
    if (bufferSize == 0 || buffer == nullptr)
        return false;  // not even the terminating zero fits
    buffer[0] = L'\0';
    RegistryKey key;
    if (!key.Open(root, subkey, KEY_READ))
        return false;
    DWORD type = 0;
    DWORD size = 0;
    if (!QueryType(key.Get(), name, &type, &size) || type != REG_SZ)
        return false;
    // The system counts bytes; a stored text may be of any length, odd ones included.
    const DWORD capacity = bufferSize * sizeof(wchar_t);
    size = capacity;
    if (RegQueryValueExW(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS ||
        type != REG_SZ || size > capacity) {
        buffer[0] = L'\0';
        return false;
    }
    const DWORD length = size / sizeof(wchar_t);
    // The stored data need not end with a zero: terminate it, and refuse text that leaves no room for it.
    if (length > 0 && buffer[length - 1] == L'\0')
        return true;
    if (length == bufferSize) {
        buffer[0] = L'\0';
        return false;
    }
    buffer[length] = L'\0';
    return true;
}

bool RegSetString(HKEY root, const wchar_t* subkey, const wchar_t* name, const wchar_t* text) {
    RegistryKey key;
    if (!key.Create(root, subkey, KEY_WRITE))
        return false;
    const DWORD size = static_cast<DWORD>((std::wcslen(text) + 1) * sizeof(wchar_t));
    return RegSetValueExW(key.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), size) == ERROR_SUCCESS;
}

bool RegDeleteSubkey(HKEY root, const wchar_t* subkey) { return RegDeleteKeyW(root, subkey) == ERROR_SUCCESS; }
