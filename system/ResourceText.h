// The program's texts from its string tables, in the language the resource loader chose for the player.
#pragma once
#include <windows.h>
#include <cwchar>
#include <string>

class ResourceText {
public:
    // The string `id` of `module`'s string table (the program's own when `module` is null); empty when
    // there is none.
    static std::wstring Load(UINT id, HINSTANCE module = nullptr);

    // The string `id` as a printf format, its fields filled from `args` (numbers, and %ls for a wide text).
    template <typename... Args>
    static std::wstring Format(UINT id, Args... args) {
        const std::wstring format = Load(id);
        wchar_t text[512];
        // The runtime's own formatting: a text too long for the buffer comes back unformatted.
        const int length = _snwprintf(text, sizeof text / sizeof text[0], format.c_str(), args...);
        return length < 0 ? format : std::wstring(text, length);
    }
};
