// Where the game finds its own files (songs, help page): the current folder first, then the program's folder.
#include "system/GameFiles.h"
#include <windows.h>

bool IsFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return std::wstring();
    std::wstring folder(path, length);
    const std::wstring::size_type slash = folder.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : folder.substr(0, slash + 1);
}

std::wstring LocateGameFile(const std::wstring& name, const std::wstring& programFolder) {
    if (IsFile(name) || programFolder.empty())
        return name;
    const std::wstring besideProgram = programFolder + name;
    return IsFile(besideProgram) ? besideProgram : name;
}
