// The game's settings key HKCU\Software\Quillmere\Zarnock, read and written as the tests set it up.
#pragma once
#include <windows.h>
#include <string>

struct StoredValue {
    bool present;
    DWORD type;       // REG_DWORD, REG_SZ, ...
    DWORD number;     // the value of a REG_DWORD
    std::string text; // the value of a REG_SZ
};

class GameRegistry {
public:
    static const char KeyPath[];

    GameRegistry();
    virtual ~GameRegistry();

    // Deletes the key with all its subkeys: the state of a fresh installation.
    bool Clear() const;
    bool KeyExists() const;
    bool SetDword(const char* name, DWORD value) const;
    bool SetString(const char* name, const std::string& text) const;
    StoredValue Read(const char* name) const;
};
