// The card library, the marker and the board's text at the display's density (run at six densities, 96 to 240 dpi).
#include <gtest/gtest.h>
#include <windows.h>
#include <algorithm>
#include <memory>
#include "app/App.h"
#include "game/Board.h"
#include "render/CardLibrary.h"
#include "system/DisplayScale.h"
#include "system/MemoryDC.h"
#include "resources/ResourceIds.h"
#include "settings/Registry.h"
#include "support/BoardTestWindow.h"
#include "support/Canvas.h"
#include "support/GameTestEnvironment.h"

namespace {
struct Density {
    int dpi;
    int cardWidth, cardHeight;
    int statusTextHeight;
    int windowWidth, windowHeight;  // the window a placement stored at 96 dpi (460 x 480) opens with
};
const Density Densities[] = {
    {96, 71, 96, 16, 460, 480},    {120, 89, 120, 20, 575, 600},   {144, 107, 144, 24, 690, 720},
    {168, 124, 168, 28, 805, 840}, {192, 142, 192, 32, 920, 960}, {240, 178, 240, 40, 1150, 1200}};
const COLORREF Paper = RGB(10, 200, 30);

const Density* DisplayDensity() {
    for (const Density& d : Densities)
        if (d.dpi == DisplayScale::SystemDpi()) return &d;
    return nullptr;
}

class DisplayDensityTest : public ::testing::Test {
protected:
    void SetUp() override {
        density = DisplayDensity();
        ASSERT_NE(density, nullptr) << "no row for " << DisplayScale::SystemDpi() << " dpi";
        ASSERT_TRUE(library.Load(nullptr));
    }
    const Density* density = nullptr;
    CardLibrary library;
};

// Aligned 2 x 2 blocks of a rectangle whose four pixels are not all alike; a pixel-doubled image has none.
int MixedBlocks(const Canvas& canvas, int width, int height) {
    int mixed = 0;
    for (int y = 0; y + 1 < height; y += 2)
        for (int x = 0; x + 1 < width; x += 2) {
            const COLORREF c = canvas.At(x, y);
            if (canvas.At(x + 1, y) != c || canvas.At(x, y + 1) != c || canvas.At(x + 1, y + 1) != c) ++mixed;
        }
    return mixed;
}
}  // namespace

TEST_F(DisplayDensityTest, CardsAreDrawnNativelyAtTheScaledSize) {
    EXPECT_EQ(library.CardWidth(), density->cardWidth);
    EXPECT_EQ(library.CardHeight(), density->cardHeight);
    const int width = density->cardWidth, height = density->cardHeight;
    for (int card : {0, 47, 51}) {
        SCOPED_TRACE(card);
        Canvas surface(width + 1, height + 1, Paper);
        library.DrawCard(surface, 0, 0, card, 0, Paper);
        // The face fills its cell up to the last column and row, and nothing beyond it.
        EXPECT_NE(surface.At(width - 1, height / 2), Paper);
        EXPECT_NE(surface.At(width / 2, height - 1), Paper);
        const RECT cell = {0, 0, width, height};
        EXPECT_EQ(surface.CountOtherThan(Paper, &cell), 0);
        // Drawn from the shapes at this size, not magnified: fine edges cross the doubled pixel grid.
        EXPECT_GT(MixedBlocks(surface, width, height), width * height / 4 / 20);
    }
}

// The default placement, stored by a release that knew only 96 dpi, opens a window that holds the whole
// board, and its text is drawn at the density: the line scaled, the letters filling it.
TEST_F(DisplayDensityTest, TheDefaultWindowHoldsTheWholeBoardAndItsTextGrows) {
    PrepareGameForTests();
    ScopedSettings settings;
    const int storedWidth = TheApp.Width, storedHeight = TheApp.Height;
    RegSetDword(HKEY_CURRENT_USER, SettingsKeyPath, L"Width", 460);
    RegSetDword(HKEY_CURRENT_USER, SettingsKeyPath, L"Height", 480);
    TheApp.LoadSettings();
    RegDeleteKeyW(HKEY_CURRENT_USER, SettingsKeyPath);
    TheApp.FitPlacementToScreen(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), 32, 32);
    EXPECT_EQ(TheApp.Width, density->windowWidth);
    EXPECT_EQ(TheApp.Height, density->windowHeight);
    HWND window = CreateWindowExA(WS_EX_CLIENTEDGE, "STATIC", "Zarnock", WS_OVERLAPPEDWINDOW, 0, 0, TheApp.Width,
                                  TheApp.Height, nullptr, LoadMenuA(GetModuleHandleA(nullptr),
                                  MAKEINTRESOURCEA(IDR_MAIN_MENU)), GetModuleHandleA(nullptr), nullptr);
    TheApp.Width = storedWidth;
    TheApp.Height = storedHeight;
    ASSERT_NE(window, nullptr);
    RECT client;
    GetClientRect(window, &client);
    BoardTestWindow host(1, 1);
    auto board = std::make_unique<Board>(window, host.Host());
    Canvas surface(client.right, client.bottom, Paper);
    board->Paint(surface, window);
    const RECT row = board->BoardRect();
    board.reset();
    DestroyWindow(window);

    int line = 0;
    while (surface.At(row.left, line) != Paper) ++line;
    EXPECT_NEAR(line, density->statusTextHeight, 1);  // a TrueType cell may come out a pixel short
    int firstInk = line, lastInk = -1;
    for (int y = 0; y < line; ++y)
        for (int x = 0; x < surface.width; ++x)
            if (surface.At(x, y) == Settings.ForegroundColor) firstInk = std::min(firstInk, y), lastInk = y;
    EXPECT_GE(lastInk - firstInk + 1, line * 3 / 5);
    EXPECT_GE(row.left, 0);
    EXPECT_LE(row.right, client.right);
    // The dealer captions under the stacks are the lowest text.
    EXPECT_LE(row.bottom + BoardMetrics(DisplayScale(density->dpi)).textMargin + line, client.bottom);
    // The empty-stack marker is drawn for the density: one pixel narrower and lower than the card, its
    // border along the last column and row.
    const int width = density->cardWidth - 1, height = density->cardHeight - 1;
    for (HBITMAP layer : {TheApp.Markers.Ring(), TheApp.Markers.Outline()}) {
        BITMAP info = {};
        ASSERT_NE(GetObjectA(layer, sizeof info, &info), 0);
        EXPECT_EQ(info.bmWidth, width);
        EXPECT_EQ(info.bmHeight, height);
    }
    Canvas outline(width, height, Paper);
    MemoryDC source(nullptr);
    source.Select(TheApp.Markers.Outline());
    BitBlt(outline, 0, 0, width, height, source, 0, 0, SRCCOPY);
    for (POINT p : {POINT{0, height / 2}, POINT{width - 1, height / 2}, POINT{width / 2, 0}, POINT{width / 2, height - 1}})
        EXPECT_EQ(outline.At(p.x, p.y), RGB(0, 0, 0)) << p.x << "," << p.y;
}

// The game draws its cards through cdtDrawExt at its own card size: at the density's size the pixels of
// cdtDraw, and at another (a window on a screen of another density) that size exactly.
TEST_F(DisplayDensityTest, TheBoardDrawsCardsAtItsOwnSize) {
    PrepareGameForTests();
    const int startedWidth = TheApp.CardWidth, startedHeight = TheApp.CardHeight;
    for (const SIZE& size : {SIZE{density->cardWidth, density->cardHeight}, SIZE{124, 168}}) {
        SCOPED_TRACE(size.cx);
        TheApp.CardWidth = size.cx;
        TheApp.CardHeight = size.cy;
        const BoardHost host = TheApp.MakeBoardHost();
        Canvas drawn(size.cx + 1, size.cy + 1, Paper), direct(size.cx + 1, size.cy + 1, Paper);
        host.drawCard(drawn, 0, 0, 47, 0, Paper);
        library.DrawCardAt(direct, 0, 0, size.cx, size.cy, 47, 0, Paper);
        EXPECT_EQ(drawn.Differences(direct), 0);
        const RECT cell = {0, 0, size.cx, size.cy};
        EXPECT_EQ(drawn.CountOtherThan(Paper, &cell), 0);
        EXPECT_NE(drawn.At(size.cx - 1, size.cy / 2), Paper);
    }
    TheApp.CardWidth = startedWidth;
    TheApp.CardHeight = startedHeight;
    Canvas drawn(startedWidth, startedHeight, Paper), direct(startedWidth, startedHeight, Paper);
    TheApp.MakeBoardHost().drawCard(drawn, 0, 0, 47, 0, Paper);
    library.DrawCard(direct, 0, 0, 47, 0, Paper);
    EXPECT_EQ(drawn.Differences(direct), 0);
}
