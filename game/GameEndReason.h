// Why a game ended, as the board reports it to the end-of-game flow.
#pragma once

enum GameEndReason {
    NoRoomForCard = 0,  // a new card has no room above its stack, or every stack is frozen
    OutOfCards = 1,
    PerfectMatch = 2,   // the last cards would collapse on their own for ever
    AbandonedForNewGame = 4,
};
