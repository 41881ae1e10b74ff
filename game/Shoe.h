// The card source of one game: the deck, the falling card with its sprite, and the swap rules.
#pragma once
#include <windows.h>
#include <memory>
#include <vector>
#include "game/Card.h"
#include "game/GameEndReason.h"
#include "system/GdiObject.h"
#include "system/MemoryDC.h"

struct BoardHost;

class Shoe {
public:
    static constexpr int DeckCapacity = 104;

    // The host draws the falling card; it outlives the shoe.
    explicit Shoe(const BoardHost& host);
    // Deletes the falling card and the saved background bitmap.
    virtual ~Shoe();
    Shoe(const Shoe&) = delete;
    Shoe& operator=(const Shoe&) = delete;

    // Makes a new falling card at (0, 0); false when the game must end for lack of cards.
    bool DealNext(HWND window);
    // Why the game ends after DealNext returned false.
    GameEndReason EndReason() const;
    // Replaces the falling card by the swap rules; the position is kept and nothing is drawn.
    void Swap(HWND window);
    // Hands over the falling card (the caller owns it); its image stays on the screen.
    Card* TakeFallingCard();
    void ReturnToDeck(CardCode code);
    int CardsLeft() const;
    void SetDeckTop(int index);

    int FallingX() const;
    int FallingY() const;
    void SetFallingPos(int x, int y);
    const Card* Falling() const;

    // The falling-card sprite. Without a device context, MoveTo and MoveBy only move the position.
    void MoveTo(int x, int y, HDC dc);
    void MoveBy(int dx, int dy, HDC dc);
    void DrawFalling(HDC dc);
    void HideFalling(HDC dc);
    void RedrawFalling(HDC dc);
    bool BackgroundSaved() const;
    // Forgets the screen saved under the card and releases its bitmap, made again at the host's card size
    // when the card is next drawn.
    void ReleaseBackground();

    // The deck as it stands: deck[0] is the bottom, deck[Top()] the next card to deal.
    int Top() const;
    CardCode DeckAt(int index) const;
    bool Reshuffled() const;
    bool Exhausted() const;
    int PerfectMatches() const;
    // Puts exactly these codes in the deck, the last one dealt first.
    void SetDeck(const std::vector<CardCode>& codes);

private:
    CardCode NextCode();
    CardCode TakeFromDeck();
    void Refill();
    bool CheckPerfectMatch();
    CardCode SwapForNew();
    CardCode SwapForComplement();
    CardCode SwapWithNext();
    CardCode ComplementCode() const;
    CardCode ExchangeComplementInDeck();
    void SaveBackground(HDC dc);
    void RestoreBackground(HDC dc);
    void DiscardBackground();
    bool DeckIsFull() const;
    void ReplaceFalling(CardCode code);

    const BoardHost& host;
    int fallingX;
    int fallingY;
    Card* falling;
    CardCode deck[DeckCapacity];
    int top;
    int reshuffled;
    int exhausted;
    int perfectMatches;
    int backgroundSaved;
    Bitmap background;  // owned, kept between moves: the screen under the falling card while backgroundSaved
    std::unique_ptr<MemoryDC> backgroundCopy;  // holds `background`; declared after it, so released first
};
