// A temporary folder holding only a copy of zarnock.exe, without its card library; removed afterwards.
#pragma once
#include <windows.h>
#include <string>

class LoneGameFolder {
public:
    // Copies `gameExe` into a new temporary folder.
    explicit LoneGameFolder(const std::string& gameExe);
    // Deletes the copy and the folder.
    virtual ~LoneGameFolder();
    LoneGameFolder(const LoneGameFolder&) = delete;
    LoneGameFolder& operator=(const LoneGameFolder&) = delete;

    bool Ready() const { return copied; }
    const std::string& Path() const { return folder; }
    std::string ExePath() const { return folder + "\\zarnock.exe"; }
    bool Holds(const std::string& fileName) const;

private:
    std::string folder;
    bool copied;
};
