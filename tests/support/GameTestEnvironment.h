// Prepares the application object and settings for tests: card library, marker bitmaps, sound off.
#pragma once
#include <deque>
#include <vector>
#include "game/BoardHost.h"
#include "settings/SettingsRecord.h"

// Card images and marker bitmaps of the test program's own (loaded on first use), for stacks, shoes and
// cards built without a board. Its game callbacks are left empty: a call through them fails loudly.
const BoardHost& CardHost();

// Loads cards32.dll and the marker bitmaps into TheApp (once) and resets Settings to the defaults,
// with sound effects and music off and the drop interval of a new game.
void PrepareGameForTests();

// Restores the whole settings record when it goes out of scope.
class ScopedSettings {
public:
    ScopedSettings() : saved(Settings) {}
    virtual ~ScopedSettings() { Settings = saved; }

private:
    SettingsRecord saved;
};

// A generator value that makes RandomInt(limit, base) return `result`.
int GeneratorValueFor(int result, int limit, int base);

// Feeds RandomInt exact generator values while it lives; past the end of the script the
// values come from a fixed-seed generator of the same kind.
class ScriptedRandom {
public:
    ScriptedRandom();
    virtual ~ScriptedRandom();
    // Queues a raw generator value.
    ScriptedRandom& Raw(int value);
    // Queues the value that makes RandomInt(limit, base) give `result`.
    ScriptedRandom& Next(int result, int limit, int base);
    // Queues a card for endless dealing (rank then suit).
    ScriptedRandom& RandomCard(int code);
    // Queues an Easy dealer hand.
    ScriptedRandom& EasyHand(int total, int upCard);
    size_t Remaining() const { return values.size(); }

private:
    std::deque<int> values;
    unsigned int fallbackState = 1;
};
