// The dialog routines, the welcome dialog's size and focus, and the self-closing level-up notice.
#include <gtest/gtest.h>
#include <windows.h>
#include <mmsystem.h>
#include <cstring>
#include <functional>
#include <vector>
#include <algorithm>
#include "support/WideText.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/DialogRoutines.h"
#include "dialogs/LevelUpNotice.h"
#include "dialogs/WelcomeDialog.h"
#include "resources/ResourceIds.h"
#include "support/GameTestEnvironment.h"
#include "support/MessageBoxAnswerer.h"
#include "support/ToneRecorder.h"

namespace {
// Hidden pop-up windows of the standard static class, destroyed with the fixture.
class DialogRoutinesTest : public ::testing::Test {
protected:
    void TearDown() override {
        for (auto it = windows.rbegin(); it != windows.rend(); ++it)
            DestroyWindow(*it);
    }

    HWND Popup(const RECT& rect, HWND owner) {
        HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, rect.left, rect.top, rect.right - rect.left,
                                      rect.bottom - rect.top, owner, nullptr, GetModuleHandleA(nullptr), nullptr);
        windows.push_back(window);
        return window;
    }

    HWND Edit(HWND parent, int id, const char* text) {
        HWND control = CreateWindowExA(0, "EDIT", text, WS_CHILD, 0, 0, 100, 20, parent,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                                       nullptr);
        return control;
    }

    std::vector<HWND> windows;
};

TEST_F(DialogRoutinesTest, CenterOverParentRoundsEachHalfTowardZero) {
    struct Case {
        const char* name;
        RECT parent;
        SIZE own;
        POINT expected;
    };
    const Case cases[] = {
        {"even sizes", {100, 100, 300, 200}, {50, 20}, {175, 140}},
        {"odd sums", {11, 21, 112, 72}, {31, 21}, {46, 36}},
        {"negative odd sums", {-100, -60, -51, -1}, {31, 21}, {-90, -40}},
        {"larger than the parent", {0, 0, 100, 100}, {301, 201}, {-100, -50}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND parent = Popup(c.parent, nullptr);
        HWND own = Popup({500, 500, 500 + c.own.cx, 500 + c.own.cy}, parent);
        CenterOverParent(own);
        RECT moved;
        GetWindowRect(own, &moved);
        EXPECT_EQ(c.expected.x, moved.left);
        EXPECT_EQ(c.expected.y, moved.top);
        EXPECT_EQ(c.own.cx, moved.right - moved.left);
        EXPECT_EQ(c.own.cy, moved.bottom - moved.top);
    }
}

TEST_F(DialogRoutinesTest, CenterOverParentLeavesAWindowWithoutParentAlone) {
    HWND lonely = Popup({70, 80, 170, 130}, nullptr);
    CenterOverParent(lonely);
    RECT rect;
    GetWindowRect(lonely, &rect);
    EXPECT_EQ(70, rect.left);
    EXPECT_EQ(80, rect.top);
}

TEST_F(DialogRoutinesTest, GetDlgTextStoresAtMostSizeMinusOneCharacters) {
    HWND dialog = Popup({0, 0, 200, 100}, nullptr);
    Edit(dialog, 100, "Velko the Conqueror");
    struct Case {
        int size;
        const char* expected;
    };
    const Case cases[] = {{64, "Velko the Conqueror"}, {20, "Velko the Conqueror"}, {19, "Velko the Conquero"},
                          {6, "Velko"}, {2, "V"}, {1, ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        wchar_t guarded[80];
        std::fill(guarded, guarded + 80, L'#');
        GetDlgText(dialog, 100, guarded, c.size);
        EXPECT_STREQ(Wide(c.expected).c_str(), guarded);
        for (int i = c.size; i < 80; ++i)
            ASSERT_EQ(L'#', guarded[i]) << "written past the buffer at " << i;
    }
}

TEST_F(DialogRoutinesTest, MissingControlsAreSkippedAndTheBufferEmptied) {
    HWND dialog = Popup({0, 0, 200, 100}, nullptr);
    wchar_t buffer[16] = L"left over";
    GetDlgText(dialog, 555, buffer, 16);
    EXPECT_STREQ(L"", buffer);
    SetDlgText(dialog, 555, L"nobody reads this");
    SetDlgNumber(dialog, 555, 3);
}

TEST_F(DialogRoutinesTest, SetDlgTextAndNumberWriteTheControl) {
    HWND dialog = Popup({0, 0, 200, 100}, nullptr);
    HWND control = Edit(dialog, 101, "");
    char text[32];
    SetDlgText(dialog, 101, L"Velko Wins Again");
    GetWindowTextA(control, text, sizeof text);
    EXPECT_STREQ("Velko Wins Again", text);
    const struct {
        int value;
        const char* text;
    } numbers[] = {{0, "0"}, {4550, "4550"}, {-30, "-30"}, {INT_MIN, "-2147483648"}, {INT_MAX, "2147483647"}};
    for (const auto& n : numbers) {
        SetDlgNumber(dialog, 101, n.value);
        GetWindowTextA(control, text, sizeof text);
        EXPECT_STREQ(n.text, text);
    }
}

// A hidden owner window standing in for the main window.
class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        PrepareGameForTests();
        owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 100, 80, 640, 480, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, owner);
    }
    void TearDown() override { DestroyWindow(owner); }

    HWND owner = nullptr;
};

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

TEST_F(DialogTest, WelcomeOpensShorterByTheHiddenPartAndCentred) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HWND plain = CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_WELCOME), owner, PlainDialogProc, 0);
    ASSERT_NE(nullptr, plain);
    RECT full;
    GetWindowRect(plain, &full);
    DestroyWindow(plain);

    HWND welcome = CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_WELCOME), owner, WelcomeDialogProc, 0);
    ASSERT_NE(nullptr, welcome);
    ASSERT_NE(nullptr, WelcomeDialog::Kept().get());
    RECT shown;
    GetWindowRect(welcome, &shown);
    EXPECT_EQ(full.right - full.left, shown.right - shown.left);
    EXPECT_EQ(full.bottom - full.top - 210, shown.bottom - shown.top);
    EXPECT_EQ((100 + 740) / 2 - (shown.right - shown.left) / 2, shown.left);
    EXPECT_EQ((80 + 560) / 2 - (shown.bottom - shown.top) / 2, shown.top);

    HWND ok = GetDlgItem(welcome, IDOK);
    EXPECT_TRUE(IsWindowEnabled(ok));
    EXPECT_EQ(ok, GetFocus());
    // The OK button is still inside the shortened dialog.
    RECT button, client;
    GetWindowRect(ok, &button);
    GetClientRect(welcome, &client);
    MapWindowPoints(welcome, nullptr, reinterpret_cast<POINT*>(&client), 2);
    EXPECT_LE(button.bottom, client.bottom);
    DestroyWindow(welcome);
}

TEST_F(DialogTest, WelcomeAndAboutCloseWithOkOrCancel) {
    struct Case {
        int dialogId;
        DLGPROC proc;
        int answer;
        const char* caption;
    };
    const Case cases[] = {{IDD_WELCOME, WelcomeDialogProc, IDOK, "Welcome to Zarnock!"},
                          {IDD_WELCOME, WelcomeDialogProc, IDCANCEL, "Welcome to Zarnock!"},
                          {IDD_ABOUT, AboutDialogProc, IDOK, "About Zarnock"},
                          {IDD_ABOUT, AboutDialogProc, IDCANCEL, "About Zarnock"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        MessageBoxAnswerer answerer(c.answer);
        const INT_PTR result =
            DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(c.dialogId), owner, c.proc, 0);
        EXPECT_EQ(c.answer, result);
        ASSERT_EQ(1u, answerer.Seen().size());
        EXPECT_EQ(c.caption, answerer.Seen()[0].caption);
    }
}

// Calls `onActivate` with the first window that activates on this thread.
class FirstActivation {
public:
    explicit FirstActivation(std::function<void(HWND)> onActivate)
        : onActivate(std::move(onActivate)), hook(SetWindowsHookExA(WH_CBT, HookProc, nullptr, GetCurrentThreadId())) {
        current = this;
    }
    virtual ~FirstActivation() {
        UnhookWindowsHookEx(hook);
        current = nullptr;
    }
    bool Happened() const { return happened; }

private:
    static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_ACTIVATE && wParam != 0 && current != nullptr && !current->happened) {
            current->happened = true;
            current->onActivate(reinterpret_cast<HWND>(wParam));
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static FirstActivation* current;
    std::function<void(HWND)> onActivate;
    HHOOK hook;
    bool happened = false;
};
FirstActivation* FirstActivation::current = nullptr;

TEST_F(DialogTest, LevelUpNoticeClosesItselfAfterAboutASecond) {
    Settings.Beep = 0;
    const DWORD start = timeGetTime();
    const INT_PTR result =
        DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_LEVEL_UP), owner, LevelUpNoticeProc, 0);
    const DWORD elapsed = timeGetTime() - start;
    EXPECT_EQ(IDOK, result);
    EXPECT_GE(elapsed, 950u);
    EXPECT_LT(elapsed, 2500u);
}

TEST_F(DialogTest, LevelUpNoticeOpensWithARisingSweep) {
    Settings.Beep = 1;
    ToneRecorder recorder;
    FirstActivation closer([](HWND notice) { PostMessageA(notice, WM_COMMAND, IDOK, 0); });
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_LEVEL_UP), owner, LevelUpNoticeProc, 0);
    std::vector<Tone> sweep;
    for (int hz = 880; hz <= 1840; hz += 40) sweep.push_back({hz, 5});
    EXPECT_EQ(sweep, recorder.Tones());
    EXPECT_EQ(std::vector<int>(25, 1), recorder.Enabled());
}

TEST_F(DialogTest, EnterClosesTheLevelUpNoticeAtOnce) {
    Settings.Beep = 0;
    // Enter, as the player would press it.
    FirstActivation presser([](HWND notice) { PostMessageA(notice, WM_KEYDOWN, VK_RETURN, 1); });
    const DWORD start = timeGetTime();
    const INT_PTR result =
        DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_LEVEL_UP), owner, LevelUpNoticeProc, 0);
    const DWORD elapsed = timeGetTime() - start;
    EXPECT_TRUE(presser.Happened());
    EXPECT_EQ(IDOK, result);
    EXPECT_LT(elapsed, 600u);
}

TEST_F(DialogTest, LevelUpNoticeIsCentredOverItsOwner) {
    Settings.Beep = 0;
    RECT seen = {};
    FirstActivation watcher([&](HWND notice) {
        GetWindowRect(notice, &seen);
        PostMessageA(notice, WM_COMMAND, IDCANCEL, 0);
    });
    const INT_PTR result =
        DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_LEVEL_UP), owner, LevelUpNoticeProc, 0);
    EXPECT_EQ(IDCANCEL, result);
    ASSERT_TRUE(watcher.Happened());
    const int width = seen.right - seen.left;
    const int height = seen.bottom - seen.top;
    EXPECT_GT(width, 0);
    EXPECT_EQ((100 + 740) / 2 - width / 2, seen.left);
    EXPECT_EQ((80 + 560) / 2 - height / 2, seen.top);
}
}  // namespace
