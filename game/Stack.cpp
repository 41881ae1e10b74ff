// A stack's cards and dealer hand: adding and removing, drawing, the collapse rules and their points, freezing.
#include "game/Stack.h"
#include <algorithm>
#include <cmath>
#include "audio/Sound.h"
#include "game/BoardHost.h"
#include "game/CardNode.h"
#include "game/FallDirection.h"
#include "game/Random.h"
#include "game/RankMask.h"
#include "game/Shoe.h"
#include "settings/SettingsRecord.h"

namespace {
const int TwentyOne = 21;
const int AceHighBonus = 10;  // an ace counted 11 instead of 1
const int MediumStandsOn = 17;
const int HighAceRank = 13;   // an ace ranked above the King
const int SetsAndRuns = 1;
const int PokerHands = 2;
const int TwentyOneRules = 3;
const int RecyclingDeck = 2;

enum PokerCategory { NoHand = 0, Straight = 1, Flush = 2, FullHouse = 3, FourOfAKind = 4, StraightFlush = 5 };
const int PokerBasePoints[] = {0, 20, 10, 50, 100, 500};

int RankFor(CardCode code, bool acesHigh) {
    const int rank = RankIndex(code);
    return rank == AceRank && acesHigh ? HighAceRank : rank;
}

bool IsTenValued(CardCode code) { return RankIndex(code) >= TenRank; }
bool IsAce(CardCode code) { return RankIndex(code) == AceRank; }

// Charge for a card taken off by clearing: Ten to King 10, Ace 15, the rest 5.
int ClearingPoints(CardCode code) {
    if (IsTenValued(code)) return 10;
    return IsAce(code) ? 15 : 5;
}

// The dealer's card value while a Medium hand is dealt: an ace 11 while it fits, face cards 10.
int MediumCardValue(int rank, int total) {
    if (rank == AceRank) return total + 11 <= TwentyOne ? 11 : 1;
    return std::min(rank, TenRank) + 1;
}
}

Stack::Stack(const BoardHost& host)
    : host(host), head(nullptr), base(nullptr), count(0), x(0), y(0), dealerTotal(0), dealerUpCard(0), frozen(0) {
    Card* marker = new Card(PlaceholderCode);
    marker->SetDrawMode(EmptySlot);
    base = new CardNode(marker);
    head = base;
    DealDealerHand();
}

Stack::~Stack() {
    while (head != base) delete PopCard();
    delete base->card;
    delete base;
}

int Stack::AddCard(Card* card) {
    CardNode* node = new CardNode(card);
    node->next = head;
    head->prev = node;
    head = node;
    ++count;
    return 1;
}

Card* Stack::PopCard() {
    if (head == base) return nullptr;
    CardNode* node = head;
    head = node->next;
    head->prev = nullptr;
    Card* card = node->card;  // ownership passes to the caller
    delete node;
    --count;
    return card;
}

void Stack::SetPosition(int newX, int newY) {
    x = newX;
    y = newY;
}

void Stack::Draw(HDC dc) const {
    int dy = 0;
    for (CardNode* node = base; node; node = node->prev) {
        node->card->Draw(dc, x, y + dy, true, host);
        if (node != base) dy -= host.metrics.cardStep * FallDirection();
    }
}

int Stack::NextCardY() const { return y - count * host.metrics.cardStep * FallDirection(); }

int Stack::DistanceToLanding(int cardY) const { return (NextCardY() - cardY) * FallDirection(); }

int Stack::CollapseLength() const {
    switch (Settings.CollapseRegime) {
    case SetsAndRuns: return std::max(RunLength(false), RunLength(true));
    case PokerHands: return std::max(PokerLength(false), PokerLength(true));
    case TwentyOneRules: return std::max(TwentyOneLength(false), TwentyOneLength(true));
    default: return 0;
    }
}

int Stack::Collapse(HDC dc, int n, Shoe* shoe) {
    const int points = Score(n);
    int dy = NewestCardOffset();
    for (int i = 0; i < n && head != base; ++i) {
        Card* card = PopCard();
        if (dc) card->Draw(dc, x, y + dy, false, host);
        // The face-down card of a frozen stack was never dealt, so it does not go into the deck.
        if (shoe && Settings.OneDeck == RecyclingDeck && card->DrawMode() != FaceDown)
            shoe->ReturnToDeck(card->Code());
        delete card;
        if (count > 0) dy += host.metrics.cardStep * FallDirection();
        if (dc) head->card->Draw(dc, x, y + dy, true, host);
        PlayTone(220 + 110 * i, 600 / (i + 4) + 50, Settings.Beep);
    }
    DealDealerHand();
    return points;
}

int Stack::ClearAll(HDC dc) {
    int points = 0;
    int dy = NewestCardOffset();
    while (Card* card = PopCard()) {
        if (dc) card->Draw(dc, x, y + dy, false, host);
        PlayTone(120, 50, Settings.Beep);
        if (count > 0) dy += host.metrics.cardStep * FallDirection();
        points += ClearingPoints(card->Code());
        delete card;
    }
    return points;
}

int Stack::Total(bool acesHigh) const {
    int total = 0;
    bool aceCountedHigh = false;
    for (CardNode* node = head; node != base; node = node->next) {
        int value = TwentyOneValue(node->card->Code());
        if (acesHigh && !aceCountedHigh && IsAce(node->card->Code())) {
            value += AceHighBonus;
            aceCountedHigh = true;
        }
        if (!Settings.FreezeOnBust && total + value > dealerTotal) return total;
        total += value;
    }
    return total < TwentyOne ? total : 0;
}

int Stack::HardTotal() const {
    int total = 0;
    for (CardNode* node = head; node != base; node = node->next) total += TwentyOneValue(node->card->Code());
    return total;
}

void Stack::Freeze(HDC dc) {
    if (frozen || !dc) return;
    Card* faceDown = new Card(PlaceholderCode);
    faceDown->SetDrawMode(FaceDown);
    faceDown->Draw(dc, x, NextCardY(), true, host);
    AddCard(faceDown);
    frozen = 1;
}

void Stack::Unfreeze(HDC dc, Shoe* shoe) {
    if (!frozen || !dc) return;
    Collapse(dc, count, shoe);  // a thawed stack earns nothing
    frozen = 0;
}

void Stack::DealDealerHand() {
    switch (Settings.DealerOption) {
    case 2: {
        int total;
        do {
            dealerUpCard = RandomInt(13, 0);
            total = MediumCardValue(dealerUpCard, 0);
            while (total < MediumStandsOn) total += MediumCardValue(RandomInt(13, 0), total);
        } while (total > TwentyOne);
        dealerTotal = total;
        break;
    }
    case 3:
        dealerTotal = TwentyOne;
        dealerUpCard = AceRank;
        break;
    default:
        // Easy, and the fallback for unknown difficulties: a stack without a dealer total
        // would never collapse again.
        dealerTotal = RandomInt(22, 17);
        dealerUpCard = RandomInt(13, 0);
        break;
    }
}

int Stack::DealerTotal() const { return dealerTotal; }

int Stack::DealerUpCard() const { return dealerUpCard; }

bool Stack::IsFrozen() const { return frozen != 0; }

int Stack::Count() const { return count; }

int Stack::X() const { return x; }

int Stack::Y() const { return y; }

const Card* Stack::CardAt(int fromTop) const {
    if (fromTop < 0) return nullptr;
    CardNode* node = head;
    for (int i = 0; i < fromTop && node != base; ++i) node = node->next;
    return node == base ? nullptr : node->card;
}

void Stack::SetDealerHand(int total, int upCard) {
    dealerTotal = total;
    dealerUpCard = upCard;
}

int Stack::Score(int n) const {
    switch (Settings.CollapseRegime) {
    case SetsAndRuns: return RunScore(n);
    case PokerHands: return PokerScore();
    case TwentyOneRules: return TwentyOneScore(n);
    default: return 0;
    }
}

int Stack::RunLength(bool acesHigh) const {
    enum Kind { Undecided, Set, Run } kind = Undecided;
    int best = 0;
    int firstRank = 0;
    int firstSuit = 0;
    unsigned int rankMask = 0;
    int i = 0;
    for (CardNode* node = head; node != base; node = node->next) {
        ++i;
        const int rank = RankFor(node->card->Code(), acesHigh);
        const int suit = SuitOf(node->card->Code());
        if (i == 1) {
            firstRank = rank;
            firstSuit = suit;
        } else if (i == 2) {
            kind = rank == firstRank ? Set : Run;
        }
        const unsigned int bit = 1u << rank;
        if (kind == Run && ((rankMask & bit) || suit != firstSuit)) break;
        if (kind == Set && rank != firstRank) break;
        rankMask |= bit;
        const int block = BlockLength(rankMask);
        if (block == i || block == 1) best = i;
    }
    return best;
}

int Stack::PokerHand(bool acesHigh) const {
    const int handSize = 5;
    if (count < 4) return NoHand;
    unsigned int suitMask = 0;
    unsigned int rankMask = 0;
    int walked = 0;
    for (CardNode* node = head; node != base && walked < handSize; node = node->next) {
        suitMask |= 1u << SuitOf(node->card->Code());
        rankMask |= 1u << RankFor(node->card->Code(), acesHigh);
        ++walked;
        if (walked == 4 && BitCount(rankMask) == 1) return FourOfAKind;
    }
    const int ranks = BitCount(rankMask);
    const bool fiveInARow = BlockLength(rankMask) == handSize;
    if (BitCount(suitMask) == 1) {
        if (fiveInARow) return StraightFlush;
        return walked == handSize ? Flush : NoHand;
    }
    if (walked == handSize && ranks == 2) return FullHouse;
    return ranks == handSize && fiveInARow ? Straight : NoHand;
}

int Stack::PokerLength(bool acesHigh) const {
    const int category = PokerHand(acesHigh);
    if (category == NoHand) return 0;
    return category == FourOfAKind ? 4 : 5;
}

int Stack::RunScore(int n) const {
    int sum = 0;
    int aces = 0;
    bool hasKing = false;
    int taken = 0;
    for (CardNode* node = head; node != base && taken < n; node = node->next, ++taken) {
        const CardCode code = node->card->Code();
        sum += IsTenValued(code) ? 10 : 5;
        if (IsAce(code)) ++aces;
        if (RankIndex(code) == KingRank) hasKing = true;
    }
    if (hasKing || aces == taken) sum += 10 * aces;
    // The sum doubles for every card beyond the smallest group that collapses.
    return static_cast<int>(std::ldexp(static_cast<double>(sum), n - Settings.MinCollapse));
}

int Stack::PokerScore() const {
    const int low = PokerHand(false);
    const int high = PokerHand(true);
    const int category = std::max(low, high);
    const int sum = CardSum(category, high >= low);
    return static_cast<int>(sum / 30.0 * PokerBasePoints[category]);
}

int Stack::TwentyOneLength(bool acesHigh) const {
    int total = 0;
    int walked = 0;
    bool aceCountedHigh = false;
    for (CardNode* node = head; node != base; node = node->next) {
        total += TwentyOneValue(node->card->Code());
        if (acesHigh && !aceCountedHigh && IsAce(node->card->Code())) {
            total += AceHighBonus;
            aceCountedHigh = true;
        }
        ++walked;
        if (total > TwentyOne) return 0;
        // Without the Vicious rule the newest cards form a fresh hand and stop as soon as they stand.
        if (!Settings.FreezeOnBust && total >= dealerTotal) return walked;
    }
    if (Settings.FreezeOnBust && total >= dealerTotal) return walked;
    return 0;
}

int Stack::TwentyOneScore(int n) const {
    int points = 10 * n;
    if (n == 2 && count >= 2) {
        const CardCode newest = CardAt(0)->Code();
        const CardCode beneath = CardAt(1)->Code();
        // A natural twenty-one, an ace with a ten-valued card, pays one and a half.
        if ((IsAce(newest) && IsTenValued(beneath)) || (IsTenValued(newest) && IsAce(beneath))) points = points * 3 / 2;
    }
    if (n >= 6) points *= 2;
    return points;
}

int Stack::CardSum(int category, bool acesHigh) const {
    const int cards = category == FourOfAKind ? 4 : 5;
    int sum = 0;
    int taken = 0;
    for (CardNode* node = head; node != base && taken < cards; node = node->next, ++taken)
        sum += RankFor(node->card->Code(), acesHigh) + 1;
    return sum;
}

int Stack::NewestCardOffset() const { return (count - 1) * -host.metrics.cardStep * FallDirection(); }
