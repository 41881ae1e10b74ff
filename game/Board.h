// One game in progress: the falling card, its moves and landing, scoring, levels and the status text.
#pragma once
#include <windows.h>

class Shoe;
class StackList;

const int TickStep = 12;      // pixels a falling card moves per tick
const int DropStep = 48;      // pixels per step of a drop
const int DropPauseMs = 10;   // pause after each drop step
const int ColumnGap = 20;     // pixels between two stacks
const int CardsPerLevel = 52;

class Board {
public:
    // Deals the first falling card and the five stacks' dealer hands; draws nothing.
    explicit Board(HWND window);
    virtual ~Board();

    void Paint(HDC dc, HWND window);
    void Tick(HWND window);
    void MoveLeft(HWND window);
    void MoveRight(HWND window);
    void Drop(HWND window);
    void Swap(HWND window);
    void LevelUp(HWND window, HINSTANCE instance);

    int GetWinnings() const;
    void AddWinnings(int amount);
    // Distance from a card at y to its landing place over a column; -1 outside the five columns.
    int DistanceToLanding(int cardY, int column) const;
    double ScoreMultiplier() const;

    // The status line and the captions under each stack.
    void DrawStatus(HDC dc);
    void DrawWinnings(HDC dc);
    void DrawDeckCount(HDC dc);
    void DrawStackCaptions(HDC dc);
    // Writes the Medium dealer caption for a shown card (0 ace .. 12 king); the length written.
    static int DealerUpCardCaption(char* buffer, int card);

    // The state of the game, for the application and the tests.
    int Column() const;
    int HomeColumn() const;
    int SpawnX() const;
    int SpawnY() const;
    int Level() const;
    int CardsThisLevel() const;
    const RECT& BoardRect() const;
    const RECT& ClientRect() const;
    Shoe& GetShoe();
    StackList& Stacks();

private:
    void CheckLanding(HWND window);
    void PlaceFallingCard(HWND window, HDC dc);
    int SelectNextFreeColumn();
    void Land(HWND window);
    int ColumnX(int column) const;

    Shoe* shoe;
    StackList* stacks;
    RECT boardRect;
    RECT clientRect;
    int column;
    int homeColumn;
    int spawnX;
    int spawnY;
    int winnings;
    int level;
    int cardsThisLevel;
};
