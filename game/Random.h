// The game's only source of randomness: a 15-bit generator and RandomInt over it.
#pragma once
#include <functional>

const int RandomGeneratorMax = 32767;

// An integer in base .. limit - 1; the generator's top value folds onto base.
int RandomInt(int limit, int base);

// Seeds the built-in generator (once at start-up, from the clock).
void SeedRandom(unsigned int seed);

// The next raw generator value, 0 .. 32767.
int NextGeneratorValue();

// Replaces the generator, so that tests can feed exact values; an empty function restores the built-in one.
void SetRandomGenerator(std::function<int()> generator);
