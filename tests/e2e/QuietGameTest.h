// The fixture of the end-to-end tests that play: the real game started on quiet settings, its first card seen.
#pragma once
#include <gtest/gtest.h>
#include <memory>
#include "BoardView.h"
#include "GameSession.h"

class QuietGameTest : public ::testing::Test {
protected:
    // Starts the game with no sound, welcome or first-start maximizing, its cards falling in direction `upDown`
    // (+1 down, -1 upside down), and waits until its first card comes in over the middle stack.
    void StartQuietGame(int upDown = 1);
    // What a fixture stores besides, after the quiet settings and before the game starts.
    virtual void BeforeStart() {}

    GameSession game;
    std::unique_ptr<BoardView> view;
    CardSpot firstCard = {-1, -1};
};
