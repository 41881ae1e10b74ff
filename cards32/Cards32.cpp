// PLACEHOLDER: the card library's entry points; to be replaced by the real drawing.
#include <windows.h>
extern "C" {
BOOL WINAPI cdtInit(int* width, int* height) { *width = 71; *height = 96; return TRUE; }
BOOL WINAPI cdtDraw(HDC, int, int, int, int, COLORREF) { return TRUE; }
BOOL WINAPI cdtDrawExt(HDC, int, int, int, int, int, int, COLORREF) { return TRUE; }
BOOL WINAPI cdtAnimate(HDC, int, int, int, int) { return TRUE; }
void WINAPI cdtTerm() {}
}
