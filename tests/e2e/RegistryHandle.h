// A registry key the end-to-end tests open or create at once, closed when this object goes out of scope.
#pragma once
#include <windows.h>

class RegistryHandle {
public:
    // Opens `path` under `root` with `access`; with `create`, makes the key when it is missing.
    RegistryHandle(HKEY root, const char* path, REGSAM access, bool create);
    virtual ~RegistryHandle();
    RegistryHandle(const RegistryHandle&) = delete;
    RegistryHandle& operator=(const RegistryHandle&) = delete;

    bool IsOpen() const { return key != nullptr; }
    HKEY Handle() const { return key; }

private:
    HKEY key;
};
