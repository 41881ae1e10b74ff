// A library loaded with LoadLibrary and freed when this object goes out of scope.
#pragma once
#include <windows.h>
#include <string>

class LoadedLibrary {
public:
    explicit LoadedLibrary(const std::string& path);
    virtual ~LoadedLibrary();
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;

    bool Loaded() const { return module != nullptr; }
    // The address of an exported entry point, or null.
    void* Entry(const char* name) const;

private:
    HMODULE module;
};
