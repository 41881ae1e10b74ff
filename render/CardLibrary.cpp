// Loads cards32.dll, looks up its five entry points, and forwards card drawing to it.
#include "render/CardLibrary.h"
#include "resources/StringIds.h"
#include "system/ResourceText.h"

namespace {
const wchar_t LibraryFileName[] = L"cards32.dll";

void ShowError(HWND owner, UINT textId) { MessageBoxW(owner, ResourceText::Load(textId).c_str(), nullptr, MB_OK); }

// GetProcAddress gives a generic address; going through void* says the type is known.
template <typename Proc>
Proc EntryPoint(HMODULE module, const char* name) {
    return reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}
}

CardLibrary::CardLibrary()
    : module(nullptr), cardHeight(0), cardWidth(0), cdtInit(nullptr), cdtDraw(nullptr), cdtDrawExt(nullptr),
      cdtAnimate(nullptr), cdtTerm(nullptr), initialised(false) {}

CardLibrary::~CardLibrary() {
    if (module) Unload();
}

int CardLibrary::Load(HWND owner) { return LoadFile(owner, LibraryFileName); }

int CardLibrary::LoadFile(HWND owner, const wchar_t* fileName) {
    if (module) return 0;
    module = LoadLibraryW(fileName);
    if (!module) {
        ShowError(owner, IDS_MISSING_LIBRARY);
        return 0;
    }
    cdtInit = EntryPoint<InitProc>(module, "cdtInit");
    cdtTerm = EntryPoint<TermProc>(module, "cdtTerm");
    cdtDraw = EntryPoint<DrawProc>(module, "cdtDraw");
    cdtDrawExt = EntryPoint<DrawExtProc>(module, "cdtDrawExt");
    cdtAnimate = EntryPoint<AnimateProc>(module, "cdtAnimate");
    if (!cdtInit || !cdtTerm || !cdtDraw || !cdtDrawExt || !cdtAnimate) {
        // The library stays loaded until Unload.
        ShowError(owner, IDS_MISSING_EXPORTS);
        return 0;
    }
    const BOOL ready = cdtInit(&cardWidth, &cardHeight);
    initialised = ready != FALSE;
    return ready;
}

void CardLibrary::Unload() {
    // Only a library that cdtInit set up is terminated: it may be shared with other callers.
    if (cdtTerm && initialised) cdtTerm();
    if (module) FreeLibrary(module);
    module = nullptr;
    cdtInit = nullptr;
    cdtDraw = nullptr;
    cdtDrawExt = nullptr;
    cdtAnimate = nullptr;
    cdtTerm = nullptr;
    initialised = false;
}

int CardLibrary::DrawCard(HDC dc, int x, int y, int card, int mode, COLORREF colour) const {
    if (!cdtDraw) return 0;
    return cdtDraw(dc, x, y, card, mode, colour);
}

int CardLibrary::DrawCardAt(HDC dc, int x, int y, int width, int height, int card, int mode,
                            COLORREF colour) const {
    if (!cdtDrawExt) return 0;
    return cdtDrawExt(dc, x, y, width, height, card, mode, colour);
}

bool CardLibrary::IsLoaded() const { return module != nullptr; }

int CardLibrary::CardWidth() const { return cardWidth; }

int CardLibrary::CardHeight() const { return cardHeight; }
