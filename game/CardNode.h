// One link of a stack's card list.
#pragma once

class Card;

class CardNode {
public:
    explicit CardNode(Card* card);
    // Clears the links; the card is not deleted (the stack deletes its cards itself).
    virtual ~CardNode();

    Card* card;
    CardNode* next;  // the node beneath, toward the base
    CardNode* prev;  // the node above, toward the top; none for the top card
};
