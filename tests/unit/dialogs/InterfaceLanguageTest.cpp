// The player's interface language picks the texts, the menu and the dialogs, whatever the code page: run by the
// tests "language_<tag>" with a locale of that language (ZARNOCK_EXPECT_LANGUAGE names it), skipped elsewhere.
#include <gtest/gtest.h>
#include <windows.h>
#include <cstdlib>
#include <cstring>
#include <string>
#include "resources/ResourceIds.h"
#include "resources/StringIds.h"
#include "support/Languages.h"
#include "system/ResourceText.h"

namespace {
const Language* Expected() {
    const char* tag = std::getenv("ZARNOCK_EXPECT_LANGUAGE");
    if (tag == nullptr) return nullptr;
    for (const Language& language : Languages)
        if (std::strcmp(language.tag, tag) == 0) return &language;
    return nullptr;
}

std::wstring MenuText(HMENU menu, UINT position) {
    wchar_t text[128] = L"";
    GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
    return text;
}

std::wstring CaptionOf(HWND window) {
    wchar_t text[128] = L"";
    GetWindowTextW(window, text, 128);
    return text;
}

TEST(InterfaceLanguageTest, TheInterfaceLanguagePicksEveryText) {
    if (std::getenv("ZARNOCK_EXPECT_LANGUAGE") == nullptr) GTEST_SKIP() << "run by the language_<tag> tests";
    const Language* language = Expected();
    ASSERT_NE(nullptr, language) << "no such language: " << std::getenv("ZARNOCK_EXPECT_LANGUAGE");
    if (const char* codePage = std::getenv("ZARNOCK_EXPECT_CODE_PAGE")) {
        EXPECT_EQ(std::strtoul(codePage, nullptr, 10), GetACP());
    }
    for (UINT id : {IDS_NEW_GAME_QUESTION, IDS_GAME_OVER_CAPTION, IDS_TITLE_PAUSED, IDS_WINNINGS, IDS_BEAT_TOTAL,
                    IDS_HELP_FILE, IDS_DEFAULT_NAME_FIRST})
        EXPECT_EQ(StringIn(language->id, id), ResourceText::Load(id)) << "string " << id;

    HINSTANCE module = GetModuleHandleW(nullptr);
    HMENU menu = LoadMenuW(module, MAKEINTRESOURCEW(IDR_MAIN_MENU));
    const auto* menuTemplate = static_cast<const MENUTEMPLATEW*>(
        ResourceIn(language->id, MAKEINTRESOURCEW(4), IDR_MAIN_MENU));  // RT_MENU
    ASSERT_NE(nullptr, menuTemplate);
    HMENU expectedMenu = LoadMenuIndirectW(menuTemplate);
    for (UINT position = 0; position < 2; ++position)
        EXPECT_EQ(MenuText(expectedMenu, position), MenuText(menu, position));
    DestroyMenu(expectedMenu);
    DestroyMenu(menu);

    const auto* dialogTemplate = static_cast<const DLGTEMPLATE*>(ResourceIn(language->id, DialogResource, IDD_OPTIONS));
    ASSERT_NE(nullptr, dialogTemplate);
    HWND expectedDialog = CreateDialogIndirectParamW(module, dialogTemplate, nullptr, nullptr, 0);
    HWND dialog = CreateDialogParamW(module, MAKEINTRESOURCEW(IDD_OPTIONS), nullptr, nullptr, 0);
    ASSERT_TRUE(expectedDialog && dialog);
    EXPECT_EQ(CaptionOf(expectedDialog), CaptionOf(dialog));
    EXPECT_EQ(CaptionOf(GetDlgItem(expectedDialog, IDC_MUSIC)), CaptionOf(GetDlgItem(dialog, IDC_MUSIC)));
    DestroyWindow(expectedDialog);
    DestroyWindow(dialog);
}
}  // namespace
