// Loading and freeing a library.
#include "LoadedLibrary.h"

LoadedLibrary::LoadedLibrary(const std::string& path) : module(LoadLibraryA(path.c_str())) {}

LoadedLibrary::~LoadedLibrary() {
    if (module) FreeLibrary(module);
}

void* LoadedLibrary::Entry(const char* name) const {
    return module ? reinterpret_cast<void*>(GetProcAddress(module, name)) : nullptr;
}
