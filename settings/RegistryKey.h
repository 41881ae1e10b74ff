// An open registry key that closes itself when it goes out of scope.
#pragma once
#include <windows.h>

class RegistryKey {
public:
    RegistryKey() = default;
    virtual ~RegistryKey();
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // Opens an existing key; false when it cannot be opened.
    bool Open(HKEY root, const wchar_t* subkey, REGSAM access);
    // Opens the key, creating it (non-volatile, empty class) when it is missing.
    bool Create(HKEY root, const wchar_t* subkey, REGSAM access);
    void Close();

    HKEY Get() const { return key; }

private:
    HKEY key = nullptr;
};
