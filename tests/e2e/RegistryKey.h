// An open registry key, closed when this object goes out of scope.
#pragma once
#include <windows.h>

class RegistryKey {
public:
    // Opens `path` under `root` with `access`; with `create`, makes the key when it is missing.
    RegistryKey(HKEY root, const char* path, REGSAM access, bool create);
    virtual ~RegistryKey();
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    bool IsOpen() const { return key != nullptr; }
    HKEY Handle() const { return key; }

private:
    HKEY key;
};
