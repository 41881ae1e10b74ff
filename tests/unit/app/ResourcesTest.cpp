// The strings, menu, accelerators, icons and version of the program's resources.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include <vector>
#include "resources/ResourceIds.h"

namespace {
class ResourcesTest : public ::testing::Test {
protected:
    HINSTANCE instance = GetModuleHandleA(nullptr);
};

TEST_F(ResourcesTest, TitleAndClassName) {
    char text[100];
    ASSERT_GT(LoadStringA(instance, IDS_APP_TITLE, text, sizeof text), 0);
    EXPECT_STREQ("Zarnock", text);
    ASSERT_GT(LoadStringA(instance, IDS_WINDOW_CLASS, text, sizeof text), 0);
    EXPECT_STREQ("ZARNOCK", text);
}

std::string ItemText(HMENU menu, int position) {
    char text[64] = {};
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

TEST_F(ResourcesTest, MenuItemsInOrder) {
    HMENU menu = LoadMenuA(instance, MAKEINTRESOURCEA(IDR_MAIN_MENU));
    ASSERT_NE(nullptr, menu);
    ASSERT_EQ(2, GetMenuItemCount(menu));
    EXPECT_EQ("&Game", ItemText(menu, 0));
    EXPECT_EQ("&Help", ItemText(menu, 1));
    struct Item {
        int id;  // 0 for a separator
        const char* text;
    };
    const std::vector<Item> game = {{ID_NEW, "&New\tCtrl+N"},
                                    {0, ""},
                                    {ID_HIGH_SCORES, "High Score List..."},
                                    {ID_OPTIONS, "&Options..."},
                                    {0, ""},
                                    {ID_EXIT, "E&xit\tCtrl+X"}};
    const std::vector<Item> help = {{ID_HELP_CONTENTS, "&Help on Zarnock..."},
                                    {0, ""},
                                    {ID_INTRODUCTION, "&Introduction..."},
                                    {ID_ABOUT, "&About ..."},
                                    {0, ""},
                                    {ID_WEB_PAGE, "&Zarnock on the Web..."}};
    const std::vector<Item>* popups[] = {&game, &help};
    for (int p = 0; p < 2; ++p) {
        HMENU popup = GetSubMenu(menu, p);
        ASSERT_NE(nullptr, popup);
        ASSERT_EQ(static_cast<int>(popups[p]->size()), GetMenuItemCount(popup));
        for (int i = 0; i < GetMenuItemCount(popup); ++i) {
            const Item& item = (*popups[p])[i];
            SCOPED_TRACE(item.text);
            if (item.id == 0) {
                EXPECT_TRUE(GetMenuState(popup, i, MF_BYPOSITION) & MF_SEPARATOR);
            } else {
                EXPECT_EQ(static_cast<UINT>(item.id), GetMenuItemID(popup, i));
                EXPECT_EQ(item.text, ItemText(popup, i));
            }
        }
    }
    DestroyMenu(menu);
}

TEST_F(ResourcesTest, AcceleratorTable) {
    HACCEL table = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
    ASSERT_NE(nullptr, table);
    ACCEL entries[16];
    const int count = CopyAcceleratorTableA(table, entries, 16);
    struct Expected {
        BYTE flags;
        WORD key;
        WORD command;
    };
    const Expected expected[] = {
        {FALT | FNOINVERT, '/', ID_ABOUT},
        {FALT | FNOINVERT, '?', ID_ABOUT},
        {FVIRTKEY | FCONTROL | FNOINVERT, 'N', ID_NEW},
        {FVIRTKEY | FNOINVERT, VK_F2, ID_NEW},
        {FVIRTKEY | FNOINVERT, VK_F3, ID_PAUSE},
        {FVIRTKEY | FCONTROL | FNOINVERT, 'X', ID_EXIT},
    };
    ASSERT_EQ(6, count);
    for (int i = 0; i < count; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(expected[i].flags, entries[i].fVirt & ~0x80);
        EXPECT_EQ(expected[i].key, entries[i].key);
        EXPECT_EQ(expected[i].command, entries[i].cmd);
    }
}

TEST_F(ResourcesTest, IconsInTheirSizes) {
    struct Case {
        int id;
        int size;
    };
    const Case cases[] = {{IDI_ZARNOCK, 32}, {IDI_ZARNOCK, 16}, {IDI_SMALL, 16}, {IDI_SUIT_1, 32},
                          {IDI_SUIT_2, 32},  {IDI_SUIT_3, 32},  {IDI_SUIT_4, 32}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        HICON icon = static_cast<HICON>(
            LoadImageA(instance, MAKEINTRESOURCEA(c.id), IMAGE_ICON, c.size, c.size, LR_DEFAULTCOLOR));
        ASSERT_NE(nullptr, icon);
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP mask = {};
        GetObjectA(info.hbmMask, sizeof mask, &mask);
        EXPECT_EQ(c.size, mask.bmWidth);
        if (info.hbmColor)
            DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

TEST_F(ResourcesTest, VersionIsTwoPointFour) {
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(VS_VERSION_INFO), MAKEINTRESOURCEA(16));
    ASSERT_NE(nullptr, found);
    const void* data = LockResource(LoadResource(instance, found));
    ASSERT_NE(nullptr, data);
    // VS_VERSIONINFO: length, value length, type, the key "VS_VERSION_INFO" and padding, then the fixed part.
    const BYTE* bytes = static_cast<const BYTE*>(data);
    const VS_FIXEDFILEINFO* fixed = reinterpret_cast<const VS_FIXEDFILEINFO*>(bytes + 40);
    ASSERT_EQ(0xFEEF04BDu, fixed->dwSignature);
    EXPECT_EQ(MAKELONG(4, 2), static_cast<LONG>(fixed->dwFileVersionMS));
    EXPECT_EQ(MAKELONG(4, 2), static_cast<LONG>(fixed->dwProductVersionMS));
}
}  // namespace
