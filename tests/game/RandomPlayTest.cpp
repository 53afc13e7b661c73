// Hundreds of games of random clicks, shortcuts and answers to the dialogs, each given as a user gives it,
// with what the user can see and rely on checked after every action.
#include "dialogs/Dialog4.h"
#include "framework/Menu.h"
#include "support/GameFixture.h"

#include <QRect>
#include <algorithm>
#include <ostream>
#include <random>
#include <tuple>

namespace {

// The eight lines, written out apart from the game's own table.
constexpr std::array<std::array<int32_t, 3>, 8> kLines{
    {{1, 4, 7}, {2, 5, 8}, {3, 6, 9}, {1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {1, 5, 9}, {3, 5, 7}}};

int Empty(const Pits& pits) { return static_cast<int>(std::count(pits.begin() + 1, pits.begin() + 10, 0)); }
bool Ended(const Pits& pits) {
    for (const auto& [a, b, c] : kLines)
        if (pits[a] != 0 && pits[a] == pits[b] && pits[b] == pits[c]) return true;
    return Empty(pits) == 0;
}

// What the user can tell of the game, and which window is in front: 0 the game's, 1 "New Game?", 2 the
// shape chooser.
struct State {
    Pits pits;
    int32_t turn;
    bool computer;
    int32_t p1, p2, front;
    bool operator==(const State&) const = default;
};
void PrintTo(const State& s, std::ostream* os) {
    *os << testing::PrintToString(s.pits) << " turn " << s.turn << " computer " << s.computer << " shapes " << s.p1
        << "," << s.p2 << " front " << s.front;
}

// An action and what it should leave: keys typed, or a button clicked on a page of the panel (0: on the
// window), taken only while the `front` window is in front.
struct Action {
    int32_t front;
    const char *keys, *button;
    int32_t page;
    void (*expect)(State&);
};
void Nothing(State&) {}
void NewGame(State& s) {  // asks during a game, and replaces one that is over at once
    s.front = !Ended(s.pits) && Empty(s.pits) < 9;
    if (Ended(s.pits)) s.pits = {};
}
void Switch(State& s) { s.turn = 5 - s.turn; }
void Computer(State& s) { s.computer |= Empty(s.pits) == 9; }  // the opponent is chosen before the first move
void Human(State& s) { s.computer &= Empty(s.pits) < 9; }
void Shapes(State& s) { s.front = 2; }
void Hidden(State& s) { s.front = 0; }
void Yes(State& s) { s = {Pits{}, s.turn, s.computer, s.p1, s.p2, 0}; }
void Chosen(State& s) { s = {s.pits, s.turn, s.computer, Dialog4::Shared()->p1, Dialog4::Shared()->p2, 0}; }
// Ctrl+A brings the About box to the front, where it stays: it serves none of the game's commands.
// clang-format off
const Action kActions[] = {
    {0, "Ctrl+N", nullptr, 0, NewGame},   {0, "Ctrl+T", nullptr, 0, Switch},     {0, "Ctrl+1", nullptr, 0, Computer},
    {0, "Ctrl+2", nullptr, 0, Human},     {0, "Ctrl+S", nullptr, 0, Shapes},     {0, "Ctrl+A", nullptr, 0, Nothing},
    {1, nullptr, "Yes", 0, Yes},          {1, nullptr, "No", 0, Hidden},         {1, "Return", nullptr, 0, Hidden},
    {1, "Esc", nullptr, 0, Nothing},      {1, "Ctrl+T", nullptr, 0, Nothing},
    {2, nullptr, ">>", 1, Nothing},       {2, nullptr, "<<", 1, Nothing},        {2, nullptr, ">>", 2, Nothing},
    {2, nullptr, "<<", 2, Nothing},       {2, nullptr, "OK", 0, Chosen},         {2, "Return", nullptr, 0, Chosen},
    {2, nullptr, "Cancel", 0, Hidden},    {2, "Esc", nullptr, 0, Hidden},        {2, "Ctrl+T", nullptr, 0, Nothing},
};
// clang-format on

class RandomPlay : public GameFixture {
protected:
    State Now() const {
        const auto front = RuntimeFrontmostWindow();
        return {game->Pits,  game->PlayersTurn, game->isComputer,
                game->P1Num, game->P2Num,       front->Frame() != 1 ? 0 : front->Title() == "New Game?" ? 1 : 2};
    }
    static void Take(const Action& action, const Window& front) {
        if (action.keys) return Type(front, action.keys);
        if (action.page) ControlOf<TabPanel>(front, "TabPanel1").SetValue(action.page - 1);
        QTest::mouseClick(Button(front, action.button, action.page).Widget(), Qt::LeftButton);
    }
    // Whether a turn indicator shows anything over the board picture.
    bool Drawn(const RectControl& indicator) const {
        const QRect area(indicator.Left(), indicator.Top(), indicator.Width(), indicator.Height());
        const QImage board = ImageOf(NotNil(game->Backdrop())).convertToFormat(QImage::Format_RGB32);
        return ContentOf(*game)->grab(area).toImage().convertToFormat(QImage::Format_RGB32) != board.copy(area);
    }
    // Repaints asked for: the whole window, the two indicators, the nine piece views.
    std::array<int32_t, 12> Repaints() const {
        std::array<int32_t, 12> asked{game->RefreshRequests(), game->leftturn()->RefreshRequests(),
                                      game->RIghtTurn()->RefreshRequests()};
        for (int32_t cell = 1; cell <= 9; ++cell)
            asked[2 + cell] = game->Canvas2At(cell)->RefreshRequests();
        return asked;
    }

    // A click on an empty pit of a running game: the player to move takes it, and the computer answers
    // within the click; with no move made yet and the computer to move, it opens in the centre instead.
    void ExpectClick(int32_t cell, State& want) const {
        if (want.front != 0 || Ended(want.pits) || want.pits[cell] != 0) return;
        const int32_t mover = want.turn;
        const bool opens = want.computer && Empty(want.pits) == 9 && mover == 4;
        want.pits[opens ? 5 : cell] = mover;
        want.turn = 5 - mover;
        if (opens || !want.computer || mover == 4 || Ended(want.pits)) return;
        want.turn = 1;
        for (int32_t answer = 1; answer <= 9; ++answer)
            if (want.pits[answer] == 0 && game->Pits[answer] == 4) {
                want.pits[answer] = 4;
                break;
            }
    }
};

TEST_F(RandomPlay, EveryActionOfHundredsOfGamesKeepsTheRules) {
    std::mt19937 random(20240617);
    int games = 0;
    for (int step = 0; games < 300; ++step) {
        ASSERT_LT(step, 30000) << "games no longer end";
        const State before = Now();
        const auto repaints = Repaints();
        State want = before;
        size_t chosen = random() % (2 * std::size(kActions));  // half of them clicks on pits
        while (chosen < std::size(kActions) && kActions[chosen].front != before.front)
            chosen = random() % std::size(kActions);
        const int32_t cell = 1 + chosen % 9;
        SCOPED_TRACE(testing::Message() << "step " << step << ": action " << chosen << ", or pit " << cell);
        if (chosen >= std::size(kActions)) {
            ClickPit(cell);
            ExpectClick(cell, want);
        } else {
            ASSERT_NO_THROW(Take(kActions[chosen], NotNil(RuntimeFrontmostWindow())));
            kActions[chosen].expect(want);
        }
        const State now = Now();
        ASSERT_EQ(now, want);
        for (int32_t cell = 1; cell <= 9; ++cell)
            ASSERT_TRUE(now.pits[cell] == 0 || now.pits[cell] == 1 || now.pits[cell] == 4);
        const bool over = Ended(now.pits), fresh = Empty(now.pits) == 9;
        games += over && !Ended(before.pits);
        ASSERT_EQ(game->GameOver, over);
        ASSERT_EQ(game->Canvas3()->Visible(), over);
        ASSERT_EQ(Drawn(*game->leftturn()), !over && now.turn == 1);
        ASSERT_EQ(Drawn(*game->RIghtTurn()), !over && now.turn == 4);
        // The menus as a user finds them, unless a question stands in front.
        RuntimeUpdateMenus();
        // clang-format off
        for (auto [name, active, checked] : {std::tuple{"mnuReset", !fresh, false}, {"mnuHvH", fresh, !now.computer},
                {"mnuHvC", fresh, now.computer}, {"mnuSwitch", true, false}, {"mnuShapes", true, false},
                {"mnuAbout", true, false}}) {
            // clang-format on
            const MenuItem& item = NotNil(Menu::Shared()->Lookup(name));
            ASSERT_TRUE(now.front != 0 || (RuntimeMenuItemActive(item) == active && item.Checked() == checked)) << name;
        }
        const auto c = Cast<Dialog4>(GetImplicitWindow("Dialog4.Dialog4"));  // two shapes, both of the 24
        ASSERT_TRUE(!c || (c->p1 != c->p2 && std::min(c->p1, c->p2) >= 128 && std::max(c->p1, c->p2) <= 151));
        if (now.p1 != before.p1 || now.p2 != before.p2) {
            ASSERT_EQ(ImageOf(NotNil(game->Player1Shape)), ImageOf(NotNil(game->RFork->Getcicn(now.p1))));
            ASSERT_EQ(ImageOf(NotNil(game->Player2Shape)), ImageOf(NotNil(game->RFork->Getcicn(now.p2))));
        }
        // What changed is repainted: a piece's view, both indicators, or the whole window.
        const auto asked = Repaints();
        if (asked[0] > repaints[0]) continue;
        ASSERT_TRUE(now.p1 == before.p1 && now.p2 == before.p2 && over == Ended(before.pits));
        ASSERT_TRUE(now.turn == before.turn || (asked[1] > repaints[1] && asked[2] > repaints[2]));
        for (int32_t cell = 1; cell <= 9; ++cell)
            ASSERT_TRUE(now.pits[cell] == before.pits[cell] || asked[2 + cell] > repaints[2 + cell]) << cell;
    }
}

}  // namespace
