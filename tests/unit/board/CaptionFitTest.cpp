// The board's texts in every language at every density: a stack's captions stay within its share of the row,
// and the status line's two texts fit above the board side by side.
#include <gtest/gtest.h>
#include <windows.h>
#include <algorithm>
#include <string>
#include <vector>
#include "game/BoardMetrics.h"
#include "render/TextFont.h"
#include "resources/StringIds.h"
#include "support/Languages.h"
#include "system/CardSize.h"

namespace {
const int Densities[] = {96, 120, 144, 168, 192, 240};

// The widest of the texts in either of the board's fonts: the stock font, or the TrueType one that stands in
// where the stock font lacks the language's letters.
int WidestIn(const DisplayScale& display, const std::vector<std::wstring>& texts) {
    HDC dc = CreateCompatibleDC(nullptr);
    int widest = 0;
    for (bool stock : {true, false}) {
        const TextFont font(display, stock);
        HGDIOBJ previous = SelectObject(dc, font.Get());
        for (const std::wstring& text : texts) {
            SIZE size = {0, 0};
            GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
            widest = std::max(widest, static_cast<int>(size.cx));
        }
        SelectObject(dc, previous);
    }
    DeleteDC(dc);
    return widest;
}

std::wstring Filled(LANGID language, UINT id, int a, int b = 0) {
    wchar_t text[256];
    _snwprintf(text, 256, StringIn(language, id).c_str(), a, b);
    text[255] = L'\0';
    return text;
}

class CaptionFitTest : public ::testing::TestWithParam<Language> {};

TEST_P(CaptionFitTest, CaptionsAndStatusFitAtEveryDensity) {
    const LANGID language = GetParam().id;
    std::vector<std::wstring> captions = {Filled(language, IDS_BEAT_TOTAL, 21), StringIn(language, IDS_BUSTED),
                                          Filled(language, IDS_HAND_TOTALS, 21, 11), StringIn(language, IDS_NO_DEALER),
                                          StringIn(language, IDS_UNKNOWN_UP_CARD)};
    for (UINT id = IDS_DEALER_UP_CARD_FIRST; id <= IDS_DEALER_UP_CARD_LAST; ++id)
        captions.push_back(StringIn(language, id));
    for (const std::wstring& caption : captions) ASSERT_FALSE(caption.empty());
    for (int dpi : Densities) {
        SCOPED_TRACE(dpi);
        const DisplayScale display(dpi);
        const BoardMetrics metrics(display);
        const CardSize card(display);
        const int pitch = card.Width() + metrics.columnGap;
        EXPECT_LE(WidestIn(display, captions), pitch);
        const int status = WidestIn(display, {Filled(language, IDS_WINNINGS, 9999999)}) +
                           WidestIn(display, {Filled(language, IDS_CARDS_IN_DECK, 104)});
        EXPECT_LE(status, 5 * card.Width() + 4 * metrics.columnGap);
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, CaptionFitTest, ::testing::ValuesIn(Languages), LanguageTestName);
}  // namespace
