// The binding to the card-drawing library cards32.dll: loading, the entry points, drawing.
#pragma once
#include <windows.h>

class CardLibrary {
public:
    // The library's entry points, as the program calls them.
    typedef BOOL(WINAPI* InitProc)(int* width, int* height);
    typedef BOOL(WINAPI* DrawProc)(HDC dc, int x, int y, int card, int mode, COLORREF colour);
    typedef BOOL(WINAPI* DrawExtProc)(HDC dc, int x, int y, int width, int height, int card, int mode,
                                      COLORREF colour);
    typedef BOOL(WINAPI* AnimateProc)(HDC dc, int card, int x, int y, int frame);
    typedef void(WINAPI* TermProc)();

    CardLibrary();
    // Unloads the library if it is still loaded.
    virtual ~CardLibrary();

    // Loads "cards32.dll"; non-zero when the library is ready. Errors are shown owned by `owner`.
    int Load(HWND owner);
    // As Load, from the given file.
    int LoadFile(HWND owner, const wchar_t* fileName);
    void Unload();
    // The cdtDraw result, or 0 when no library is loaded.
    int DrawCard(HDC dc, int x, int y, int card, int mode, COLORREF colour) const;
    // The cdtDrawExt result: the card drawn at width x height pixels, which the library renders at that
    // size; 0 when no library is loaded.
    int DrawCardAt(HDC dc, int x, int y, int width, int height, int card, int mode, COLORREF colour) const;

    bool IsLoaded() const;
    int CardWidth() const;
    int CardHeight() const;

private:
    HMODULE module;
    int cardHeight;
    int cardWidth;
    InitProc cdtInit;
    DrawProc cdtDraw;
    DrawExtProc cdtDrawExt;
    AnimateProc cdtAnimate;
    TermProc cdtTerm;
    bool initialised;  // cdtInit succeeded, so Unload owes the library a cdtTerm
};
