// One game in progress: the falling card, its moves and landing, scoring, levels and the status text.
#pragma once
#include <windows.h>
#include <functional>
#include <memory>
#include <string>
#include "game/BoardHost.h"
#include "game/StackList.h"
#include "render/TextFont.h"
#include "render/TextSpot.h"

class Shoe;

const int DropPauseMs = 10;   // pause after each drop step
const int CardsPerLevel = 52;

class Board {
public:
    // Deals the first falling card and the five stacks' dealer hands; draws nothing. The board keeps its
    // own copy of the host.
    Board(HWND window, const BoardHost& host);
    virtual ~Board();

    void Paint(HDC dc, HWND window);
    void Tick(HWND window);
    void MoveLeft(HWND window);
    void MoveRight(HWND window);
    void Drop(HWND window);
    void Swap(HWND window);
    void LevelUp(HWND window);
    // Lays the game out again for another host, as at a change of the window's density: every stack, the
    // text and the falling card, which keeps its column and the ticks of its fall. Draws nothing: the caller
    // repaints the whole window.
    void ChangeHost(const BoardHost& newHost);

    int GetWinnings() const;
    void AddWinnings(int amount);
    // Distance from a card at y to its landing place over a column; -1 outside the five columns.
    int DistanceToLanding(int cardY, int column) const;
    double ScoreMultiplier() const;

    // The status line and the captions under each stack.
    void DrawStatus(HDC dc);
    // Draws the status and captions again during play, beneath the falling card.
    void RedrawStatus(HWND window);
    void DrawWinnings(HDC dc);
    void DrawDeckCount(HDC dc);
    void DrawStackCaptions(HDC dc);
    // The Medium dealer caption for a shown card (0 ace .. 12 king), in the player's language.
    static std::wstring DealerUpCardCaption(int card);

    // The state of the game, for the application and the tests.
    int Column() const;
    int HomeColumn() const;
    int SpawnX() const;
    int SpawnY() const;
    // The ticks the falling card has fallen since it was placed over its column.
    int FallTicks() const;
    int Level() const;
    int CardsThisLevel() const;
    const RECT& BoardRect() const;
    const RECT& ClientRect() const;
    Shoe& GetShoe();
    StackList& Stacks();

    // Waits after each step of a drop (DropPauseMs); tests may shorten it.
    std::function<void()> pauseAfterDropStep = [] { Sleep(DropPauseMs); };

private:
    void CheckLanding(HWND window);
    void PlaceFallingCard(HWND window, HDC dc);
    int SelectNextFreeColumn();
    void Land(HWND window);
    int ColumnX(int column) const;

    // A card has been placed over a column and the game goes on: it may move, swap and land.
    bool CardInPlay() const;
    // MoveLeft (-1) and MoveRight (+1), passing frozen stacks that lie below the card.
    void MoveSideways(HWND window, int step);
    void CollapseNewestCards(HDC dc, double multiplier);
    // Freezes the landing stack when it is bust (Vicious); true when it froze.
    bool FreezeIfBust(HDC dc);
    // The deck counter shows 0, the status is drawn, and the game-over flow runs.
    void EndGame(HWND window, HDC dc, GameEndReason reason);
    void UnfreezeFirstFrozen(HDC dc);
    static int NextDropInterval(int interval);
    std::wstring PlayerCaptionText(int index) const;
    std::wstring DealerCaptionText(int index) const;
    void DrawStatusBeneathCard(HDC dc);
    // Takes the falling card off while `draw` changes what lies beneath it, then draws it again there.
    void BeneathFallingCard(HDC dc, const std::function<void()>& draw);
    int CaptionCentre(int index) const;
    // Writes a stack's player caption and gives the cell it fills.
    RECT PlayerCaption(HDC dc, int index, const std::wstring& text) const;
    // Fills the cells of the player captions still on screen with the background colour.
    void ErasePlayerCaptions(HDC dc);
    // The place of a stack's player caption, holding the last caption only while it is still on screen.
    TextSpot& PlayerCaptionSpot(int index);
    // The texts on screen were painted over with the board (a paint): their places are forgotten.
    void ForgetTextSpots();

    // The host may end the game or show the notice in a modal loop, during which the window can be
    // destroyed: the operation that called it then stops.
    static bool WindowGone(HWND window);

    // The shoe and the stacks keep a reference to it; ChangeHost replaces its contents.
    BoardHost host;
    // The status line and the captions are drawn in it, at the host's density.
    std::unique_ptr<TextFont> textFont;
    std::unique_ptr<Shoe> shoe;
    std::unique_ptr<StackList> stacks;
    RECT boardRect;
    RECT clientRect;
    // Where each text that is written again in place stands, so that a new one erases what is left of it.
    TextSpot winningsSpot;
    TextSpot deckCountSpot;
    TextSpot dealerSpots[StackCount];
    TextSpot playerSpots[StackCount];
    // Where the next card of each stack lands when its player caption was written: the caption's place.
    int playerCaptionPlaces[StackCount] = {};
    int column;
    int homeColumn;
    int spawnX;
    int spawnY;
    int winnings;
    int level;
    int cardsThisLevel;
    // The card dealt last has been placed over its column (it is dealt at (0, 0), unplaced).
    bool fallingPlaced;
    // Ticks since the falling card was placed: its height at any density.
    int fallTicks;
    // Set while Land runs up to its own placement of the next card: a paint handled inside the
    // level-up notice then places and draws the card but leaves the no-room test to Land, so that no
    // game-over flow (and no new game from it) runs while Land and LevelUp are still using this board.
    bool landingInProgress;
};
