// cdtInit and cdtDraw through a loaded cards32.dll; Board::Tick and a five-card collapse on a real window.
#include "InProcessBench.h"
#include <memory>
#include "BoardView.h"
#include "LoadedLibrary.h"
#include "Samples.h"
#include "Waiting.h"
#include "game/Board.h"
#include "game/Card.h"
#include "game/Shoe.h"
#include "game/Stack.h"
#include "system/CardSize.h"
#include "system/DisplayScale.h"
#include "game/StackList.h"
#include "resources/ResourceIds.h"
#include "support/BoardTestWindow.h"
#include "support/Canvas.h"
#include "support/GameTestEnvironment.h"
#include "support/MessageBoxAnswerer.h"

namespace {
typedef BOOL(WINAPI* InitProc)(int*, int*);
typedef BOOL(WINAPI* DrawProc)(HDC, int, int, int, int, COLORREF);
typedef BOOL(WINAPI* DrawExtProc)(HDC, int, int, int, int, int, int, COLORREF);
typedef void(WINAPI* TermProc)();

template <typename Proc>
Proc EntryPoint(const LoadedLibrary& library, const char* name) {
    return reinterpret_cast<Proc>(library.Entry(name));
}

const COLORREF Background = 0xA04005;
const int BackDesign = 54;
const int CardImages = 53;
const int BoardClientWidth = 452;
const int BoardClientHeight = 480;

// Draws image `image` (faces 0 to 51, 52 the back) and returns the time the call took.
double TimedDraw(DrawProc draw, HDC dc, int image) {
    const double start = NowMs();
    if (image < 52)
        draw(dc, 0, 0, image, 0, Background);
    else
        draw(dc, 0, 0, BackDesign, 1, Background);
    return NowMs() - start;
}

// A game window as the player sees it: shown, with a board attached, every dialog answered with No.
class ShownBoard {
public:
    ShownBoard() : answerer(IDNO), window(BoardClientWidth, BoardClientHeight) {
        PrepareGameForTests();
        Settings.OneDeck = 0;
        ShowWindow(window.Handle(), SW_SHOWNOACTIVATE);
        Renew();
    }
    virtual ~ShownBoard() {
        window.Attach(nullptr);
        KillTimer(window.Handle(), DROP_TIMER);
    }
    void Renew() {
        window.Attach(nullptr);
        board.reset(new Board(window.Handle(), window.Host()));
        window.Attach(board.get());
        window.gameIsOver = false;
        window.Paint();
    }
    void Paint() { window.Paint(); }
    Board& Game() { return *board; }
    bool GameIsOver() const { return window.gameIsOver; }
    HWND Handle() const { return window.Handle(); }

private:
    MessageBoxAnswerer answerer;
    BoardTestWindow window;
    std::unique_ptr<Board> board;
};
}  // namespace

InProcessBench::InProcessBench(int repetitions) : repetitions(repetitions) {}

void InProcessBench::MeasureCardLibrary(BenchTable& table) const {
    LoadedLibrary library("cards32.dll");
    auto init = EntryPoint<InitProc>(library, "cdtInit");
    auto draw = EntryPoint<DrawProc>(library, "cdtDraw");
    auto drawExt = EntryPoint<DrawExtProc>(library, "cdtDrawExt");
    auto term = EntryPoint<TermProc>(library, "cdtTerm");
    if (!init || !draw || !drawExt || !term) {
        table.Failed("cdtInit", "cards32.dll not loaded", "<= 5.0 ms");
        return;
    }
    const CardSize card{DisplayScale(DisplayScale::SystemDpi())};
    Canvas surface(card.Width() + 1, card.Height() + 1, Background);
    Samples inits, firstDraws, keptDraws, newSizeDraws;
    bool newSizeRejected = false;
    for (int run = 0; run < repetitions; ++run) {
        int width = 0, height = 0;
        const double start = NowMs();
        const BOOL ready = init(&width, &height);
        inits.Add(NowMs() - start);
        if (!ready) break;
        for (int image = 0; image < CardImages; ++image) firstDraws.Add(TimedDraw(draw, surface, image));
        for (int image = 0; image < CardImages; ++image) keptDraws.Add(TimedDraw(draw, surface, image));
        // A card a pixel larger each way: its size's corner mask and its image are made for this draw.
        const double newSizeStart = NowMs();
        if (!drawExt(surface, 0, 0, card.Width() + 1, card.Height() + 1, run % 52, 0, Background))
            newSizeRejected = true;  // a rejected size would pass as a fast one
        newSizeDraws.Add(NowMs() - newSizeStart);
        term();
    }
    table.AtMost("cdtInit (median of " + std::to_string(inits.Count()) + ")", inits.Median(), 5, "ms", 2);
    table.Info("cdtDraw, first draw of a card (renders it), median", firstDraws.Median(), "ms", 2);
    table.Info("cdtDraw, a kept card, median", keptDraws.Median() * 1000, "us", 0);
    const std::string newSizeRow = "cdtDrawExt, first draw of a card at a new size (makes that size), median";
    if (newSizeRejected)
        table.Failed(newSizeRow, "cdtDrawExt rejected the size", "<= 4.00 ms");
    else
        table.AtMost(newSizeRow, newSizeDraws.Median(), 4, "ms", 2);
}

void InProcessBench::MeasureTick(BenchTable& table) const {
    ShownBoard shown;
    Samples ticks;
    const int wanted = 400 * repetitions;
    while (static_cast<int>(ticks.Count()) < wanted) {
        if (shown.GameIsOver()) shown.Renew();
        const Card* falling = shown.Game().GetShoe().Falling();
        const int fallingY = shown.Game().GetShoe().FallingY();
        const double start = NowMs();
        shown.Game().Tick(shown.Handle());
        const double took = NowMs() - start;
        // A tick that lands the card is a landing, not a step of the falling card.
        const Shoe& shoe = shown.Game().GetShoe();
        if (!shown.GameIsOver() && shoe.Falling() == falling && shoe.FallingY() != fallingY) ticks.Add(took);
    }
    table.AtMost("Board::Tick on a shown window, median of " + std::to_string(ticks.Count()), ticks.Median() * 1000,
                 20, "us", 1);
    table.Info("Board::Tick, 99th percentile", ticks.Percentile(99) * 1000, "us", 1);
}

void InProcessBench::MeasureCollapse(BenchTable& table) const {
    const int Two = 1, Three = 2, Four = 3, Five = 4, Seven = 6, Middle = 2;
    Samples collapses;
    for (int run = 0; run < repetitions; ++run) {
        ScriptedRandom script;
        script.RandomCard(Seven * 4);
        for (int i = 0; i < 5; ++i) script.EasyHand(21, 0);
        ShownBoard shown;
        StackList& stacks = shown.Game().Stacks();
        for (int rank : {Two, Three, Four, Five}) stacks.AddCard(Middle, new Card(rank * 4));
        shown.Paint();
        Board& game = shown.Game();
        const Shoe& shoe = game.GetShoe();
        while (game.DistanceToLanding(shoe.FallingY(), game.Column()) > BoardView::TickPixels) game.Tick(shown.Handle());
        // The tick that lands the seven: 2 + 3 + 4 + 5 + 7 = 21, and all five collapse.
        const double start = NowMs();
        game.Tick(shown.Handle());
        const double took = NowMs() - start;
        if (stacks.At(Middle)->Count() == 0) collapses.Add(took);
    }
    if (collapses.Empty())
        table.Failed("Collapse of five cards, sound off", "no collapse happened", "77 ms");
    else
        table.Within("Collapse of five cards at the landing tick, sound off (the rule: 77 ms), median", collapses.Median(), 77, 90, "ms");
}
