// The registry operations behind the settings and the high-score table, and where they keep their values.
#pragma once
#include <windows.h>

// Under HKEY_CURRENT_USER.
const wchar_t* const SettingsKeyPath = L"Software\\Quillmere\\Zarnock";
const wchar_t* const HighScoresKeyPath = L"Software\\Quillmere\\Zarnock\\HighScores";

// A REG_DWORD value of exactly 4 bytes, or defaultValue when it is missing, unreadable or of another type.
DWORD RegGetDword(HKEY root, const wchar_t* subkey, const wchar_t* name, DWORD defaultValue);
// Writes a REG_DWORD value, creating the key when needed.
bool RegSetDword(HKEY root, const wchar_t* subkey, const wchar_t* name, DWORD value);
// Reads a REG_SZ value into buffer as a terminated string of at most bufferSize - 1 characters (UTF-16 units).
// False (and an empty buffer when bufferSize > 0) when the value is missing, not REG_SZ or too long.
bool RegGetString(HKEY root, const wchar_t* subkey, const wchar_t* name, wchar_t* buffer, DWORD bufferSize);
// Writes a REG_SZ value with its terminating zero, creating the key when needed.
bool RegSetString(HKEY root, const wchar_t* subkey, const wchar_t* name, const wchar_t* text);
// Deletes a key that has no subkeys of its own.
bool RegDeleteSubkey(HKEY root, const wchar_t* subkey);
