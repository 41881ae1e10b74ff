// The binding to cards32.dll: loading, refusing incomplete or missing libraries, drawing, unloading.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include "support/Canvas.h"
#include "render/CardLibrary.h"
#include "support/MessageBoxAnswerer.h"

namespace {
const char MissingFileMessage[] =
    "Zarnock could not find the file 'CARDS32.DLL' which should be in your Windows system folder "
    "(e.g. C:\\Windows\\System).  Please locate the file, copy it to this folder, and try again.";
const char MissingExportsMessage[] =
    "Zarnock could not find all exports from the file 'CARDS32.DLL'.  Be sure you have the proper "
    "version of this file and try again.";
const COLORREF Paper = RGB(10, 200, 30);

BOOL CALLBACK RememberMessageBox(HWND window, LPARAM result) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) != "#32770") return TRUE;
    *reinterpret_cast<HWND*>(result) = window;
    return FALSE;
}

// The message box that is open on this thread.
HWND ThreadMessageBox() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), RememberMessageBox, reinterpret_cast<LPARAM>(&found));
    return found;
}

class CardLibraryTest : public ::testing::Test {
protected:
    MessageBoxAnswerer answerer{IDOK};
};
}

TEST_F(CardLibraryTest, NothingIsLoadedAtFirstAndDrawingDoesNothing) {
    CardLibrary library;
    Canvas surface(80, 100, Paper);
    EXPECT_FALSE(library.IsLoaded());
    EXPECT_EQ(library.CardWidth(), 0);
    EXPECT_EQ(library.CardHeight(), 0);
    EXPECT_EQ(library.DrawCard(surface, 0, 0, 5, 0, Paper), 0);
    EXPECT_EQ(surface.CountOtherThan(Paper), 0);
    library.Unload();
    EXPECT_FALSE(library.IsLoaded());
}

TEST_F(CardLibraryTest, LoadReportsTheCardSizeAndDraws) {
    CardLibrary library;
    EXPECT_NE(library.Load(nullptr), 0);
    EXPECT_TRUE(library.IsLoaded());
    EXPECT_EQ(library.CardWidth(), 71);
    EXPECT_EQ(library.CardHeight(), 96);
    // Position, card, mode and colour reach the library in their places.
    const COLORREF corner = RGB(200, 0, 200);
    Canvas surface(80, 100, Paper);
    EXPECT_NE(library.DrawCard(surface, 5, 2, 54, 1, corner), 0);
    EXPECT_EQ(surface.At(5, 2), corner);
    EXPECT_EQ(surface.At(5 + 70, 2 + 95), corner);
    EXPECT_EQ(surface.At(4, 2 + 48), Paper);
    EXPECT_EQ(surface.At(5 + 71, 2 + 48), Paper);
    EXPECT_EQ(surface.At(5 + 35, 1), Paper);
    EXPECT_EQ(surface.At(5 + 35, 2 + 96), Paper);
    const int blue = surface.CountWhere([](COLORREF c) { return GetBValue(c) > GetRValue(c) + 60; });
    EXPECT_GT(blue, 71 * 96 / 2);  // the back, not a face
    EXPECT_TRUE(answerer.Seen().empty());
}

TEST_F(CardLibraryTest, SecondLoadReturnsZeroAndKeepsTheBinding) {
    CardLibrary library;
    ASSERT_NE(library.Load(nullptr), 0);
    EXPECT_EQ(library.Load(nullptr), 0);
    EXPECT_EQ(library.LoadFile(nullptr, L"cards32_noanimate.dll"), 0);
    EXPECT_TRUE(answerer.Seen().empty());
    EXPECT_TRUE(library.IsLoaded());
    Canvas surface(80, 100, Paper);
    EXPECT_NE(library.DrawCard(surface, 0, 0, 54, 1, Paper), 0);
    EXPECT_GT(surface.CountOtherThan(Paper), 71 * 96 / 2);
}

TEST_F(CardLibraryTest, UnloadTwiceIsHarmlessAndDrawingAfterwardsDoesNothing) {
    CardLibrary library;
    ASSERT_NE(library.Load(nullptr), 0);
    library.Unload();
    library.Unload();
    EXPECT_FALSE(library.IsLoaded());
    EXPECT_EQ(library.CardWidth(), 71);  // the size stays as reported
    Canvas surface(80, 100, Paper);
    EXPECT_EQ(library.DrawCard(surface, 0, 0, 5, 0, Paper), 0);
    EXPECT_EQ(library.DrawCard(surface, 0, 0, 5, 4, RGB(0, 0, 0)), 0);
    EXPECT_EQ(surface.CountOtherThan(Paper), 0);
    EXPECT_NE(library.Load(nullptr), 0);  // and it can be loaded again
}

TEST_F(CardLibraryTest, LibraryWithoutAnimateIsRefusedWithTheExportsMessage) {
    CardLibrary library;
    EXPECT_EQ(library.LoadFile(nullptr, L"cards32_noanimate.dll"), 0);
    ASSERT_EQ(answerer.Seen().size(), 1u);
    EXPECT_EQ(answerer.Seen()[0].text, MissingExportsMessage);
    EXPECT_EQ(answerer.Seen()[0].caption, "Error");  // no caption of its own
    EXPECT_TRUE(library.IsLoaded());                  // kept until Unload
    EXPECT_EQ(library.CardWidth(), 0);                // cdtInit was never called
    library.Unload();
    EXPECT_FALSE(library.IsLoaded());
    EXPECT_EQ(GetModuleHandleA("cards32_noanimate.dll"), nullptr);
}

TEST_F(CardLibraryTest, MissingFileGivesTheMissingFileMessage) {
    CardLibrary library;
    EXPECT_EQ(library.LoadFile(nullptr, L"no_such_cards32.dll"), 0);
    ASSERT_EQ(answerer.Seen().size(), 1u);
    EXPECT_EQ(answerer.Seen()[0].text, MissingFileMessage);
    EXPECT_EQ(answerer.Seen()[0].caption, "Error");
    EXPECT_FALSE(library.IsLoaded());
}

TEST_F(CardLibraryTest, MessagesAreOwnedByTheGivenWindow) {
    HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(owner, nullptr);
    HWND ownerSeen = nullptr;
    {
        MessageBoxAnswerer ownerCheck([&](const SeenDialog&) {
            ownerSeen = GetWindow(ThreadMessageBox(), GW_OWNER);
            return IDOK;
        });
        CardLibrary library;
        EXPECT_EQ(library.LoadFile(owner, L"no_such_cards32.dll"), 0);
        ASSERT_EQ(ownerCheck.Seen().size(), 1u);
    }
    EXPECT_EQ(ownerSeen, owner);
    DestroyWindow(owner);
}

TEST_F(CardLibraryTest, DestructorUnloadsTheLibrary) {
    {
        CardLibrary library;
        EXPECT_EQ(library.LoadFile(nullptr, L"cards32_noanimate.dll"), 0);
        EXPECT_NE(GetModuleHandleA("cards32_noanimate.dll"), nullptr);
    }
    EXPECT_EQ(GetModuleHandleA("cards32_noanimate.dll"), nullptr);
}

TEST_F(CardLibraryTest, UnloadingOneBindingLeavesAnotherDrawing) {
    CardLibrary first, second;
    ASSERT_NE(first.Load(nullptr), 0);
    ASSERT_NE(second.Load(nullptr), 0);
    second.Unload();
    Canvas surface(80, 100, Paper);
    EXPECT_NE(first.DrawCard(surface, 0, 0, 12, 0, Paper), 0);
    EXPECT_GT(surface.CountOtherThan(Paper), 71 * 96 / 2);
}

TEST_F(CardLibraryTest, RefusedLibraryIsNotTerminated) {
    // A refused load never started the library, so its Unload must not take away another
    // binding's start-up of the same file.
    CardLibrary working;
    ASSERT_NE(working.Load(nullptr), 0);
    {
        CardLibrary refused;
        EXPECT_EQ(refused.LoadFile(nullptr, L"cards32_noanimate.dll"), 0);
    }
    Canvas surface(80, 100, Paper);
    EXPECT_NE(working.DrawCard(surface, 0, 0, 12, 0, Paper), 0);
}
