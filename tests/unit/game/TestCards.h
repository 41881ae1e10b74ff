// Card codes by rank and suit, and stacks built from landed cards, for the rules tests.
#pragma once
#include <initializer_list>
#include "game/Card.h"
#include "game/Stack.h"

namespace Rank {
enum { Ace, Two, Three, Four, Five, Six, Seven, Eight, Nine, Ten, Jack, Queen, King };
}

inline CardCode CodeOf(int rank, int suit = 0) { return rank * 4 + suit; }

// Lands the cards on the stack in the given order: the last one ends up newest.
inline void LandCards(Stack& stack, std::initializer_list<CardCode> oldestFirst) {
    for (CardCode code : oldestFirst) stack.AddCard(new Card(code));
}
