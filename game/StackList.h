// The five stacks of a game, left to right, with the board layout.
#pragma once
#include <windows.h>
#include "game/Card.h"

struct BoardHost;
class Shoe;
class Stack;
class StackNode;

const int StackCount = 5;

class StackList {
public:
    // The host draws the stacks and gives the card size; it outlives the list.
    explicit StackList(const BoardHost& host);
    // Deletes every node (and so every stack) from the first to the last.
    virtual ~StackList();

    void CreateStacks();
    // The list takes ownership of the stack.
    bool Append(Stack* stack);
    Stack* At(int index) const;
    int Count() const;

    void DrawAll(HDC dc) const;
    int ClearAll(HDC dc);
    void Layout(const RECT& client, int& spawnX, int& spawnY, int& homeColumn, RECT& boardRect);

    // Indexed operations; the caller passes an index from 0 to 4.
    int DistanceToLanding(int cardY, int index) const;
    void AddCard(int index, Card* card);
    int Total(int index, bool acesHigh) const;
    int DealerTotal(int index) const;
    int DealerUpCard(int index) const;
    int NextCardY(int index) const;
    int CollapseLength(int index) const;
    bool IsFrozen(int index) const;
    void Freeze(HDC dc, int index);
    void Unfreeze(HDC dc, int index, Shoe* shoe);
    int HardTotal(int index) const;
    int Collapse(HDC dc, int index, int n, Shoe* shoe);

private:
    const BoardHost& host;
    StackNode* first;
    int count;
};
