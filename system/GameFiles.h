// Where the game finds its own files (songs, help page): the current folder first, then the program's folder.
#pragma once
#include <string>

// The folder that holds the running program, ending in a backslash; empty when it cannot be found.
std::wstring ProgramFolder();

// Whether `path` names a file (not a folder).
bool IsFile(const std::wstring& path);

// `name` when a file of that name is in the current folder; else its path in `programFolder` when it is
// there; else `name` as it is, so that opening it fails as it always has.
std::wstring LocateGameFile(const std::wstring& name, const std::wstring& programFolder);
