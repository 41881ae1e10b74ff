// Loading cards32.dll for a moment to learn the card size.
#include "CardSizeProbe.h"
#include "LoadedLibrary.h"

namespace {
using InitEntry = BOOL(WINAPI*)(int* width, int* height);
using TermEntry = void(WINAPI*)();
}

CardSizeProbe::CardSizeProbe(const std::string& libraryPath) : width(0), height(0) {
    LoadedLibrary library(libraryPath);
    auto init = reinterpret_cast<InitEntry>(library.Entry("cdtInit"));
    auto term = reinterpret_cast<TermEntry>(library.Entry("cdtTerm"));
    if (!init) return;
    int w = 0, h = 0;
    if (init(&w, &h)) {
        width = w;
        height = h;
    }
    if (term) term();
}

CardSizeProbe::~CardSizeProbe() {}
