// Opening, creating and closing a registry key.
#include "settings/RegistryKey.h"

RegistryKey::~RegistryKey() { Close(); }

bool RegistryKey::Open(HKEY root, const wchar_t* subkey, REGSAM access) {
    Close();
    if (RegOpenKeyExW(root, subkey, 0, access, &key) == ERROR_SUCCESS)
        return true;
    key = nullptr;
    return false;
}

bool RegistryKey::Create(HKEY root, const wchar_t* subkey, REGSAM access) {
    Close();
    wchar_t emptyClass[] = L"";
    DWORD disposition = 0;
    if (RegCreateKeyExW(root, subkey, 0, emptyClass, REG_OPTION_NON_VOLATILE, access, nullptr, &key,
                        &disposition) == ERROR_SUCCESS)
        return true;
    key = nullptr;
    return false;
}

void RegistryKey::Close() {
    if (key != nullptr)
        RegCloseKey(key);
    key = nullptr;
}
