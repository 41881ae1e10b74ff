// The program's texts from its string tables, in the language the resource loader chose for the player.
#include "system/ResourceText.h"

std::wstring ResourceText::Load(UINT id, HINSTANCE module) {
    // With a buffer size of 0, LoadStringW gives a pointer to the text inside the resource, which is not
    // terminated; the length comes back.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(module ? module : GetModuleHandleW(nullptr), id,
                                   reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 && text ? std::wstring(text, length) : std::wstring();
}
