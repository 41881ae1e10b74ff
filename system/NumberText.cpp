// A number written out in decimal digits, as wide text.
#include "system/NumberText.h"
#include <cwchar>

std::wstring NumberText(int value) {
    wchar_t text[16];
    const int length = _snwprintf(text, sizeof text / sizeof text[0], L"%d", value);
    return std::wstring(text, length > 0 ? length : 0);
}
