// Making and removing the folder with a lone copy of the game.
#include "LoneGameFolder.h"

LoneGameFolder::LoneGameFolder(const std::string& gameExe) : copied(false) {
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    folder = std::string(temp) + "zarnock-e2e-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    copied = CopyFileA(gameExe.c_str(), ExePath().c_str(), FALSE) != FALSE;
}

LoneGameFolder::~LoneGameFolder() {
    DeleteFileA(ExePath().c_str());
    RemoveDirectoryA(folder.c_str());
}

bool LoneGameFolder::Holds(const std::string& fileName) const {
    return GetFileAttributesA((folder + "\\" + fileName).c_str()) != INVALID_FILE_ATTRIBUTES;
}
