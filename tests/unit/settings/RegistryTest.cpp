// The registry operations: value types and sizes, unterminated strings, buffers too small, deleting keys.
#include <gtest/gtest.h>
#include <windows.h>
#include <cstring>
#include "settings/Registry.h"

namespace {
const char* const TestKey = "Software\\Quillmere\\ZarnockRegistryTest";

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteKeyA(HKEY_CURRENT_USER, TestKey); }
    void TearDown() override { RegDeleteKeyA(HKEY_CURRENT_USER, TestKey); }

    // Stores raw bytes of any type, bypassing the operations under test.
    void StoreRaw(const char* name, DWORD type, const void* data, DWORD size) {
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, TestKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                                                 nullptr));
        EXPECT_EQ(ERROR_SUCCESS, RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size));
        RegCloseKey(key);
    }

    // The stored type and size of a value, or false when it is missing.
    bool QueryRaw(const char* name, DWORD* type, DWORD* size) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, TestKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        const bool found = RegQueryValueExA(key, name, nullptr, type, nullptr, size) == ERROR_SUCCESS;
        RegCloseKey(key);
        return found;
    }
};

TEST_F(RegistryTest, DwordComesBackAsStoredIncludingNegativeNumbers) {
    EXPECT_TRUE(RegSetDword(HKEY_CURRENT_USER, TestKey, "Left", static_cast<DWORD>(-5)));
    EXPECT_EQ(-5, static_cast<int>(RegGetDword(HKEY_CURRENT_USER, TestKey, "Left", 7)));
    DWORD type = 0, size = 0;
    ASSERT_TRUE(QueryRaw("Left", &type, &size));
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), type);
    EXPECT_EQ(4u, size);
}

TEST_F(RegistryTest, DwordFallsBackToTheDefaultWhenMissingOrOfAnotherKind) {
    EXPECT_EQ(42u, RegGetDword(HKEY_CURRENT_USER, TestKey, "Beep", 42));  // no key at all
    StoreRaw("Text", REG_SZ, "0", 2);
    const DWORD four = 4;
    StoreRaw("Binary", REG_BINARY, &four, sizeof four);
    const WORD shortValue = 9;
    StoreRaw("Short", REG_DWORD, &shortValue, sizeof shortValue);
    EXPECT_EQ(42u, RegGetDword(HKEY_CURRENT_USER, TestKey, "Missing", 42));
    EXPECT_EQ(42u, RegGetDword(HKEY_CURRENT_USER, TestKey, "Text", 42));
    EXPECT_EQ(42u, RegGetDword(HKEY_CURRENT_USER, TestKey, "Binary", 42));
    EXPECT_EQ(42u, RegGetDword(HKEY_CURRENT_USER, TestKey, "Short", 42));
}

TEST_F(RegistryTest, StringIsStoredWithItsTerminatingZeroAndReadBack) {
    EXPECT_TRUE(RegSetString(HKEY_CURRENT_USER, TestKey, "Name0", "Velko the Conqueror"));
    DWORD type = 0, size = 0;
    ASSERT_TRUE(QueryRaw("Name0", &type, &size));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    EXPECT_EQ(std::strlen("Velko the Conqueror") + 1, size);
    char buffer[256];
    EXPECT_TRUE(RegGetString(HKEY_CURRENT_USER, TestKey, "Name0", buffer, sizeof buffer));
    EXPECT_STREQ("Velko the Conqueror", buffer);
}

TEST_F(RegistryTest, EmptyStringRoundTrips) {
    EXPECT_TRUE(RegSetString(HKEY_CURRENT_USER, TestKey, "Name1", ""));
    char buffer[8] = "junk";
    EXPECT_TRUE(RegGetString(HKEY_CURRENT_USER, TestKey, "Name1", buffer, sizeof buffer));
    EXPECT_STREQ("", buffer);
}

TEST_F(RegistryTest, StringStoredWithoutTerminatorComesBackTerminatedWithinTheBuffer) {
    StoreRaw("Score0", REG_SZ, "4550", 4);
    struct Case {
        DWORD bufferSize;
        bool expected;
        const char* text;
    };
    const Case cases[] = {{16, true, "4550"}, {5, true, "4550"}, {4, false, ""}, {2, false, ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bufferSize);
        char guarded[24];
        std::memset(guarded, '#', sizeof guarded);
        EXPECT_EQ(c.expected, RegGetString(HKEY_CURRENT_USER, TestKey, "Score0", guarded, c.bufferSize));
        EXPECT_STREQ(c.text, guarded);
        for (DWORD i = c.bufferSize; i < sizeof guarded; ++i)
            ASSERT_EQ('#', guarded[i]) << "written past the buffer at " << i;
    }
}

TEST_F(RegistryTest, StringLongerThanTheBufferFailsWithAnEmptyBuffer) {
    EXPECT_TRUE(RegSetString(HKEY_CURRENT_USER, TestKey, "Name2", "Velko's Massive High Score"));
    char guarded[32];
    std::memset(guarded, '#', sizeof guarded);
    EXPECT_FALSE(RegGetString(HKEY_CURRENT_USER, TestKey, "Name2", guarded, 10));
    EXPECT_STREQ("", guarded);
    for (int i = 10; i < 32; ++i)
        ASSERT_EQ('#', guarded[i]);
    // Exactly the text and its zero fits.
    char exact[27];
    EXPECT_TRUE(RegGetString(HKEY_CURRENT_USER, TestKey, "Name2", exact, sizeof exact));
    EXPECT_STREQ("Velko's Massive High Score", exact);
}

TEST_F(RegistryTest, StringOfAnotherKindOrMissingFailsWithAnEmptyBuffer) {
    RegSetDword(HKEY_CURRENT_USER, TestKey, "Score9", 5);
    char buffer[16] = "left over";
    EXPECT_FALSE(RegGetString(HKEY_CURRENT_USER, TestKey, "Score9", buffer, sizeof buffer));
    EXPECT_STREQ("", buffer);
    std::strcpy(buffer, "left over");
    EXPECT_FALSE(RegGetString(HKEY_CURRENT_USER, TestKey, "Missing", buffer, sizeof buffer));
    EXPECT_STREQ("", buffer);
}

TEST_F(RegistryTest, ZeroSizedBufferIsNeverWritten) {
    RegSetString(HKEY_CURRENT_USER, TestKey, "Name3", "x");
    char buffer[4] = "abc";
    EXPECT_FALSE(RegGetString(HKEY_CURRENT_USER, TestKey, "Name3", buffer, 0));
    EXPECT_STREQ("abc", buffer);
}

TEST_F(RegistryTest, DeleteSubkeyRemovesTheKeyOnce) {
    RegSetString(HKEY_CURRENT_USER, TestKey, "Name0", "someone");
    EXPECT_TRUE(RegDeleteSubkey(HKEY_CURRENT_USER, TestKey));
    char buffer[16];
    EXPECT_FALSE(RegGetString(HKEY_CURRENT_USER, TestKey, "Name0", buffer, sizeof buffer));
    EXPECT_FALSE(RegDeleteSubkey(HKEY_CURRENT_USER, TestKey));
}
}  // namespace
