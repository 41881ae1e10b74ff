// The deck and the falling card: dealing, refilling and shuffling, swaps, returns, and the falling-card sprite.
#include "game/Shoe.h"
#include <algorithm>
#include "game/BoardHost.h"
#include "game/Random.h"
#include "game/Stack.h"
#include "system/MemoryDC.h"
#include "settings/SettingsRecord.h"

namespace {
const int FreshDeckSize = 52;
const int SwapForNewMode = 1;
const int SwapForComplementMode = 2;
const int SwapWithNextMode = 3;
const int EndlessDealing = 0;
const int RecyclingDeck = 2;
// With swaps from the top of the deck, returned cards stay out of the cards about to be dealt.
const int ReturnReserve = 4;
const int ReturnBelowTop = 3;
const int ShufflePasses = 3;
const int PerfectMatchMinTop = 2;
const int PerfectMatchMaxTop = 12;
const int PerfectMatchLimit = 32;
}

Shoe::Shoe(const BoardHost& host)
    : host(host), fallingX(0), fallingY(0), falling(nullptr), deck(), top(-1), reshuffled(0), exhausted(0),
      perfectMatches(0), backgroundSaved(0) {}

Shoe::~Shoe() { delete falling; }

bool Shoe::DealNext(HWND) {
    fallingX = 0;
    fallingY = 0;
    ReplaceFalling(NextCode());
    return !(Settings.EndOnShuffle && Settings.OneDeck == RecyclingDeck && reshuffled);
}

GameEndReason Shoe::EndReason() const {
    if (exhausted) return PerfectMatch;
    return reshuffled ? OutOfCards : NoRoomForCard;
}

void Shoe::Swap(HWND) {
    const int mode = Settings.SwapMode;
    if (!falling) return;
    if (mode != SwapForNewMode && mode != SwapForComplementMode && mode != SwapWithNextMode) return;
    if (Settings.OneDeck != EndlessDealing && top < 0) return;
    CardCode code;
    if (mode == SwapForNewMode)
        code = SwapForNew();
    else if (mode == SwapForComplementMode)
        code = SwapForComplement();
    else
        code = SwapWithNext();
    ReplaceFalling(code);
}

Card* Shoe::TakeFallingCard() {
    DiscardBackground();
    Card* card = falling;  // ownership passes to the caller
    falling = nullptr;
    return card;
}

void Shoe::ReturnToDeck(CardCode code) {
    // A full deck has no room for the card, and an ended deck (top -2) takes no more cards.
    if (DeckIsFull() || top < -1) return;
    const int t = ++top;
    const int reserve = Settings.SwapMode == SwapWithNextMode ? std::min(t, ReturnReserve) : 0;
    const int p = RandomInt(t + 1 - reserve, 0);
    const int q = std::max(t - ReturnBelowTop, 0);
    deck[t] = deck[q];
    deck[q] = deck[p];
    deck[p] = code;
}

int Shoe::CardsLeft() const { return top + 1; }

void Shoe::SetDeckTop(int index) { top = index; }

int Shoe::FallingX() const { return fallingX; }

int Shoe::FallingY() const { return fallingY; }

void Shoe::SetFallingPos(int x, int y) {
    fallingX = x;
    fallingY = y;
}

const Card* Shoe::Falling() const { return falling; }

int Shoe::Top() const { return top; }

CardCode Shoe::DeckAt(int index) const { return deck[index]; }

bool Shoe::Reshuffled() const { return reshuffled != 0; }

bool Shoe::Exhausted() const { return exhausted != 0; }

int Shoe::PerfectMatches() const { return perfectMatches; }

void Shoe::SetDeck(const std::vector<CardCode>& codes) {
    const int size = std::min(static_cast<int>(codes.size()), DeckCapacity);
    std::copy(codes.begin(), codes.begin() + size, deck);
    top = size - 1;
}

CardCode Shoe::NextCode() {
    if (Settings.OneDeck == EndlessDealing) {
        const int rank = RandomInt(13, 0);
        const int suit = RandomInt(4, 0);
        return rank * 4 + suit;
    }
    return TakeFromDeck();
}

CardCode Shoe::TakeFromDeck() {
    if (top >= 0 && !CheckPerfectMatch()) {
        reshuffled = 0;
    } else {
        Refill();
        reshuffled = 1;
    }
    return deck[top--];
}

void Shoe::Refill() {
    // At most the 52 lowest remaining cards are carried over, on top of the fresh deck, in their order.
    const int carried = top >= 0 ? std::min(top, FreshDeckSize - 1) + 1 : 0;
    std::copy(deck, deck + carried, deck + FreshDeckSize);
    for (int i = 0; i < FreshDeckSize; ++i) deck[i] = i;
    for (int pass = 0; pass < ShufflePasses; ++pass) {
        for (int i = 0; i < FreshDeckSize; ++i) std::swap(deck[i], deck[RandomInt(FreshDeckSize, 0)]);
    }
    top = FreshDeckSize - 1 + carried;
}

// True when the deck must be refilled now: the remaining cards would collapse as one group for ever.
bool Shoe::CheckPerfectMatch() {
    if (Settings.OneDeck != RecyclingDeck) return false;
    bool match = false;
    if (top >= PerfectMatchMinTop && top <= PerfectMatchMaxTop) {
        Stack scratch(host);
        for (int i = 0; i <= top; ++i) scratch.AddCard(new Card(deck[i]));
        match = scratch.CollapseLength() == top + 1;
    }
    if (!Settings.EndOnShuffle) return match;
    if (match) ++perfectMatches;
    if (perfectMatches >= PerfectMatchLimit) {
        exhausted = 1;
        return true;
    }
    return false;
}

CardCode Shoe::SwapForNew() {
    const CardCode code = NextCode();
    if (Settings.OneDeck != EndlessDealing && code != falling->Code()) ReturnToDeck(falling->Code());
    return code;
}

CardCode Shoe::SwapForComplement() {
    if (Settings.OneDeck == EndlessDealing) return ComplementCode();
    return ExchangeComplementInDeck();
}

CardCode Shoe::SwapWithNext() {
    if (Settings.OneDeck == EndlessDealing) return SwapForNew();
    const CardCode code = deck[top];
    if (top >= 1) {
        deck[top] = deck[top - 1];
        deck[top - 1] = falling->Code();
    } else {
        deck[0] = falling->Code();
    }
    return code;
}

// Same suit, ranks adding up to Queen: Ace-Queen, Two-Jack ... Six-Seven; the King is its own complement.
CardCode Shoe::ComplementCode() const {
    const CardCode code = falling->Code();
    const int rank = RankIndex(code);
    if (rank == KingRank) return code;
    return (11 - rank) * 4 + SuitOf(code);
}

CardCode Shoe::ExchangeComplementInDeck() {
    if (top < 0) Refill();
    const CardCode complement = ComplementCode();
    CardCode* const end = deck + top + 1;
    CardCode* const found = std::find(deck, end, complement);
    if (found == end) return falling->Code();
    *found = falling->Code();
    return complement;
}

bool Shoe::DeckIsFull() const { return top >= DeckCapacity - 1; }

// The new card is made before the old one goes, so the falling card is always a fresh object.
void Shoe::ReplaceFalling(CardCode code) {
    Card* replacement = new Card(code);
    delete falling;
    falling = replacement;
}

void Shoe::MoveTo(int x, int y, HDC dc) {
    if (!dc) {
        SetFallingPos(x, y);
        return;
    }
    HideFalling(dc);
    SetFallingPos(x, y);
    DrawFalling(dc);
}

void Shoe::MoveBy(int dx, int dy, HDC dc) { MoveTo(fallingX + dx, fallingY + dy, dc); }

void Shoe::DrawFalling(HDC dc) {
    SaveBackground(dc);
    if (falling) falling->Draw(dc, fallingX, fallingY, true, host);
}

void Shoe::HideFalling(HDC dc) {
    if (backgroundSaved) RestoreBackground(dc);
}

void Shoe::RedrawFalling(HDC dc) {
    HideFalling(dc);
    DrawFalling(dc);
}

bool Shoe::BackgroundSaved() const { return backgroundSaved != 0; }

void Shoe::SaveBackground(HDC dc) {
    if (backgroundSaved) return;
    // One bitmap in one memory device context serves every move of every card: making them anew at each
    // tick would cost many times the copies themselves.
    if (!backgroundCopy) {
        Bitmap bitmap(CreateCompatibleBitmap(dc, host.cardWidth, host.cardHeight));
        std::unique_ptr<MemoryDC> copy(new MemoryDC(dc));
        if (!bitmap || !*copy) return;
        background = std::move(bitmap);
        copy->Select(background);
        backgroundCopy = std::move(copy);
    }
    BitBlt(*backgroundCopy, 0, 0, host.cardWidth, host.cardHeight, dc, fallingX, fallingY, SRCCOPY);
    backgroundSaved = 1;
}

void Shoe::RestoreBackground(HDC dc) {
    BitBlt(dc, fallingX, fallingY, host.cardWidth, host.cardHeight, *backgroundCopy, 0, 0, SRCCOPY);
    DiscardBackground();
}

void Shoe::DiscardBackground() { backgroundSaved = 0; }

void Shoe::ReleaseBackground() {
    DiscardBackground();
    backgroundCopy.reset();  // puts back what it held before `background`
    background.Reset();
}
