// The five stacks of a game: indexed access, drawing and clearing all of them, and the board layout.
#include "game/StackList.h"
#include "game/BoardHost.h"
#include "game/FallDirection.h"
#include "game/Stack.h"
#include "game/StackNode.h"

namespace {
const int MiddleColumn = 2;
}

StackList::StackList(const BoardHost& host) : host(host), first(nullptr), count(0) {}

StackList::~StackList() {
    while (first) {
        StackNode* next = first->next;
        delete first;
        first = next;
    }
    count = 0;
}

void StackList::CreateStacks() {
    for (int i = 0; i < StackCount; ++i)
        Append(new Stack(host));
}

bool StackList::Append(Stack* stack) {
    StackNode* node = new StackNode(stack);
    if (!first) {
        first = node;
    } else {
        StackNode* last = first;
        while (last->next) last = last->next;
        last->next = node;
    }
    ++count;
    return true;
}

Stack* StackList::At(int index) const {
    if (index < 0 || index >= count) return nullptr;
    StackNode* node = first;
    for (int i = 0; i < index; ++i) node = node->next;
    return node->stack;
}

int StackList::Count() const { return count; }

void StackList::DrawAll(HDC dc) const {
    for (StackNode* node = first; node; node = node->next)
        node->stack->Draw(dc);
}

int StackList::ClearAll(HDC dc) {
    int points = 0;
    for (StackNode* node = first; node; node = node->next) {
        points += node->stack->ClearAll(dc);
        node->stack->Draw(dc);
    }
    return points;
}

void StackList::Layout(const RECT& client, int& spawnX, int& spawnY, int& homeColumn, RECT& boardRect) {
    const int width = host.cardWidth;
    const int height = host.cardHeight;
    const BoardMetrics& metrics = host.metrics;
    const int gap = metrics.columnGap;
    const int direction = FallDirection();
    const int centre = (client.left + client.right) / 2;
    const int x0 = centre - (StackCount * width) / 2 - metrics.rowSideMargin;
    const int nearEnd = client.top + metrics.edgeMargin;
    const int baseY = direction == -1 ? nearEnd : nearEnd + metrics.entryDistance;

    int i = 0;
    for (StackNode* node = first; node; node = node->next, ++i)
        node->stack->SetPosition(x0 + i * (width + gap), baseY);

    spawnX = x0 + MiddleColumn * (width + gap);
    spawnY = baseY - metrics.entryDistance * direction;
    homeColumn = MiddleColumn;
    boardRect.left = x0;
    boardRect.top = baseY;
    boardRect.right = x0 + StackCount * width + (StackCount - 1) * gap;
    boardRect.bottom = baseY + height;
}

// The stacks' own grid, laid out in the effective direction of fall.
int StackList::NextCardY(int index) const {
    const Stack* stack = At(index);
    return stack ? stack->Y() - stack->Count() * host.metrics.cardStep * FallDirection() : 0;
}

int StackList::DistanceToLanding(int cardY, int index) const {
    if (!At(index)) return -1;
    return (NextCardY(index) - cardY) * FallDirection();
}

void StackList::AddCard(int index, Card* card) {
    Stack* stack = At(index);
    if (stack)
        stack->AddCard(card);
    else
        delete card;
}

int StackList::Total(int index, bool acesHigh) const {
    const Stack* stack = At(index);
    return stack ? stack->Total(acesHigh) : 0;
}

int StackList::DealerTotal(int index) const {
    const Stack* stack = At(index);
    return stack ? stack->DealerTotal() : 0;
}

int StackList::DealerUpCard(int index) const {
    const Stack* stack = At(index);
    return stack ? stack->DealerUpCard() : 0;
}

int StackList::CollapseLength(int index) const {
    const Stack* stack = At(index);
    return stack ? stack->CollapseLength() : 0;
}

bool StackList::IsFrozen(int index) const {
    const Stack* stack = At(index);
    return stack && stack->IsFrozen();
}

void StackList::Freeze(HDC dc, int index) {
    Stack* stack = At(index);
    if (stack) stack->Freeze(dc);
}

void StackList::Unfreeze(HDC dc, int index, Shoe* shoe) {
    Stack* stack = At(index);
    if (stack) stack->Unfreeze(dc, shoe);
}

int StackList::HardTotal(int index) const {
    const Stack* stack = At(index);
    return stack ? stack->HardTotal() : 0;
}

int StackList::Collapse(HDC dc, int index, int n, Shoe* shoe) {
    Stack* stack = At(index);
    return stack ? stack->Collapse(dc, n, shoe) : 0;
}
