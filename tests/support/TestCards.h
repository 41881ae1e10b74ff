// Card codes by rank and suit, stacks built from landed cards, and the deck of a shoe as a list.
#pragma once
#include <algorithm>
#include <initializer_list>
#include <vector>
#include "game/Card.h"
#include "game/Shoe.h"
#include "game/Stack.h"

namespace Rank {
enum { Ace, Two, Three, Four, Five, Six, Seven, Eight, Nine, Ten, Jack, Queen, King };
}

inline CardCode CodeOf(int rank, int suit = 0) { return rank * 4 + suit; }

// Lands the cards on the stack in the given order: the last one ends up newest.
inline void LandCards(Stack& stack, std::initializer_list<CardCode> oldestFirst) {
    for (CardCode code : oldestFirst) stack.AddCard(new Card(code));
}

// The deck's cards from `from` up to `to` (both included; by default the whole deck, bottom first).
inline std::vector<CardCode> DeckOf(const Shoe& shoe, int from = 0, int to = -2) {
    if (to == -2) to = shoe.Top();
    std::vector<CardCode> codes;
    for (int i = from; i <= to; ++i) codes.push_back(shoe.DeckAt(i));
    return codes;
}

inline std::vector<CardCode> SortedDeckOf(const Shoe& shoe, int from = 0, int to = -2) {
    std::vector<CardCode> codes = DeckOf(shoe, from, to);
    std::sort(codes.begin(), codes.end());
    return codes;
}
