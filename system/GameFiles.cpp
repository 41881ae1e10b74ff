// Where the game finds its own files (songs, help page): the current folder first, then the program's folder.
#include "system/GameFiles.h"
#include <windows.h>

namespace {
bool IsFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}
}  // namespace

std::string ProgramFolder() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path)
        return std::string();
    std::string folder(path, length);
    const std::string::size_type slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}

std::string LocateGameFile(const std::string& name, const std::string& programFolder) {
    if (IsFile(name) || programFolder.empty())
        return name;
    const std::string besideProgram = programFolder + name;
    return IsFile(besideProgram) ? besideProgram : name;
}
