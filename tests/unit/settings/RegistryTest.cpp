// The registry operations: value types and sizes, unterminated strings, buffers too small, texts outside any
// code page, values stored by earlier releases, deleting keys.
#include <gtest/gtest.h>
#include <windows.h>
#include <cstring>
#include <cwchar>
#include "settings/Registry.h"

namespace {
const wchar_t* const TestKey = L"Software\\Quillmere\\ZarnockRegistryTest";

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteKeyW(HKEY_CURRENT_USER, TestKey); }
    void TearDown() override { RegDeleteKeyW(HKEY_CURRENT_USER, TestKey); }

    // Stores raw bytes of any type, bypassing the operations under test.
    void StoreRaw(const wchar_t* name, DWORD type, const void* data, DWORD size) {
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, TestKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                                                 nullptr));
        EXPECT_EQ(ERROR_SUCCESS, RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size));
        RegCloseKey(key);
    }
    // Stores a text as releases did that wrote the system's code page.
    void StoreAnsi(const char* name, const char* text) {
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Quillmere\\ZarnockRegistryTest", 0,
                                                 nullptr, 0, KEY_WRITE, nullptr, &key, nullptr));
        EXPECT_EQ(ERROR_SUCCESS, RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                                                static_cast<DWORD>(std::strlen(text) + 1)));
        RegCloseKey(key);
    }

    // The stored type and size of a value, or false when it is missing.
    bool QueryRaw(const wchar_t* name, DWORD* type, DWORD* size) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, TestKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        const bool found = RegQueryValueExW(key, name, nullptr, type, nullptr, size) == ERROR_SUCCESS;
        RegCloseKey(key);
        return found;
    }
};

TEST_F(RegistryTest, DwordComesBackAsStoredIncludingNegativeNumbers) {
    EXPECT_TRUE(RegSetDword(HKEY_CURRENT_USER, TestKey, L"Left", static_cast<DWORD>(-5)));
    EXPECT_EQ(-5, static_cast<int>(RegGetDword(HKEY_CURRENT_USER, TestKey, L"Left", 7)));
    DWORD type = 0, size = 0;
    ASSERT_TRUE(QueryRaw(L"Left", &type, &size));
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), type);
    EXPECT_EQ(4u, size);
}

TEST_F(RegistryTest, DwordFallsBackToTheDefaultWhenMissingOrOfAnotherKind) {
    EXPECT_EQ(42u, RegGetDword(HKEY_CURRENT_USER, TestKey, L"Beep", 42));  // no key at all
    StoreRaw(L"Text", REG_SZ, L"0", 4);
    const DWORD four = 4;
    StoreRaw(L"Binary", REG_BINARY, &four, sizeof four);
    const WORD shortValue = 9;
    StoreRaw(L"Short", REG_DWORD, &shortValue, sizeof shortValue);
    EXPECT_EQ(42u, RegGetDword(HKEY_CURRENT_USER, TestKey, L"Missing", 42));
    EXPECT_EQ(42u, RegGetDword(HKEY_CURRENT_USER, TestKey, L"Text", 42));
    EXPECT_EQ(42u, RegGetDword(HKEY_CURRENT_USER, TestKey, L"Binary", 42));
    EXPECT_EQ(42u, RegGetDword(HKEY_CURRENT_USER, TestKey, L"Short", 42));
}

TEST_F(RegistryTest, StringIsStoredWithItsTerminatingZeroAndReadBack) {
    EXPECT_TRUE(RegSetString(HKEY_CURRENT_USER, TestKey, L"Name0", L"Velko the Conqueror"));
    DWORD type = 0, size = 0;
    ASSERT_TRUE(QueryRaw(L"Name0", &type, &size));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    EXPECT_EQ((std::wcslen(L"Velko the Conqueror") + 1) * sizeof(wchar_t), size);
    wchar_t buffer[256];
    EXPECT_TRUE(RegGetString(HKEY_CURRENT_USER, TestKey, L"Name0", buffer, 256));
    EXPECT_STREQ(L"Velko the Conqueror", buffer);
}

TEST_F(RegistryTest, TextsOfAnyScriptRoundTripAndOldCodePageTextsReadAsBefore) {
    const wchar_t* const names[] = {L"\u0391\u03bb\u03ad\u03be\u03b7\u03c2", L"\u0412\u0435\u043b\u044c\u043a\u043e",
                                    L"\u30f4\u30a7\u30eb\u30b3", L"Za\u017c\u00f3\u0142\u0107"};
    for (const wchar_t* name : names) {
        EXPECT_TRUE(RegSetString(HKEY_CURRENT_USER, TestKey, L"Name0", name));
        wchar_t buffer[64];
        EXPECT_TRUE(RegGetString(HKEY_CURRENT_USER, TestKey, L"Name0", buffer, 64));
        EXPECT_STREQ(name, buffer);
    }
    StoreAnsi("Name1", "Velko Wins Again");
    wchar_t buffer[64];
    EXPECT_TRUE(RegGetString(HKEY_CURRENT_USER, TestKey, L"Name1", buffer, 64));
    EXPECT_STREQ(L"Velko Wins Again", buffer);
}

TEST_F(RegistryTest, EmptyStringRoundTrips) {
    EXPECT_TRUE(RegSetString(HKEY_CURRENT_USER, TestKey, L"Name1", L""));
    wchar_t buffer[8] = L"junk";
    EXPECT_TRUE(RegGetString(HKEY_CURRENT_USER, TestKey, L"Name1", buffer, 8));
    EXPECT_STREQ(L"", buffer);
}

TEST_F(RegistryTest, StringStoredWithoutTerminatorComesBackTerminatedWithinTheBuffer) {
    StoreRaw(L"Score0", REG_SZ, L"4550", 4 * sizeof(wchar_t));
    struct Case {
        DWORD bufferSize;
        bool expected;
        const wchar_t* text;
    };
    const Case cases[] = {{16, true, L"4550"}, {5, true, L"4550"}, {4, false, L""}, {2, false, L""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bufferSize);
        wchar_t guarded[24];
        std::wmemset(guarded, L'#', 24);
        EXPECT_EQ(c.expected, RegGetString(HKEY_CURRENT_USER, TestKey, L"Score0", guarded, c.bufferSize));
        EXPECT_STREQ(c.text, guarded);
        for (DWORD i = c.bufferSize; i < 24; ++i)
            ASSERT_EQ(L'#', guarded[i]) << "written past the buffer at " << i;
    }
}

TEST_F(RegistryTest, StringLongerThanTheBufferFailsWithAnEmptyBuffer) {
    EXPECT_TRUE(RegSetString(HKEY_CURRENT_USER, TestKey, L"Name2", L"Velko's Massive High Score"));
    wchar_t guarded[32];
    std::wmemset(guarded, L'#', 32);
    EXPECT_FALSE(RegGetString(HKEY_CURRENT_USER, TestKey, L"Name2", guarded, 10));
    EXPECT_STREQ(L"", guarded);
    for (int i = 10; i < 32; ++i)
        ASSERT_EQ(L'#', guarded[i]);
    // Exactly the text and its zero fits.
    wchar_t exact[27];
    EXPECT_TRUE(RegGetString(HKEY_CURRENT_USER, TestKey, L"Name2", exact, 27));
    EXPECT_STREQ(L"Velko's Massive High Score", exact);
}

TEST_F(RegistryTest, StringOfAnotherKindOrMissingFailsWithAnEmptyBuffer) {
    RegSetDword(HKEY_CURRENT_USER, TestKey, L"Score9", 5);
    wchar_t buffer[16] = L"left over";
    EXPECT_FALSE(RegGetString(HKEY_CURRENT_USER, TestKey, L"Score9", buffer, 16));
    EXPECT_STREQ(L"", buffer);
    std::wcscpy(buffer, L"left over");
    EXPECT_FALSE(RegGetString(HKEY_CURRENT_USER, TestKey, L"Missing", buffer, 16));
    EXPECT_STREQ(L"", buffer);
}

TEST_F(RegistryTest, ZeroSizedBufferIsNeverWritten) {
    RegSetString(HKEY_CURRENT_USER, TestKey, L"Name3", L"x");
    wchar_t buffer[4] = L"abc";
    EXPECT_FALSE(RegGetString(HKEY_CURRENT_USER, TestKey, L"Name3", buffer, 0));
    EXPECT_STREQ(L"abc", buffer);
}

TEST_F(RegistryTest, DeleteSubkeyRemovesTheKeyOnce) {
    RegSetString(HKEY_CURRENT_USER, TestKey, L"Name0", L"someone");
    EXPECT_TRUE(RegDeleteSubkey(HKEY_CURRENT_USER, TestKey));
    wchar_t buffer[16];
    EXPECT_FALSE(RegGetString(HKEY_CURRENT_USER, TestKey, L"Name0", buffer, 16));
    EXPECT_FALSE(RegDeleteSubkey(HKEY_CURRENT_USER, TestKey));
}
}  // namespace
