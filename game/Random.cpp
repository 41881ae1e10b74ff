// A linear congruential generator of 15-bit values and the game's RandomInt over it.
#include "game/Random.h"

namespace {
unsigned int generatorState = 1;
std::function<int()> replacement;

int BuiltInGenerator() {
    generatorState = generatorState * 214013u + 2531011u;
    return static_cast<int>((generatorState >> 16) & 0x7FFF);
}
}

void SeedRandom(unsigned int seed) { generatorState = seed; }

int NextGeneratorValue() { return replacement ? replacement() : BuiltInGenerator(); }

void SetRandomGenerator(std::function<int()> generator) { replacement = std::move(generator); }

int RandomInt(int limit, int base) {
    const int r = NextGeneratorValue();
    const double x = r / static_cast<double>(RandomGeneratorMax) * (limit - base) + base;
    const int n = static_cast<int>(x);
    return n == limit ? base : n;
}
