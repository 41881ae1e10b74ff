// One game in progress: placing, moving and landing the falling card, scoring, levels and the status text.
#include "game/Board.h"
#include "system/NumberText.h"
#include <algorithm>
#include <cwchar>
#include <vector>
#include "game/FallDirection.h"
#include "game/Shoe.h"
#include "game/Stack.h"
#include "game/StackList.h"
#include "system/GdiObject.h"
#include "system/SelectedObject.h"
#include "system/WindowDC.h"
#include "resources/ResourceIds.h"
#include "resources/StringIds.h"
#include "system/ResourceText.h"
#include "settings/SettingsRecord.h"

namespace {
const int LandingCost = -5;
const double LevelMultiplierStep = 0.25;
const int IntervalStep = 200;        // a level-up shortens a long interval by this much
const int ShortestInterval = 75;     // at or below this a level-up starts over at IntervalStep
const int BustLimit = 21;            // a stack whose cards total more is bust

const int RankCount = IDS_DEALER_UP_CARD_LAST - IDS_DEALER_UP_CARD_FIRST + 1;

// Measures a text; (0, 0) when the measuring fails.
SIZE TextSize(HDC dc, const std::wstring& text) {
    SIZE size = {0, 0};
    if (!GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size))
        size.cx = size.cy = 0;
    return size;
}

// Whether the system's code page holds every letter of the board's texts, which the stock font then draws.
bool StockFontWritesBoardTexts() {
    std::wstring texts;
    for (UINT id : {IDS_WINNINGS, IDS_CARDS_IN_DECK, IDS_BUSTED, IDS_HAND_TOTALS, IDS_BEAT_TOTAL})
        texts += ResourceText::Load(id);
    for (UINT id = IDS_DEALER_UP_CARD_FIRST; id <= IDS_DEALER_UP_CARD_LAST; ++id) texts += ResourceText::Load(id);
    BOOL lost = FALSE;
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, texts.c_str(), static_cast<int>(texts.size()), nullptr, 0,
                        nullptr, &lost);
    if (lost) return false;
    // The code page holds them, but the font need not (Wine's stock font has no Japanese or Chinese letters).
    const WindowDC screen(nullptr);
    if (!screen) return true;
    SelectedObject font(screen, GetStockObject(SYSTEM_FONT));
    std::vector<WORD> glyphs(texts.size());
    const DWORD found = GetGlyphIndicesW(screen, texts.c_str(), static_cast<int>(texts.size()), glyphs.data(),
                                         GGI_MARK_NONEXISTING_GLYPHS);
    return found == GDI_ERROR || std::find(glyphs.begin(), glyphs.end(), 0xFFFF) == glyphs.end();
}

// The board's font at the host's density: the stock font wherever it serves, else a TrueType one.
TextFont* MakeTextFont(const BoardHost& host) {
    static const bool stockFontServes = StockFontWritesBoardTexts();
    return new TextFont(host.metrics.display, stockFontServes);
}
}  // namespace

Board::Board(HWND window, const BoardHost& host)
    : host(host), textFont(MakeTextFont(this->host)), shoe(new Shoe(this->host)),
      stacks(new StackList(this->host)), boardRect(), clientRect(), column(-1), homeColumn(0),
      spawnX(0), spawnY(0), winnings(0), level(0), cardsThisLevel(0), fallingPlaced(false), fallTicks(0),
      landingInProgress(false) {
    Settings.DropInterval = SettingsDefaults::InitialDropInterval;
    // The first deal fills the empty deck; that refill never ends a game.
    shoe->DealNext(window);
    stacks->CreateStacks();
}

Board::~Board() {}

bool Board::WindowGone(HWND window) { return !IsWindow(window); }

void Board::Paint(HDC dc, HWND window) {
    GetClientRect(window, &clientRect);
    stacks->Layout(clientRect, spawnX, spawnY, homeColumn, boardRect);
    stacks->DrawAll(dc);
    // A paint draws on an erased background, and the layout may have moved every text.
    ForgetTextSpots();
    // The text goes beneath the falling card, so that the background saved under the card holds it.
    DrawStatus(dc);
    PlaceFallingCard(window, dc);
}

void Board::PlaceFallingCard(HWND window, HDC dc) {
    if (!shoe->Falling()) return;  // the game ended at a landing, before a new card was dealt
    if (fallingPlaced) {
        shoe->SetFallingPos(ColumnX(column), shoe->FallingY());
    } else {
        if (host.isGameOver()) return;  // a card dealt as the game ended is never shown
        if (!Settings.LastStack || column < 0) {
            column = homeColumn;
            if (Settings.FreezeOnBust && stacks->IsFrozen(column)) SelectNextFreeColumn();
        }
        shoe->SetFallingPos(ColumnX(column), spawnY);
        fallingPlaced = true;
        fallTicks = 0;
    }
    // After a no-room ending the card stays where it found no room, in every repaint too.
    shoe->DrawFalling(dc);
    if (!host.isGameOver() && !landingInProgress && DistanceToLanding(shoe->FallingY(), column) < 1)
        host.gameOver(window, NoRoomForCard);
}

void Board::ChangeHost(const BoardHost& newHost) {
    // The screen saved under the falling card is of the old size; the repaint saves it again.
    shoe->ReleaseBackground();
    host = newHost;
    textFont.reset(MakeTextFont(host));
    ForgetTextSpots();
    stacks->Layout(clientRect, spawnX, spawnY, homeColumn, boardRect);
    if (fallingPlaced && shoe->Falling())
        shoe->SetFallingPos(ColumnX(column), spawnY + fallTicks * host.metrics.tick * FallDirection());
}

bool Board::CardInPlay() const {
    return column >= 0 && fallingPlaced && shoe->Falling() && !host.isGameOver();
}

void Board::Tick(HWND window) {
    if (!CardInPlay()) return;
    {
        WindowDC dc(window);
        shoe->MoveBy(0, host.metrics.tick * FallDirection(), dc);
    }
    ++fallTicks;
    CheckLanding(window);
}

void Board::CheckLanding(HWND window) {
    if (DistanceToLanding(shoe->FallingY(), column) == 0) Land(window);
}

void Board::MoveLeft(HWND window) { MoveSideways(window, -1); }

void Board::MoveRight(HWND window) { MoveSideways(window, +1); }

void Board::MoveSideways(HWND window, int step) {
    if (!CardInPlay()) return;
    const int cardY = shoe->FallingY();
    int target = column + step;
    int distance = DistanceToLanding(cardY, target);
    while (distance >= 0 && stacks->IsFrozen(target)) {
        target += step;
        distance = DistanceToLanding(cardY, target);
    }
    if (distance < 0) return;  // the edge of the board, or a stack that reaches above the card
    {
        WindowDC dc(window);
        shoe->MoveBy((host.cardWidth + host.metrics.columnGap) * (target - column), 0, dc);
    }
    column = target;
    if (distance == 0) Land(window);
}

void Board::Drop(HWND window) {
    if (!CardInPlay()) return;
    {
        WindowDC dc(window);
        const int direction = FallDirection();
        const int target = stacks->NextCardY(column);
        const int x = shoe->FallingX();
        for (int y = shoe->FallingY(); (target - y) * direction > 0; y += host.metrics.dropStep * direction) {
            shoe->MoveTo(x, y, dc);
            pauseAfterDropStep();
        }
        shoe->MoveTo(x, target, dc);
    }
    Land(window);
}

void Board::Swap(HWND window) {
    if (!CardInPlay()) return;
    shoe->Swap(window);
    WindowDC dc(window);
    shoe->RedrawFalling(dc);
}

int Board::SelectNextFreeColumn() {
    for (int c = column + 1; c < stacks->Count(); ++c)
        if (!stacks->IsFrozen(c)) return column = c;
    for (int c = column - 1; c >= 0; --c)
        if (!stacks->IsFrozen(c)) return column = c;
    return -1;
}

void Board::Land(HWND window) {
    WindowDC dc(window);
    landingInProgress = true;
    stacks->AddCard(column, shoe->TakeFallingCard());  // the stack owns the card now
    fallingPlaced = false;
    const double multiplier = ScoreMultiplier();
    winnings += static_cast<int>(LandingCost * multiplier);
    ++cardsThisLevel;
    CollapseNewestCards(dc, multiplier);
    if (FreezeIfBust(dc) && SelectNextFreeColumn() < 0) {
        landingInProgress = false;
        EndGame(window, dc, NoRoomForCard);
        return;
    }
    if (!shoe->DealNext(window)) {
        landingInProgress = false;
        EndGame(window, dc, shoe->EndReason());
        return;
    }
    if (cardsThisLevel >= CardsPerLevel) SendMessageW(window, WM_COMMAND, MAKEWPARAM(ID_LEVEL_UP, 0), 0);
    landingInProgress = false;
    if (WindowGone(window)) return;
    // The text first and the new card over it, as a paint draws them; a paint during the level-up
    // notice may have placed the card already.
    DrawStatusBeneathCard(dc);
    PlaceFallingCard(window, dc);
}

void Board::CollapseNewestCards(HDC dc, double multiplier) {
    const int length = stacks->CollapseLength(column);
    // A length of 0 never collapses, whatever MinCollapse is: an empty group would only deal the
    // stack a new dealer hand.
    if (length <= 0 || length < Settings.MinCollapse) return;
    const int points = stacks->Collapse(dc, column, length, shoe.get());
    winnings += static_cast<int>(points * multiplier);
}

bool Board::FreezeIfBust(HDC dc) {
    if (!Settings.FreezeOnBust || stacks->HardTotal(column) <= BustLimit) return false;
    stacks->Freeze(dc, column);
    return true;
}

void Board::EndGame(HWND window, HDC dc, GameEndReason reason) {
    shoe->SetDeckTop(-2);
    DrawStatus(dc);
    host.gameOver(window, reason);
}

double Board::ScoreMultiplier() const {
    double multiplier = 1.0;
    if (Settings.GetFaster) multiplier += LevelMultiplierStep * level;
    if (Settings.DealerOption == 2)
        multiplier += 1.0;
    else if (Settings.DealerOption == 3)
        multiplier += 2.0;
    if (Settings.FreezeOnBust) multiplier *= 2;
    return multiplier;
}

int Board::NextDropInterval(int interval) {
    if (interval > IntervalStep) return interval - IntervalStep;
    if (interval > ShortestInterval) return interval * 3 / 4;
    return IntervalStep;
}

void Board::LevelUp(HWND window) {
    KillTimer(window, DROP_TIMER);
    if (Settings.GetFaster) Settings.DropInterval = NextDropInterval(Settings.DropInterval);
    host.showLevelUpNotice(window);
    if (WindowGone(window)) return;
    {
        WindowDC dc(window);
        // A paint during the notice may have drawn the next card over the stacks: it comes off first,
        // and so do the player captions, which stand beyond the top cards where no card covers them.
        BeneathFallingCard(dc, [&] {
            ErasePlayerCaptions(dc);
            if (Settings.ClearStacks) winnings -= stacks->ClearAll(dc);
            if (Settings.FreezeOnBust) UnfreezeFirstFrozen(dc);
            DrawStatus(dc);
        });
    }
    // The notice took the focus: a pause or a game over may have come meanwhile, and then stays.
    if (!host.isGameOver() && !host.isPaused())
        SetTimer(window, DROP_TIMER, Settings.DropInterval, nullptr);
    ++level;
    cardsThisLevel = 0;
}

void Board::UnfreezeFirstFrozen(HDC dc) {
    for (int i = 0; i < stacks->Count(); ++i) {
        if (stacks->IsFrozen(i)) {
            stacks->Unfreeze(dc, i, shoe.get());
            return;
        }
    }
}

int Board::GetWinnings() const { return winnings; }

void Board::AddWinnings(int amount) { winnings += amount; }

int Board::DistanceToLanding(int cardY, int index) const {
    if (index < 0 || index >= stacks->Count()) return -1;
    return stacks->DistanceToLanding(cardY, index);
}

int Board::ColumnX(int index) const {
    return spawnX + (index - homeColumn) * (host.cardWidth + host.metrics.columnGap);
}

void Board::RedrawStatus(HWND window) {
    WindowDC dc(window);
    DrawStatusBeneathCard(dc);
}

void Board::DrawStatusBeneathCard(HDC dc) {
    BeneathFallingCard(dc, [&] { DrawStatus(dc); });
}

void Board::BeneathFallingCard(HDC dc, const std::function<void()>& draw) {
    const bool cardShown = shoe->BackgroundSaved();
    if (cardShown) shoe->HideFalling(dc);
    draw();
    if (cardShown) shoe->DrawFalling(dc);
}

void Board::DrawStatus(HDC dc) {
    SelectedObject font(dc, textFont->Get());
    SetTextColor(dc, Settings.ForegroundColor);
    const COLORREF previousBackground = SetBkColor(dc, Settings.BackgroundColor);
    DrawWinnings(dc);
    DrawDeckCount(dc);
    DrawStackCaptions(dc);
    SetBkColor(dc, previousBackground);
}

void Board::DrawWinnings(HDC dc) {
    const std::wstring text = ResourceText::Format(IDS_WINNINGS, winnings);
    winningsSpot.Write(dc, boardRect.left, 0, TextSpot::LeftEdge, text.c_str());
}

void Board::DrawDeckCount(HDC dc) {
    if (!Settings.OneDeck) return;
    const std::wstring text = ResourceText::Format(IDS_CARDS_IN_DECK, shoe->CardsLeft() + 1);
    deckCountSpot.Write(dc, boardRect.right, 0, TextSpot::RightEdge, text.c_str());
}

int Board::CaptionCentre(int index) const {
    const int width = host.cardWidth;
    const int pitch = (boardRect.right - boardRect.left - width) / (StackCount - 1);
    return boardRect.left + index * pitch + width / 2;
}

void Board::DrawStackCaptions(HDC dc) {
    const int margin = host.metrics.textMargin;
    const int dealerTop = FallDirection() == 1 ? boardRect.bottom + margin : spawnY + host.cardHeight + margin;
    for (int i = 0; i < stacks->Count(); ++i) {
        dealerSpots[i].Write(dc, CaptionCentre(i), dealerTop, TextSpot::Centre, DealerCaptionText(i).c_str());

        const std::wstring player = PlayerCaptionText(i);
        const RECT place = PlayerCaption(dc, i, player);
        PlayerCaptionSpot(i).Write(dc, CaptionCentre(i), place.top, TextSpot::Centre, player.c_str());
    }
}

TextSpot& Board::PlayerCaptionSpot(int index) {
    // A caption stands where the stack's next card lands. Once the stack has grown or shrunk, the old one
    // was covered by the card that landed on it, or erased with the cards taken from under it.
    const int nextCardY = stacks->NextCardY(index);
    if (nextCardY != playerCaptionPlaces[index]) playerSpots[index].Forget();
    playerCaptionPlaces[index] = nextCardY;
    return playerSpots[index];
}

RECT Board::PlayerCaption(HDC dc, int index, const std::wstring& text) const {
    const SIZE extent = TextSize(dc, text);
    const int nextCardY = stacks->NextCardY(index);
    const int overlap = host.metrics.playerCaptionOverlap;
    const int top = FallDirection() == 1 ? nextCardY - extent.cy + overlap : nextCardY + host.cardHeight - overlap;
    const int left = CaptionCentre(index) - extent.cx / 2;
    return RECT{left, top, left + extent.cx, top + extent.cy};
}

void Board::ErasePlayerCaptions(HDC dc) {
    for (int i = 0; i < StackCount; ++i) PlayerCaptionSpot(i).Erase(dc, Settings.BackgroundColor);
}

void Board::ForgetTextSpots() {
    winningsSpot.Forget();
    deckCountSpot.Forget();
    for (TextSpot& spot : dealerSpots) spot.Forget();
    for (TextSpot& spot : playerSpots) spot.Forget();
}

std::wstring Board::PlayerCaptionText(int index) const {
    if (stacks->IsFrozen(index)) return ResourceText::Load(IDS_BUSTED);
    const int hard = stacks->Total(index, false);
    const int soft = stacks->Total(index, true);
    if (hard != 0 && soft != 0 && hard != soft) return ResourceText::Format(IDS_HAND_TOTALS, hard, soft);
    return hard != 0 ? NumberText(hard) : std::wstring();
}

std::wstring Board::DealerCaptionText(int index) const {
    const int dealerTotal = stacks->DealerTotal(index);
    if (dealerTotal == 0) return ResourceText::Load(IDS_NO_DEALER);
    if (Settings.DealerOption == 2) return DealerUpCardCaption(stacks->DealerUpCard(index));
    return ResourceText::Format(IDS_BEAT_TOTAL, dealerTotal);
}

std::wstring Board::DealerUpCardCaption(int card) {
    return ResourceText::Load(card >= 0 && card < RankCount ? IDS_DEALER_UP_CARD_FIRST + card : IDS_UNKNOWN_UP_CARD);
}

int Board::Column() const { return column; }
int Board::HomeColumn() const { return homeColumn; }
int Board::SpawnX() const { return spawnX; }
int Board::SpawnY() const { return spawnY; }
int Board::FallTicks() const { return fallTicks; }
int Board::Level() const { return level; }
int Board::CardsThisLevel() const { return cardsThisLevel; }
const RECT& Board::BoardRect() const { return boardRect; }
const RECT& Board::ClientRect() const { return clientRect; }
Shoe& Board::GetShoe() { return *shoe; }
StackList& Board::Stacks() { return *stacks; }
