// The message box with the system's text for the last operating-system error.
#include "app/ReportLastError.h"
#include <windows.h>
#include <cstdio>

namespace {
const char* const ErrorCaption = "Zarnock";
}

void ReportLastError() {
    const DWORD error = GetLastError();
    char* text = nullptr;
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<char*>(&text), 0,
                       nullptr);
    char fallback[64];
    std::snprintf(fallback, sizeof fallback, "Error %lu", static_cast<unsigned long>(error));
    MessageBoxA(nullptr, length != 0 && text != nullptr ? text : fallback, ErrorCaption, MB_OK | MB_ICONINFORMATION);
    if (text != nullptr)
        LocalFree(text);
}
