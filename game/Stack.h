// One column of the board: its cards over a marker, its dealer hand, collapse, scoring and freezing.
#pragma once
#include <windows.h>
#include "game/BoardMetrics.h"
#include "game/Card.h"

struct BoardHost;
class CardNode;
class Shoe;

class Stack {
public:
    // The host draws the cards; it outlives the stack.
    explicit Stack(const BoardHost& host);
    // Deletes every card and node, then the marker card and the base node.
    virtual ~Stack();

    // The stack takes ownership of the card; the result is 1.
    int AddCard(Card* card);
    // The caller owns the returned card; none when the stack is empty.
    Card* PopCard();
    void SetPosition(int x, int y);
    void Draw(HDC dc) const;

    int NextCardY() const;
    int DistanceToLanding(int cardY) const;

    // Number of newest cards that collapse now, by the collapse rules in force; 0 = none.
    int CollapseLength() const;
    // Removes the newest n cards with animation and tones; the points of the group.
    int Collapse(HDC dc, int n, Shoe* shoe);
    // Empties the stack with its tones; the card points of the removed cards.
    int ClearAll(HDC dc);

    // The total shown under the stack; 0 = nothing to show.
    int Total(bool acesHigh) const;
    // All cards, aces as 1.
    int HardTotal() const;

    void Freeze(HDC dc);
    void Unfreeze(HDC dc, Shoe* shoe);
    void DealDealerHand();

    int DealerTotal() const;
    int DealerUpCard() const;
    bool IsFrozen() const;
    int Count() const;
    int X() const;
    int Y() const;
    // The card `fromTop` places below the newest (0 = newest); none past the bottom.
    const Card* CardAt(int fromTop) const;
    // Sets the dealer hand directly (a dealt hand replaces it at the next collapse).
    void SetDealerHand(int total, int upCard);

    // Points of the newest n cards by the collapse rules in force.
    int Score(int n) const;

    // Alternative rules: sets and same-suit runs, poker hands.
    int RunLength(bool acesHigh) const;
    int PokerHand(bool acesHigh) const;
    int PokerLength(bool acesHigh) const;
    int RunScore(int n) const;
    int PokerScore() const;

private:
    int TwentyOneLength(bool acesHigh) const;
    int TwentyOneScore(int n) const;
    int CardSum(int category, bool acesHigh) const;
    // y offset of the newest card from the base, against the direction of fall.
    int NewestCardOffset() const;

    const BoardHost& host;
    CardNode* head;
    CardNode* base;
    int count;
    int x;
    int y;
    int dealerTotal;
    int dealerUpCard;
    int frozen;
};
