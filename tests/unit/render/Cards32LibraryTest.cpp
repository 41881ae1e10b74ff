// cards32.dll itself: its exports, the faces, the back, erasing, the rounded corners, every size, restart.
#include <gtest/gtest.h>
#include <windows.h>
#include <algorithm>
#include <string>
#include <vector>
#include "support/Canvas.h"

namespace {
typedef BOOL(WINAPI* InitProc)(int*, int*);
typedef BOOL(WINAPI* DrawProc)(HDC, int, int, int, int, COLORREF);
typedef BOOL(WINAPI* DrawExtProc)(HDC, int, int, int, int, int, int, COLORREF);
typedef void(WINAPI* TermProc)();

const int CardWidth = 71, CardHeight = 96;
const COLORREF GameBackground = 0xA04005;
const COLORREF Paper = RGB(10, 200, 30);

template <typename Proc>
Proc EntryPoint(HMODULE module, const char* name) {
    return reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

std::string ExecutableFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

bool IsRed(COLORREF c) { return GetRValue(c) >= 150 && GetGValue(c) <= 100 && GetBValue(c) <= 100; }

// Each test works on a private copy of the library, so that its start-up and release
// touch no other user of cards32.dll in this process.
class Cards32LibraryTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        copyPath = std::string(temp) + "cards32_under_test.dll";
        CopyFileA((ExecutableFolder() + "cards32.dll").c_str(), copyPath.c_str(), FALSE);
    }
    static void TearDownTestSuite() { DeleteFileA(copyPath.c_str()); }

    void SetUp() override {
        library = LoadLibraryA(copyPath.c_str());
        ASSERT_NE(library, nullptr);
        init = EntryPoint<InitProc>(library, "cdtInit");
        draw = EntryPoint<DrawProc>(library, "cdtDraw");
        drawExt = EntryPoint<DrawExtProc>(library, "cdtDrawExt");
        term = EntryPoint<TermProc>(library, "cdtTerm");
        ASSERT_TRUE(init && draw && drawExt && term);
        ASSERT_TRUE(init(&width, &height));
    }
    void TearDown() override {
        if (!library) return;
        if (term) term();
        FreeLibrary(library);
    }

    std::vector<COLORREF> Face(int card, int mode = 0, COLORREF colour = Paper) {
        Canvas surface(CardWidth, CardHeight, Paper);
        EXPECT_TRUE(draw(surface, 0, 0, card, mode, colour)) << "card " << card;
        return surface.Block(0, 0, CardWidth, CardHeight);
    }

    static std::string copyPath;
    HMODULE library = nullptr;
    InitProc init = nullptr;
    DrawProc draw = nullptr;
    DrawExtProc drawExt = nullptr;
    TermProc term = nullptr;
    int width = 0;
    int height = 0;
};
std::string Cards32LibraryTest::copyPath;
}

TEST_F(Cards32LibraryTest, ReportsTheCardSize) {
    EXPECT_EQ(width, CardWidth);
    EXPECT_EQ(height, CardHeight);
}

TEST_F(Cards32LibraryTest, ExportsAllFiveEntryPointsUndecorated) {
    for (const char* name : {"cdtInit", "cdtDraw", "cdtDrawExt", "cdtAnimate", "cdtTerm"})
        EXPECT_NE(GetProcAddress(library, name), nullptr) << name;
    EXPECT_EQ(GetProcAddress(library, "cdtInit@8"), nullptr);
    EXPECT_EQ(GetProcAddress(library, "_cdtInit@8"), nullptr);
}

TEST_F(Cards32LibraryTest, AllFiftyTwoFacesDifferFromOneAnother) {
    std::vector<std::vector<COLORREF>> faces;
    for (int card = 0; card < 52; ++card) faces.push_back(Face(card));
    for (int a = 0; a < 52; ++a)
        for (int b = a + 1; b < 52; ++b) EXPECT_NE(faces[a], faces[b]) << "cards " << a << " and " << b;
}

TEST_F(Cards32LibraryTest, DiamondsAndHeartsAreRedClubsAndSpadesHaveNoRed) {
    for (int card = 0; card < 52; ++card) {
        Canvas surface(CardWidth, CardHeight, Paper);
        ASSERT_TRUE(draw(surface, 0, 0, card, 0, Paper));
        const int red = surface.CountWhere(IsRed);
        const int suit = card % 4;
        if (suit == 1 || suit == 2)
            EXPECT_GT(red, 60) << "card " << card;
        else
            EXPECT_EQ(red, 0) << "card " << card;
    }
}

TEST_F(Cards32LibraryTest, FacesShowInkOnWhite) {
    for (int card = 0; card < 52; ++card) {
        Canvas surface(CardWidth, CardHeight, Paper);
        ASSERT_TRUE(draw(surface, 0, 0, card, 0, Paper));
        EXPECT_EQ(surface.At(35, 3), RGB(255, 255, 255)) << "card " << card;  // white between the corners
        const int dark = surface.CountWhere([](COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c) < 150; });
        const int ink = surface.CountWhere(IsRed) + dark;
        EXPECT_GT(ink, 150) << "card " << card;
    }
}

TEST_F(Cards32LibraryTest, EraseFillsExactlyTheCardRectangleWithTheColour) {
    const COLORREF erase = RGB(1, 2, 3);
    for (int card : {0, 17, 51}) {
        Canvas surface(CardWidth + 20, CardHeight + 20, Paper);
        ASSERT_TRUE(draw(surface, 10, 10, card, 0, Paper));
        EXPECT_TRUE(draw(surface, 10, 10, card, 4, erase));
        const RECT cardArea = {10, 10, 10 + CardWidth, 10 + CardHeight};
        EXPECT_EQ(surface.CountOtherThan(Paper, &cardArea), 0);
        for (COLORREF c : surface.Block(10, 10, CardWidth, CardHeight)) ASSERT_EQ(c, erase);
    }
}

TEST_F(Cards32LibraryTest, BackDesignDiffersFromEveryFace) {
    const std::vector<COLORREF> back = Face(54, 1);
    for (int card = 0; card < 52; ++card) EXPECT_NE(back, Face(card)) << "card " << card;
    const int blue = static_cast<int>(std::count_if(back.begin(), back.end(), [](COLORREF c) {
        return GetBValue(c) > GetRValue(c) + 60 && GetBValue(c) > GetGValue(c);
    }));
    EXPECT_GT(blue, CardWidth * CardHeight / 2);
}

TEST_F(Cards32LibraryTest, UnknownCardsAndModesDrawNothing) {
    const struct {
        int card;
        int mode;
    } refused[] = {{52, 0}, {54, 0}, {-1, 0}, {0, 1}, {53, 1}, {55, 1}, {5, 2}, {5, 3}, {5, 5}, {5, 8}};
    for (const auto& call : refused) {
        Canvas surface(CardWidth, CardHeight, Paper);
        EXPECT_FALSE(draw(surface, 0, 0, call.card, call.mode, GameBackground))
            << "card " << call.card << " mode " << call.mode;
        EXPECT_EQ(surface.CountOtherThan(Paper), 0) << "card " << call.card << " mode " << call.mode;
    }
}

TEST_F(Cards32LibraryTest, RoundedCornersTakeTheColourArgument) {
    for (int card : {0, 25, 54}) {
        const int mode = card == 54 ? 1 : 0;
        Canvas first(CardWidth + 2, CardHeight + 2, Paper), second(CardWidth + 2, CardHeight + 2, Paper);
        ASSERT_TRUE(draw(first, 1, 1, card, mode, GameBackground));
        ASSERT_TRUE(draw(second, 1, 1, card, mode, RGB(250, 250, 0)));
        const POINT corners[4] = {{1, 1}, {CardWidth, 1}, {1, CardHeight}, {CardWidth, CardHeight}};
        for (const POINT& p : corners) {
            EXPECT_EQ(first.At(p.x, p.y), GameBackground) << card;
            EXPECT_EQ(second.At(p.x, p.y), RGB(250, 250, 0)) << card;
        }
        // Only the corner pixels depend on the colour, and nothing lands beyond the card.
        int differing = 0;
        for (int y = 0; y < CardHeight + 2; ++y)
            for (int x = 0; x < CardWidth + 2; ++x) differing += first.At(x, y) != second.At(x, y);
        EXPECT_GE(differing, 4);
        EXPECT_LE(differing, 4 * 12);
        const RECT cardArea = {1, 1, 1 + CardWidth, 1 + CardHeight};
        EXPECT_EQ(first.CountOtherThan(Paper, &cardArea), 0);
        // Away from the corners the edge belongs to the card.
        EXPECT_NE(first.At(1 + CardWidth / 2, 1), GameBackground);
        EXPECT_NE(first.At(1, 1 + CardHeight / 2), GameBackground);
    }
}

namespace {
// Aligned 2 x 2 blocks of the card whose four pixels are not all alike; a pixel-doubled image has none.
int MixedBlocks(const Canvas& canvas, int left, int top, int width, int height) {
    int mixed = 0;
    for (int y = top; y + 1 < top + height; y += 2)
        for (int x = left; x + 1 < left + width; x += 2) {
            const COLORREF c = canvas.At(x, y);
            mixed += canvas.At(x + 1, y) != c || canvas.At(x, y + 1) != c || canvas.At(x + 1, y + 1) != c;
        }
    return mixed;
}

// The bytes of committed private memory in this process, which card images of every kept size take.
double PrivateBytes() {
    double bytes = 0;
    MEMORY_BASIC_INFORMATION region = {};
    for (const char* address = nullptr; VirtualQuery(address, &region, sizeof region) == sizeof region;
         address = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) bytes += static_cast<double>(region.RegionSize);
        if (region.RegionSize == 0) break;
    }
    return bytes;
}
}  // namespace

TEST_F(Cards32LibraryTest, DrawExtRendersTheCardAtTheSizeAskedFor) {
    // Twice the size, the game's sizes at 120 and 168 dpi, and a small card.
    const SIZE sizes[] = {{2 * CardWidth, 2 * CardHeight}, {89, 120}, {124, 168}, {36, 48}};
    Canvas single(CardWidth, CardHeight, Paper);
    ASSERT_TRUE(draw(single, 0, 0, 42, 0, GameBackground));
    for (const SIZE& size : sizes) {
        SCOPED_TRACE(testing::Message() << size.cx << " x " << size.cy);
        const int w = size.cx, h = size.cy;
        Canvas surface(w + 4, h + 4, Paper);
        ASSERT_TRUE(drawExt(surface, 2, 2, w, h, 42, 0, GameBackground));
        const RECT cardArea = {2, 2, 2 + w, 2 + h};
        EXPECT_EQ(surface.CountOtherThan(Paper, &cardArea), 0);
        if (w >= CardWidth) {  // a smaller card's corners are rounded by less than a pixel
            EXPECT_EQ(surface.At(2, 2), GameBackground);
            EXPECT_EQ(surface.At(2 + w - 1, 2 + h - 1), GameBackground);
        }
        EXPECT_NE(surface.At(2 + w - 1, 2 + h / 2), GameBackground);  // the edge reaches the last column
        EXPECT_NE(surface.At(2 + w / 2, 2 + h - 1), GameBackground);
        // Rendered from the shapes at this size: fine edges cross the doubled pixel grid.
        EXPECT_GT(MixedBlocks(surface, 2, 2, w, h), w * h / 4 / 20);
        // Not a stretched copy of the started size either.
        Canvas native(w, h, Paper), stretched(w, h, Paper);
        ASSERT_TRUE(drawExt(native, 0, 0, w, h, 42, 0, GameBackground));
        StretchBlt(stretched, 0, 0, w, h, single, 0, 0, CardWidth, CardHeight, SRCCOPY);
        EXPECT_GT(native.Differences(stretched), w * h / 20);
    }
    // At the started size cdtDrawExt is cdtDraw.
    Canvas started(CardWidth, CardHeight, Paper);
    ASSERT_TRUE(drawExt(started, 0, 0, CardWidth, CardHeight, 42, 0, GameBackground));
    EXPECT_EQ(started.Differences(single), 0);

    Canvas half(CardWidth, CardHeight, Paper);
    EXPECT_FALSE(drawExt(half, 0, 0, 0, 48, 42, 0, GameBackground));
    EXPECT_FALSE(drawExt(half, 0, 0, 100000, 100000, 42, 0, GameBackground));  // far beyond any display
    EXPECT_TRUE(drawExt(half, 0, 0, 10, 10, 42, 4, RGB(9, 9, 9)));
    EXPECT_EQ(half.At(9, 9), RGB(9, 9, 9));
    EXPECT_NE(half.At(10, 10), RGB(9, 9, 9));
}

// The images of a few sizes are kept: drawing at many sizes one after another holds the memory of three
// sizes at most, a size not drawn for long is released, and a size drawn again looks as it did.
TEST_F(Cards32LibraryTest, OnlyAFewSizesAreKept) {
    const int w = 2 * CardWidth, h = 2 * CardHeight;
    const double sizeBytes = 53.0 * w * h * 4;
    auto drawAll = [&](int width, int height) {
        Canvas surface(width, height, Paper);
        for (int card = 0; card < 52; ++card) ASSERT_TRUE(drawExt(surface, 0, 0, width, height, card, 0, Paper));
        ASSERT_TRUE(drawExt(surface, 0, 0, width, height, 54, 1, Paper));
    };
    Canvas first(w, h, Paper);
    ASSERT_TRUE(drawExt(first, 0, 0, w, h, 30, 0, GameBackground));
    const double before = PrivateBytes();
    drawAll(w, h);
    EXPECT_GT(PrivateBytes() - before, sizeBytes * 0.8);  // the measure sees the images
    for (int grow = 1; grow <= 6; ++grow) drawAll(w + grow, h + grow);
    EXPECT_LT(PrivateBytes() - before, 3 * sizeBytes);

    Canvas surface(CardWidth, CardHeight, Paper);
    for (int i = 0; i < 5000; ++i) draw(surface, 0, 0, i % 52, 0, Paper);
    EXPECT_LT(PrivateBytes() - before, sizeBytes / 2);

    Canvas again(w, h, Paper);
    ASSERT_TRUE(drawExt(again, 0, 0, w, h, 30, 0, GameBackground));
    EXPECT_EQ(again.Differences(first), 0);
}

TEST_F(Cards32LibraryTest, TermReleasesAndInitStartsAgain) {
    const std::vector<COLORREF> before = Face(7);
    term();
    Canvas surface(CardWidth, CardHeight, Paper);
    EXPECT_FALSE(draw(surface, 0, 0, 7, 0, Paper));
    EXPECT_FALSE(draw(surface, 0, 0, 7, 4, GameBackground));
    EXPECT_EQ(surface.CountOtherThan(Paper), 0);
    term();  // one more than needed does no harm

    int w = 0, h = 0;
    ASSERT_TRUE(init(&w, &h));
    EXPECT_EQ(w, CardWidth);
    EXPECT_EQ(h, CardHeight);
    EXPECT_EQ(Face(7), before);
}

TEST_F(Cards32LibraryTest, ACardLooksTheSameWhateverWasDrawnBeforeIt) {
    const std::vector<COLORREF> first = Face(30, 0, GameBackground);  // its first draw renders it
    for (int card = 0; card < 52; ++card) Face(card, 0, RGB(250, 250, 0));
    Face(54, 1);
    EXPECT_EQ(Face(30, 0, GameBackground), first);

    term();
    ASSERT_TRUE(init(&width, &height));
    Face(54, 1);
    EXPECT_EQ(Face(30, 0, GameBackground), first);
}

TEST_F(Cards32LibraryTest, EveryInitNeedsItsOwnTerm) {
    int w = 0, h = 0;
    ASSERT_TRUE(init(&w, &h));
    term();
    Canvas surface(CardWidth, CardHeight, Paper);
    EXPECT_TRUE(draw(surface, 0, 0, 3, 0, Paper));  // the fixture's own start-up still holds
    EXPECT_FALSE(init(nullptr, &h));
}
