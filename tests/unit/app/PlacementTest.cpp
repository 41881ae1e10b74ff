// Bringing a saved placement back onto the screen, the smallest window size, and the fault translator.
#include <gtest/gtest.h>
#include <windows.h>
#include "app/App.h"
#include "app/CSEHException.h"

namespace {
class PlacementTest : public ::testing::Test {
protected:
    void SetUp() override { saved = {TheApp.Top, TheApp.Left, TheApp.Width, TheApp.Height}; }
    void TearDown() override {
        TheApp.Top = saved.top;
        TheApp.Left = saved.left;
        TheApp.Width = saved.width;
        TheApp.Height = saved.height;
    }

    struct Placement {
        int top, left, width, height;
    };
    Placement saved;
};

TEST_F(PlacementTest, SavedPlacementIsBroughtBackOntoTheScreen) {
    // A 1024 x 768 screen with 32-pixel icons.
    struct Case {
        const char* name;
        Placement stored;
        Placement expected;
    };
    const Case cases[] = {
        {"defaults stay", {0, 0, 460, 480}, {0, 0, 460, 480}},
        {"inside stays", {100, 200, 600, 500}, {100, 200, 600, 500}},
        {"left of the screen", {10, -5, 460, 480}, {10, 0, 460, 480}},
        {"left edge at the last icon width", {10, 992, 460, 480}, {10, 992, 460, 480}},
        {"left edge past it", {10, 993, 460, 480}, {10, 0, 460, 480}},
        {"above the screen", {-1, 10, 460, 480}, {0, 10, 460, 480}},
        {"top edge at the last icon height", {736, 10, 460, 480}, {736, 10, 460, 480}},
        {"top edge past it", {737, 10, 460, 480}, {0, 10, 460, 480}},
        {"wider than the screen", {0, 0, 1025, 480}, {0, 0, 460, 480}},
        {"as wide as the screen", {0, 0, 1024, 480}, {0, 0, 1024, 480}},
        {"taller than the screen", {0, 0, 460, 769}, {0, 0, 460, 480}},
        {"too narrow", {0, 0, 300, 480}, {0, 0, 458, 480}},
        {"just wide enough", {0, 0, 449, 480}, {0, 0, 449, 480}},
        {"too short", {0, 0, 460, 100}, {0, 0, 460, 458}},
        {"just high enough", {0, 0, 460, 455}, {0, 0, 460, 455}},
        {"negative size", {0, 0, -20, -30}, {0, 0, 458, 458}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TheApp.Top = c.stored.top;
        TheApp.Left = c.stored.left;
        TheApp.Width = c.stored.width;
        TheApp.Height = c.stored.height;
        TheApp.FitPlacementToScreen(1024, 768, 32, 32);
        EXPECT_EQ(c.expected.top, TheApp.Top);
        EXPECT_EQ(c.expected.left, TheApp.Left);
        EXPECT_EQ(c.expected.width, TheApp.Width);
        EXPECT_EQ(c.expected.height, TheApp.Height);
    }
}

TEST(SizingTest, DraggedBordersKeepTheSmallestSize) {
    struct Case {
        const char* name;
        WPARAM edge;
        RECT dragged;
        RECT expected;
    };
    const Case cases[] = {
        {"right edge in", WMSZ_RIGHT, {100, 50, 400, 600}, {100, 50, 549, 600}},
        {"left edge in", WMSZ_LEFT, {100, 50, 400, 600}, {-49, 50, 400, 600}},
        {"bottom edge up", WMSZ_BOTTOM, {100, 50, 700, 300}, {100, 50, 700, 505}},
        {"top edge down", WMSZ_TOP, {100, 50, 700, 300}, {100, -155, 700, 300}},
        {"top-left corner", WMSZ_TOPLEFT, {100, 100, 200, 200}, {-249, -255, 200, 200}},
        {"top-right corner", WMSZ_TOPRIGHT, {100, 100, 200, 200}, {100, -255, 549, 200}},
        {"bottom-left corner", WMSZ_BOTTOMLEFT, {100, 100, 200, 200}, {-249, 100, 200, 555}},
        {"bottom-right corner", WMSZ_BOTTOMRIGHT, {100, 100, 200, 200}, {100, 100, 549, 555}},
        {"right edge leaves a short height alone", WMSZ_RIGHT, {0, 0, 500, 100}, {0, 0, 500, 100}},
        {"bottom edge leaves a narrow width alone", WMSZ_BOTTOM, {0, 0, 100, 500}, {0, 0, 100, 500}},
        {"exactly the smallest size", WMSZ_BOTTOMRIGHT, {0, 0, 449, 455}, {0, 0, 449, 455}},
        {"larger than the smallest size", WMSZ_TOPLEFT, {10, 10, 800, 700}, {10, 10, 800, 700}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RECT rect = c.dragged;
        EXPECT_EQ(1, TheApp.OnSizing(nullptr, c.edge, &rect));
        EXPECT_EQ(c.expected.left, rect.left);
        EXPECT_EQ(c.expected.top, rect.top);
        EXPECT_EQ(c.expected.right, rect.right);
        EXPECT_EQ(c.expected.bottom, rect.bottom);
    }
    EXPECT_EQ(1, TheApp.OnSizing(nullptr, WMSZ_RIGHT, nullptr));
}

TEST(FaultTranslatorTest, RecordsTheExceptionCodeAndLetsTheProcessEnd) {
    EXCEPTION_RECORD record = {};
    record.ExceptionCode = EXCEPTION_ACCESS_VIOLATION;
    EXCEPTION_POINTERS pointers = {&record, nullptr};
    EXPECT_EQ(EXCEPTION_EXECUTE_HANDLER, CSEHException::Translate(&pointers));
    ASSERT_NE(nullptr, CSEHException::LastFault());
    EXPECT_EQ(static_cast<unsigned int>(EXCEPTION_ACCESS_VIOLATION), CSEHException::LastFault()->Code());
}
}  // namespace
