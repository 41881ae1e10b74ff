// Test preparation of the application object, and scripted random values.
#include "support/GameTestEnvironment.h"
#include <windows.h>
#include <stdexcept>
#include "app/App.h"
#include "game/Random.h"
#include "render/CardLibrary.h"
#include "resources/ResourceIds.h"

void PrepareGameForTests() {
    if (!TheApp.cardLibrary.IsLoaded()) {
        TheApp.cardLibrary.Load(nullptr);
        TheApp.CardWidth = TheApp.cardLibrary.CardWidth();
        TheApp.CardHeight = TheApp.cardLibrary.CardHeight();
    }
    TheApp.instance = GetModuleHandleA(nullptr);
    TheApp.Display = DisplayScale(DisplayScale::SystemDpi());
    if (!TheApp.Markers.Ring()) TheApp.LoadMarkerBitmaps();
    Settings.SetDefaults();
    Settings.DeriveMinCollapse();
    Settings.DropInterval = SettingsDefaults::InitialDropInterval;
    Settings.Beep = 0;
    Settings.Music = 0;
    Settings.UsePlatformBeep = 1;
    TheApp.GameIsOver = 0;
}

const BoardHost& CardHost() {
    static CardLibrary library;
    static BoardHost host;
    if (!library.IsLoaded() && library.Load(nullptr)) {
        HINSTANCE instance = GetModuleHandleA(nullptr);
        host.cardWidth = library.CardWidth();
        host.cardHeight = library.CardHeight();
        host.metrics = BoardMetrics(DisplayScale(DisplayScale::SystemDpi()));
        host.drawCard = [](HDC dc, int x, int y, int card, int mode, COLORREF background) {
            library.DrawCard(dc, x, y, card, mode, background);
        };
        host.ringBitmap = LoadBitmapA(instance, MAKEINTRESOURCEA(IDB_RING));
        host.outlineBitmap = LoadBitmapA(instance, MAKEINTRESOURCEA(IDB_OUTLINE));
    }
    return host;
}

int GeneratorValueFor(int result, int limit, int base) {
    for (int r = 0; r < RandomGeneratorMax; ++r) {
        const int n = static_cast<int>(r / static_cast<double>(RandomGeneratorMax) * (limit - base) + base);
        if (n == result) return r;
    }
    throw std::invalid_argument("RandomInt cannot give that result");
}

ScriptedRandom::ScriptedRandom() {
    SetRandomGenerator([this] {
        if (values.empty()) {
            fallbackState = fallbackState * 214013u + 2531011u;
            return static_cast<int>((fallbackState >> 16) & 0x7FFF);
        }
        const int v = values.front();
        values.pop_front();
        return v;
    });
}

ScriptedRandom::~ScriptedRandom() { SetRandomGenerator(nullptr); }

ScriptedRandom& ScriptedRandom::Raw(int value) {
    values.push_back(value);
    return *this;
}

ScriptedRandom& ScriptedRandom::Next(int result, int limit, int base) {
    return Raw(GeneratorValueFor(result, limit, base));
}

ScriptedRandom& ScriptedRandom::RandomCard(int code) { return Next(code >> 2, 13, 0).Next(code % 4, 4, 0); }

ScriptedRandom& ScriptedRandom::EasyHand(int total, int upCard) { return Next(total, 22, 17).Next(upCard, 13, 0); }
