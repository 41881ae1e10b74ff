// Opening, creating and closing a registry key.
#include "RegistryHandle.h"

RegistryHandle::RegistryHandle(HKEY root, const char* path, REGSAM access, bool create) : key(nullptr) {
    HKEY opened = nullptr;
    LONG result = create ? RegCreateKeyExA(root, path, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr,
                                           &opened, nullptr)
                         : RegOpenKeyExA(root, path, 0, access, &opened);
    if (result == ERROR_SUCCESS) key = opened;
}

RegistryHandle::~RegistryHandle() {
    if (key) RegCloseKey(key);
}
