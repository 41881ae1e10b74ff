// The window's placement, size limits and density, and the settings' load and save with the placement.
#include "app/App.h"
#include "game/Board.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsRecord.h"
#include "settings/StoredSettings.h"
#include "system/CardSize.h"

namespace {
const int DefaultWindowWidth = 460;
const int DefaultWindowHeight = 480;
const int TooSmallWindowSize = 458;

// The main window's outer sizes at the display's density, from their values at 96 dpi.
struct WindowSizes {
    explicit WindowSizes(const DisplayScale& display)
        : defaultWidth(display.Scale(DefaultWindowWidth)), defaultHeight(display.Scale(DefaultWindowHeight)),
          minimumWidth(display.Scale(MinimumWindowWidth)), minimumHeight(display.Scale(MinimumWindowHeight)),
          tooSmall(display.Scale(TooSmallWindowSize)) {}
    int defaultWidth;
    int defaultHeight;
    int minimumWidth;
    int minimumHeight;
    int tooSmall;  // what a stored size below the minimum becomes, in both directions
};

// The stored placement's sizes are pixels at the density stored with them; values stored without one were
// written at 96 dpi. A missing size is the default at that density.
int ReadWindowSize(const wchar_t* name, int sizeAt96, const DisplayScale& stored, const DisplayScale& display) {
    return display.ScaleFrom(ReadSignedSettingsValue(name, stored.Scale(sizeAt96)), stored);
}
const wchar_t* const PlacementDpiName = L"PlacementDpi";
// Beside the density, the size it belongs to: width in the low word, height in the high one. A release that
// knew only 96 dpi rewrites Width and Height in its own pixels but leaves the density, which then no longer
// belongs to them.
const wchar_t* const PlacementSizeName = L"PlacementSize";
int PackedSize(int width, int height) {
    return static_cast<int>(MAKELONG(static_cast<WORD>(width), static_cast<WORD>(height)));
}

// The density the stored Width and Height were saved at.
DisplayScale StoredPlacementDensity() {
    const int dpi = ReadSignedSettingsValue(PlacementDpiName, DisplayScale::BaseDpi);
    const int size = PackedSize(ReadSignedSettingsValue(L"Width", 0), ReadSignedSettingsValue(L"Height", 0));
    const bool sizeRewritten = ReadSignedSettingsValue(PlacementSizeName, size) != size;
    return DisplayScale(sizeRewritten ? DisplayScale::BaseDpi : dpi);
}
}  // namespace

void App::AdoptWindowDensity(HWND window) {
    const DisplayScale own(DisplayScale::WindowDpi(window));
    if (own.Dpi() == Display.Dpi())
        return;
    Width = own.ScaleFrom(Width, Display);
    Height = own.ScaleFrom(Height, Display);
    Display = own;
    SetWindowPos(window, nullptr, 0, 0, Width, Height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void App::TakeCardSize() {
    if (Display.Dpi() == DisplayScale::SystemDpi() && cardLibrary.IsLoaded()) {
        CardWidth = cardLibrary.CardWidth();
        CardHeight = cardLibrary.CardHeight();
        return;
    }
    const CardSize card(Display);
    CardWidth = card.Width();
    CardHeight = card.Height();
}

void App::FitPlacementToScreen(int screenWidth, int screenHeight, int iconWidth, int iconHeight) {
    if (Left < 0 || Left > screenWidth - iconWidth)
        Left = 0;
    if (Top < 0 || Top > screenHeight - iconHeight)
        Top = 0;
    const WindowSizes sizes(Display);
    if (Width > screenWidth)
        Width = sizes.defaultWidth;
    if (Height > screenHeight)
        Height = sizes.defaultHeight;
    if (Width < sizes.minimumWidth)
        Width = sizes.tooSmall;
    if (Height < sizes.minimumHeight)
        Height = sizes.tooSmall;
}

int App::OnSizing(HWND, WPARAM edge, RECT* rect) {
    if (rect == nullptr)
        return 1;
    const WindowSizes sizes(Display);
    const int minimumWidth = sizes.minimumWidth;
    const int minimumHeight = sizes.minimumHeight;
    const bool tooShort = rect->bottom - rect->top < minimumHeight;
    const bool tooNarrow = rect->right - rect->left < minimumWidth;
    if (tooShort && (edge == WMSZ_BOTTOM || edge == WMSZ_BOTTOMLEFT || edge == WMSZ_BOTTOMRIGHT))
        rect->bottom = rect->top + minimumHeight;
    if (tooShort && (edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT))
        rect->top = rect->bottom - minimumHeight;
    if (tooNarrow && (edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT))
        rect->left = rect->right - minimumWidth;
    if (tooNarrow && (edge == WMSZ_RIGHT || edge == WMSZ_TOPRIGHT || edge == WMSZ_BOTTOMRIGHT))
        rect->right = rect->left + minimumWidth;
    return 1;
}

int App::OnDpiChanged(HWND window, int dpi, const RECT* suggested) {
    Display = DisplayScale(dpi);
    TakeCardSize();
    LoadMarkerBitmaps();
    if (board != nullptr) {
        BoardCall call(*this);
        board->ChangeHost(MakeBoardHost());
    }
    if (suggested != nullptr)
        SetWindowPos(window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
    return 0;
}

int App::SavePlacement(HWND window) {
    if (!Paused)
        KillTimer(window, DROP_TIMER);
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    if (GetWindowPlacement(window, &placement)) {
        const RECT& normal = placement.rcNormalPosition;
        Top = normal.top;
        Left = normal.left;
        Width = normal.right - normal.left;
        Height = normal.bottom - normal.top;
        MinMax = placement.showCmd == SW_SHOWMAXIMIZED ? MaximizedMarker : 0;
    }
    SaveSettings();
    return 0;
}

void App::LoadSettings() {
    Settings.DropInterval = SettingsDefaults::InitialDropInterval;
    LoadStoredSettings(Settings);
    Settings.DeriveMinCollapse();
    Top = ReadSignedSettingsValue(L"Top", 0);
    Left = ReadSignedSettingsValue(L"Left", 0);
    // The position is kept in the screen's pixels; the size keeps its inches.
    const DisplayScale stored(StoredPlacementDensity());
    Width = ReadWindowSize(L"Width", DefaultWindowWidth, stored, Display);
    Height = ReadWindowSize(L"Height", DefaultWindowHeight, stored, Display);
    MinMax = ReadSignedSettingsValue(L"MinMax", 0);
}

void App::SaveSettings() {
    WriteSettingsValue(L"FirstBoot", 0);
    SaveStoredSettings(Settings);
    WriteSettingsValue(L"Top", Top);
    WriteSettingsValue(L"Left", Left);
    WriteSettingsValue(L"Width", Width);
    WriteSettingsValue(L"Height", Height);
    WriteSettingsValue(L"MinMax", MinMax);
    WriteSettingsValue(PlacementDpiName, Display.Dpi());
    WriteSettingsValue(PlacementSizeName, PackedSize(Width, Height));
}

int App::ReadFirstBoot() { return ReadSignedSettingsValue(L"FirstBoot", 1); }

