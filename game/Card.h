// A card: its code (rank x 4 + suit), how it is drawn, and the arithmetic of card codes.
#pragma once
#include <windows.h>

struct BoardHost;

using CardCode = int;

enum CardDrawMode { FaceUp = 0, FaceDown = 1, EmptySlot = 8 };

const int BackDesign54 = 54;
const int AceRank = 0;
const int TenRank = 9;
const int KingRank = 12;
// The marker under every stack and the face-down card of a frozen stack carry this code.
const CardCode PlaceholderCode = 3;

inline int RankIndex(CardCode code) { return code >> 2; }
inline int SuitOf(CardCode code) { return code % 4; }
// Twenty-one value with an ace counted 1.
inline int TwentyOneValue(CardCode code) {
    const int rank = RankIndex(code);
    return (rank < TenRank ? rank : TenRank) + 1;
}

class Card {
public:
    explicit Card(CardCode code);
    virtual ~Card();

    void SetDrawMode(int mode);
    int DrawMode() const;
    CardCode Code() const;

    // Draws the card with its top-left corner at (x, y) through the host's card images, or erases it
    // with the background colour.
    void Draw(HDC dc, int x, int y, bool visible, const BoardHost& host) const;

private:
    CardCode code;
    int drawMode;
    int BackDesign;
};
