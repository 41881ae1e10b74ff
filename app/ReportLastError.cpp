// The message box with the system's text for the last operating-system error.
#include "app/ReportLastError.h"
#include <windows.h>
#include <string>
#include "resources/StringIds.h"
#include "system/ResourceText.h"

namespace {
const wchar_t* const ErrorCaption = L"Zarnock";
}

void ReportLastError() {
    const DWORD error = GetLastError();
    wchar_t* text = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<wchar_t*>(&text), 0,
                       nullptr);
    const std::wstring fallback = ResourceText::Format(IDS_ERROR_NUMBER, static_cast<unsigned long>(error));
    MessageBoxW(nullptr, length != 0 && text != nullptr ? text : fallback.c_str(), ErrorCaption,
                MB_OK | MB_ICONINFORMATION);
    if (text != nullptr)
        LocalFree(text);
}
