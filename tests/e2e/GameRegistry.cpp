// Reading, writing and deleting the game's registry values from the test driver.
#include "GameRegistry.h"
#include <vector>
#include "RegistryHandle.h"

const char GameRegistry::KeyPath[] = "Software\\Quillmere\\Zarnock";

namespace {
bool DeleteTree(HKEY root, const std::string& path) {
    {
        RegistryHandle key(root, path.c_str(), KEY_READ, false);
        if (!key.IsOpen()) return true;
        std::vector<std::string> children;
        char name[256];
        for (DWORD index = 0;; ++index) {
            DWORD length = sizeof name;
            if (RegEnumKeyExA(key.Handle(), index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
                ERROR_SUCCESS)
                break;
            children.push_back(name);
        }
        for (const std::string& child : children)
            if (!DeleteTree(root, path + "\\" + child)) return false;
    }
    return RegDeleteKeyA(root, path.c_str()) == ERROR_SUCCESS;
}
}

GameRegistry::GameRegistry() {}

GameRegistry::~GameRegistry() {}

bool GameRegistry::Clear() const { return DeleteTree(HKEY_CURRENT_USER, KeyPath); }

bool GameRegistry::KeyExists() const {
    RegistryHandle key(HKEY_CURRENT_USER, KeyPath, KEY_READ, false);
    return key.IsOpen();
}

bool GameRegistry::SetDword(const char* name, DWORD value) const {
    RegistryHandle key(HKEY_CURRENT_USER, KeyPath, KEY_WRITE, true);
    return key.IsOpen() && RegSetValueExA(key.Handle(), name, 0, REG_DWORD,
                                          reinterpret_cast<const BYTE*>(&value), sizeof value) == ERROR_SUCCESS;
}

bool GameRegistry::SetString(const char* name, const std::string& text) const {
    RegistryHandle key(HKEY_CURRENT_USER, KeyPath, KEY_WRITE, true);
    return key.IsOpen() && RegSetValueExA(key.Handle(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                          static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
}

StoredValue GameRegistry::Read(const char* name) const {
    StoredValue value = {false, REG_NONE, 0, ""};
    RegistryHandle key(HKEY_CURRENT_USER, KeyPath, KEY_READ, false);
    if (!key.IsOpen()) return value;
    DWORD type = REG_NONE, size = 0;
    if (RegQueryValueExA(key.Handle(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return value;
    std::vector<BYTE> data(size + 1, 0);
    if (RegQueryValueExA(key.Handle(), name, nullptr, &type, data.data(), &size) != ERROR_SUCCESS) return value;
    value.present = true;
    value.type = type;
    if (type == REG_DWORD && size == sizeof(DWORD)) value.number = *reinterpret_cast<const DWORD*>(data.data());
    if (type == REG_SZ) value.text = reinterpret_cast<const char*>(data.data());
    return value;
}
