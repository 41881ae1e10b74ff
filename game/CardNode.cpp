// A link of a stack's card list.
#include "game/CardNode.h"

CardNode::CardNode(Card* card) : card(card), next(nullptr), prev(nullptr) {}

CardNode::~CardNode() {
    card = nullptr;
    next = nullptr;
    prev = nullptr;
}
