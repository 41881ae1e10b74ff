// Reading and writing single registry values, each with its own open and close of the key.
#include "settings/Registry.h"
#include <cstring>
#include "settings/RegistryKey.h"

namespace {
bool QueryType(HKEY key, const char* name, DWORD* type, DWORD* size) {
    return RegQueryValueExA(key, name, nullptr, type, nullptr, size) == ERROR_SUCCESS;
}
}  // namespace

DWORD RegGetDword(HKEY root, const char* subkey, const char* name, DWORD defaultValue) {
    RegistryKey key;
    if (!key.Open(root, subkey, KEY_READ))
        return defaultValue;
    DWORD type = 0;
    DWORD size = 0;
    if (!QueryType(key.Get(), name, &type, &size) || type != REG_DWORD)
        return defaultValue;
    DWORD value = 0;
    size = sizeof value;
    if (RegQueryValueExA(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS)
        return defaultValue;
    // A short REG_DWORD would leave part of the value unset: treat it as unreadable.
    return size == sizeof value ? value : defaultValue;
}

bool RegSetDword(HKEY root, const char* subkey, const char* name, DWORD value) {
    RegistryKey key;
    if (!key.Create(root, subkey, KEY_WRITE))
        return false;
    return RegSetValueExA(key.Get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value) ==
           ERROR_SUCCESS;
}

bool RegGetString(HKEY root, const char* subkey, const char* name, char* buffer, DWORD bufferSize) {
    if (bufferSize == 0 || buffer == nullptr)
        return false;  // not even the terminating zero fits
    buffer[0] = '\0';
    RegistryKey key;
    if (!key.Open(root, subkey, KEY_READ))
        return false;
    DWORD type = 0;
    DWORD size = 0;
    if (!QueryType(key.Get(), name, &type, &size) || type != REG_SZ)
        return false;
    size = bufferSize;
    if (RegQueryValueExA(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS ||
        type != REG_SZ || size > bufferSize) {
        buffer[0] = '\0';
        return false;
    }
    // The stored data need not end with a zero: terminate it, and refuse text that leaves no room for it.
    if (size > 0 && buffer[size - 1] == '\0')
        return true;
    if (size == bufferSize) {
        buffer[0] = '\0';
        return false;
    }
    buffer[size] = '\0';
    return true;
}

bool RegSetString(HKEY root, const char* subkey, const char* name, const char* text) {
    RegistryKey key;
    if (!key.Create(root, subkey, KEY_WRITE))
        return false;
    const DWORD size = static_cast<DWORD>(std::strlen(text) + 1);
    return RegSetValueExA(key.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), size) == ERROR_SUCCESS;
}

bool RegDeleteSubkey(HKEY root, const char* subkey) { return RegDeleteKeyA(root, subkey) == ERROR_SUCCESS; }
