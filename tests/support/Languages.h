// The languages the game speaks, with the language id of each one's resources.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>
#include <string>

struct Language {
    const char* tag;  // as the translations' files are named
    LANGID id;        // as the resource scripts declare them
};

const Language Languages[] = {
    {"en", MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)},
    {"de", MAKELANGID(LANG_GERMAN, SUBLANG_NEUTRAL)},
    {"fr", MAKELANGID(LANG_FRENCH, SUBLANG_NEUTRAL)},
    {"es", MAKELANGID(LANG_SPANISH, SUBLANG_NEUTRAL)},
    {"it", MAKELANGID(LANG_ITALIAN, SUBLANG_NEUTRAL)},
    {"pt-BR", MAKELANGID(LANG_PORTUGUESE, SUBLANG_PORTUGUESE_BRAZILIAN)},
    {"nl", MAKELANGID(LANG_DUTCH, SUBLANG_NEUTRAL)},
    {"pl", MAKELANGID(LANG_POLISH, SUBLANG_NEUTRAL)},
    {"ru", MAKELANGID(LANG_RUSSIAN, SUBLANG_NEUTRAL)},
    {"ja", MAKELANGID(LANG_JAPANESE, SUBLANG_NEUTRAL)},
    {"zh-CN", MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED)},
};

// Names the tests of a table over the languages by their tags.
std::string LanguageTestName(const ::testing::TestParamInfo<Language>& info);

// The resource types, spelled for the wide functions.
const LPCWSTR DialogResource = MAKEINTRESOURCEW(5);  // RT_DIALOG
const LPCWSTR StringResource = MAKEINTRESOURCEW(6);  // RT_STRING

// The string `id` of the program's table in `language`, whatever the interface language; empty when missing.
std::wstring StringIn(LANGID language, UINT id);
// The resource `id` of `type` in `language`; null when missing.
const void* ResourceIn(LANGID language, LPCWSTR type, UINT id);
