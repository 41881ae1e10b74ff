// The dialog templates: captions, control ids, kinds and styles as the dialogs' code expects them.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include "resources/ResourceIds.h"

namespace {
INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// A template opened hidden with a procedure that does nothing, to look at what the template made.
class TemplatesTest : public ::testing::Test {
protected:
    void Open(int templateId) {
        dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), nullptr, PlainDialogProc,
                                    0);
        ASSERT_NE(nullptr, dialog);
    }
    void TearDown() override {
        if (dialog != nullptr)
            DestroyWindow(dialog);
    }

    std::string Text(HWND window) const {
        char text[256] = {};
        GetWindowTextA(window, text, sizeof text);
        return text;
    }
    std::string ClassOf(HWND window) const {
        char name[64] = {};
        GetClassNameA(window, name, sizeof name);
        return name;
    }
    LONG StyleOf(int id) const { return GetWindowLongA(GetDlgItem(dialog, id), GWL_STYLE); }
    LONG ButtonKind(int id) const { return StyleOf(id) & BS_TYPEMASK; }

    HWND dialog = nullptr;
};

TEST_F(TemplatesTest, CaptionsOfEveryDialog) {
    struct Case {
        int id;
        const char* caption;
        bool hasCaptionBar;
    };
    const Case cases[] = {{IDD_ABOUT, "About Zarnock", true},     {IDD_OPTIONS, "Options", true},
                          {IDD_LEVEL_UP, "", false},              {IDD_HIGH_SCORES, "High Score List", true},
                          {IDD_WELCOME, "Welcome to Zarnock!", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        Open(c.id);
        EXPECT_EQ(c.caption, Text(dialog));
        const LONG style = GetWindowLongA(dialog, GWL_STYLE);
        EXPECT_EQ(c.hasCaptionBar, (style & WS_CAPTION) == WS_CAPTION);
        EXPECT_TRUE(style & WS_POPUP);
        EXPECT_EQ(c.hasCaptionBar, (style & WS_SYSMENU) != 0);
        DestroyWindow(dialog);
        dialog = nullptr;
    }
}

TEST_F(TemplatesTest, AboutAndWelcomeTexts) {
    Open(IDD_ABOUT);
    EXPECT_EQ("OK", Text(GetDlgItem(dialog, IDOK)));
    bool versionFound = false;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        versionFound = versionFound || Text(child) == "Zarnock version 2.4";
    EXPECT_TRUE(versionFound);
    DestroyWindow(dialog);

    Open(IDD_WELCOME);
    EXPECT_EQ(BS_DEFPUSHBUTTON, ButtonKind(IDOK));
    int lines = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        lines += ClassOf(child) == "Static" ? 1 : 0;
    EXPECT_EQ(7, lines);
}

TEST_F(TemplatesTest, OptionsControls) {
    Open(IDD_OPTIONS);
    struct Case {
        int id;
        LONG kind;
        const char* text;
    };
    const Case cases[] = {
        {IDC_MUSIC, BS_AUTOCHECKBOX, "&Music"},
        {IDC_SOUND_EFFECTS, BS_AUTOCHECKBOX, "S&ound effects"},
        {IDC_UPSIDE_DOWN, BS_AUTOCHECKBOX, "Play &upside down"},
        {IDC_LAST_STACK, BS_AUTOCHECKBOX, "Deal next card &above last stack "},
        {IDC_SHOW_WELCOME, BS_AUTOCHECKBOX, "Show &welcome screen on startup"},
        {IDC_FOREGROUND_COLOR, BS_PUSHBUTTON, "Change &Foreground Color"},
        {IDC_BACKGROUND_COLOR, BS_PUSHBUTTON, "Change Bac&kground Color"},
        {IDC_ONE_DECK, BS_AUTOCHECKBOX, "&Deal from a deck of 52 cards"},
        {IDC_STUFF_BACK, BS_AUTOCHECKBOX, "&Stuff collapsed cards back into deck"},
        {IDC_GET_FASTER, BS_AUTOCHECKBOX, "Drop cards &faster as level gets higher"},
        {IDC_EASY, BS_AUTORADIOBUTTON, "&Easy : show dealer's exact total below each stack"},
        {IDC_MEDIUM, BS_AUTORADIOBUTTON, "&Medium : only show one of the dealer's cards"},
        {IDC_HARD, BS_AUTORADIOBUTTON, "&Hard : dealer always gets an exact 21"},
        {IDC_VICIOUS, BS_AUTOCHECKBOX, "&Vicious : freeze the stack whenever you bust"},
        {IDOK, BS_DEFPUSHBUTTON, "OK"},
        {IDCANCEL, BS_PUSHBUTTON, "Cancel"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ASSERT_NE(nullptr, GetDlgItem(dialog, c.id));
        EXPECT_EQ(c.kind, ButtonKind(c.id));
        EXPECT_EQ(c.text, Text(GetDlgItem(dialog, c.id)));
    }
    // The difficulty buttons form one group of their own.
    EXPECT_TRUE(StyleOf(IDC_EASY) & WS_GROUP);
    EXPECT_FALSE(StyleOf(IDC_MEDIUM) & WS_GROUP);
    EXPECT_FALSE(StyleOf(IDC_HARD) & WS_GROUP);
    EXPECT_TRUE(StyleOf(IDC_VICIOUS) & WS_GROUP);
}

TEST_F(TemplatesTest, HighScoreRows) {
    Open(IDD_HIGH_SCORES);
    for (int place = 1; place <= 10; ++place) {
        SCOPED_TRACE(place);
        HWND name = GetDlgItem(dialog, IDC_NAME_FIRST + place - 1);
        HWND score = GetDlgItem(dialog, IDC_SCORE_FIRST + place - 1);
        ASSERT_NE(nullptr, name);
        ASSERT_NE(nullptr, score);
        EXPECT_EQ("Edit", ClassOf(name));
        const LONG style = GetWindowLongA(name, GWL_STYLE);
        EXPECT_TRUE(style & ES_READONLY);
        EXPECT_TRUE(style & ES_AUTOHSCROLL);
        EXPECT_TRUE(style & WS_TABSTOP);
        EXPECT_TRUE((style & WS_BORDER) || (GetWindowLongA(name, GWL_EXSTYLE) & WS_EX_CLIENTEDGE));
        EXPECT_EQ("Static", ClassOf(score));
        // Rows are 16 dialog units apart, top to bottom.
        if (place > 1) {
            RECT above, here;
            GetWindowRect(GetDlgItem(dialog, IDC_NAME_FIRST + place - 2), &above);
            GetWindowRect(name, &here);
            EXPECT_GT(here.top, above.top);
        }
    }
    EXPECT_EQ("&Reset", Text(GetDlgItem(dialog, IDC_RESET)));
    EXPECT_EQ(BS_DEFPUSHBUTTON, ButtonKind(IDOK));
    EXPECT_EQ("Cancel", Text(GetDlgItem(dialog, IDCANCEL)));
}
}  // namespace
