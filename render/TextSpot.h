// A place where the board writes a text again and again: what the last text there covered is remembered.
#pragma once
#include <windows.h>

class TextSpot {
public:
    // Where x lies on the text's cell: its left edge, its centre or its right edge.
    enum Anchor { LeftEdge, Centre, RightEdge };

    TextSpot() = default;
    virtual ~TextSpot() = default;

    // Writes `text` in the device context's font and colours, its cell's top at y and its anchor at x. The
    // part of the last text's cell here that the new cell leaves uncovered is filled with the background
    // colour, so that no fragment of the old text stays whatever the font's space width. Returns the cell.
    RECT Write(HDC dc, int x, int y, Anchor anchor, const wchar_t* text);
    // Fills the last text's cell with `background`; nothing is written here until the next Write.
    void Erase(HDC dc, COLORREF background);
    // The last text has been drawn over or erased along with the board: the next Write fills nothing.
    void Forget();
    // The last text's cell; empty before the first Write.
    const RECT& Cell() const { return cell; }

    // The cell a text would take with its anchor at (x, y), measured in the device context's font; an empty
    // cell at x when it cannot be measured.
    static RECT CellOf(HDC dc, int x, int y, Anchor anchor, const wchar_t* text);

private:
    RECT cell = {0, 0, 0, 0};
};
