// The game window's layout: its size, its 21 canvases and where a click lands.
#include "GameWindow.h"
#include "framework/qt/Bridge.h"

#include <QPoint>
#include <QTest>
#include <string>
#include <vector>

namespace {

using LayoutTest = GameWindowTest;

struct Expected {
    std::string name;
    int32_t index;
    int32_t left, top, width, height;
    std::string className;
};

constexpr int32_t kNone = Control::kNoIndex;

// Creation order, which is also the stacking order: later controls lie over earlier ones.
const std::vector<Expected> kLayout = {
    {"Canvas2", 9, 285, 52, 50, 50, "Dialog1.Canvas2"},   {"Canvas2", 8, 201, 52, 50, 50, "Dialog1.Canvas2"},
    {"Canvas2", 7, 116, 52, 50, 50, "Dialog1.Canvas2"},   {"Canvas1", 9, 279, 93, 61, 16, "Dialog1.Canvas1"},
    {"Canvas1", 8, 193, 93, 72, 16, "Dialog1.Canvas1"},   {"Canvas1", 7, 116, 93, 67, 16, "Dialog1.Canvas1"},
    {"leftturn", kNone, 8, 6, 30, 30, "Canvas"},          {"RIghtTurn", kNone, 416, 6, 30, 30, "Canvas"},
    {"Canvas1", 4, 86, 117, 71, 22, "Dialog1.Canvas1"},   {"Canvas1", 5, 188, 117, 82, 22, "Dialog1.Canvas1"},
    {"Canvas1", 6, 290, 117, 80, 22, "Dialog1.Canvas1"},  {"Canvas1", 1, 46, 145, 95, 24, "Dialog1.Canvas1"},
    {"Canvas1", 2, 171, 145, 120, 24, "Dialog1.Canvas1"}, {"Canvas1", 3, 317, 145, 92, 24, "Dialog1.Canvas1"},
    {"Canvas2", 4, 86, 68, 64, 64, "Dialog1.Canvas2"},    {"Canvas2", 5, 193, 68, 64, 64, "Dialog1.Canvas2"},
    {"Canvas2", 6, 306, 68, 64, 64, "Dialog1.Canvas2"},   {"Canvas2", 1, 46, 82, 80, 80, "Dialog1.Canvas2"},
    {"Canvas2", 2, 185, 82, 80, 80, "Dialog1.Canvas2"},   {"Canvas2", 3, 322, 82, 80, 80, "Dialog1.Canvas2"},
    {"Canvas3", kNone, 77, 1, 297, 46, "Canvas"},
};

TEST_F(LayoutTest, TheWindowIsAHiddenFixedBoard) {
    EXPECT_EQ(game->ClassRecord().Name(), "Dialog1.Dialog1");
    EXPECT_FALSE(game->Visible());
    EXPECT_EQ(game->Width(), 454);
    EXPECT_EQ(game->Height(), 215);
    EXPECT_EQ(game->Title(), "Quillomar");
    EXPECT_EQ(game->Frame(), 0);
    EXPECT_TRUE(game->CloseButton());
    EXPECT_TRUE(game->MenuBarVisible());
    EXPECT_EQ(ContentOf(*game)->size(), QSize(454, 215));
}

TEST_F(LayoutTest, TwentyOneCanvasesInCreationOrderWithTheirRectangles) {
    const auto& controls = game->Controls();
    ASSERT_EQ(controls.size(), kLayout.size());
    for (size_t i = 0; i < kLayout.size(); ++i) {
        const Expected& expected = kLayout[i];
        const RectControl& control = *controls[i];
        SCOPED_TRACE("control " + std::to_string(i + 1) + ": " + expected.name);
        EXPECT_EQ(control.Name(), expected.name);
        EXPECT_EQ(control.Index(), expected.index);
        EXPECT_EQ(control.ClassRecord().Name(), expected.className);
        EXPECT_EQ(control.Left(), expected.left);
        EXPECT_EQ(control.Top(), expected.top);
        EXPECT_EQ(control.Width(), expected.width);
        EXPECT_EQ(control.Height(), expected.height);
        EXPECT_EQ(control.TabIndex(), i < 20 ? static_cast<int32_t>(i) : 21);
        EXPECT_EQ(control.Visible(), expected.name != "Canvas3");
        EXPECT_TRUE(control.Enabled());
        EXPECT_EQ(control.TabPanelIndex(), 0);
    }
}

TEST_F(LayoutTest, ControlsAreFoundByNameAndIndex) {
    for (int32_t cell = 1; cell <= 9; ++cell) {
        EXPECT_EQ(NotNil(game->Canvas1At(cell)).Index(), cell);
        EXPECT_EQ(NotNil(game->Canvas2At(cell)).Index(), cell);
    }
    for (int32_t missing : {0, 10}) {
        EXPECT_EQ(game->Canvas1At(missing), nullptr);
        EXPECT_EQ(game->Canvas2At(missing), nullptr);
    }
    EXPECT_EQ(NotNil(game->leftturn()).Name(), "leftturn");
    EXPECT_EQ(NotNil(game->RIghtTurn()).Name(), "RIghtTurn");
    EXPECT_EQ(NotNil(game->Canvas3()).Name(), "Canvas3");
}

TEST_F(LayoutTest, EachPieceStandsInItsPit) {
    for (int32_t cell = 1; cell <= 9; ++cell) {
        const Canvas& pit = *game->Canvas1At(cell);
        const Canvas& view = *game->Canvas2At(cell);
        EXPECT_GE(view.Left(), pit.Left()) << cell;
        EXPECT_LE(view.Left() + view.Width(), pit.Left() + pit.Width()) << cell;
        EXPECT_EQ(view.Top() + view.Height(), pit.Top() + pit.Height() - 7) << cell;
        EXPECT_EQ(view.Width(), view.Height()) << cell;
    }
}

TEST_F(LayoutTest, OnlyPitsTakeTheMouseAndOnlyDrawingCanvasesPaint) {
    for (int32_t cell = 1; cell <= 9; ++cell) {
        EXPECT_TRUE(game->Canvas1At(cell)->HandlesEvent("MouseDown"));
        EXPECT_TRUE(game->Canvas1At(cell)->HandlesEvent("MouseUp"));
        EXPECT_FALSE(game->Canvas1At(cell)->HandlesEvent("Paint"));
        EXPECT_TRUE(game->Canvas2At(cell)->HandlesEvent("Paint"));
        EXPECT_FALSE(game->Canvas2At(cell)->TakesMouse());
    }
    EXPECT_TRUE(game->leftturn()->HandlesEvent("Paint"));
    EXPECT_TRUE(game->RIghtTurn()->HandlesEvent("Paint"));
    EXPECT_FALSE(game->leftturn()->TakesMouse());
    EXPECT_FALSE(game->Canvas3()->TakesMouse());
    EXPECT_FALSE(game->Canvas3()->HandlesEvent("Paint"));
}

TEST_F(LayoutTest, TheAccessorBuildsTheWindowOnce) {
    auto again = Dialog1::Shared();
    EXPECT_EQ(again, game);
    EXPECT_EQ(again->Controls().size(), 21u);
}

TEST_F(LayoutTest, AnExtraArrayMemberCopiesMemberNineAndPlaysNoCell) {
    auto extra = game->New<Dialog1::Canvas1>();
    extra->Constructor();
    EXPECT_EQ(extra->Name(), "Canvas1");
    EXPECT_EQ(extra->Index(), 0);
    EXPECT_EQ(extra->Left(), 279);
    EXPECT_EQ(extra->Top(), 93);
    EXPECT_EQ(extra->Width(), 61);
    EXPECT_EQ(extra->Height(), 16);
    EXPECT_TRUE(extra->TakesMouse());
    EXPECT_EQ(game->Controls().size(), 22u);
    EXPECT_EQ(game->Canvas1At(9)->Index(), 9);

    extra->RaiseVoidEvent<int32_t, int32_t>("MouseUp", 1, 1);
    for (int32_t cell = 0; cell <= 10; ++cell)
        EXPECT_EQ(game->Pits[cell], 0);

    auto view = game->New<Dialog1::Canvas2>();
    view->Constructor();
    EXPECT_EQ(view->Index(), 0);
    EXPECT_EQ(view->Width(), 50);
    EXPECT_TRUE(view->HandlesEvent("Paint"));
}

// Real clicks on the window's content, routed by the window to the pit under the point.
class ClickTest : public LayoutTest {
  protected:
    void SetUp() override {
        LayoutTest::SetUp();
        game->Show();
    }
    void ClickAt(int x, int y) {
        QTest::mouseClick(ContentOf(*game), Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
    }
};

TEST_F(ClickTest, APitUnderPieceViewsStillTakesItsClick) {
    ClickAt(229, 105); // inside pit 8, under piece views 2 and 5
    EXPECT_EQ(game->Pits[8], 1);
    EXPECT_TRUE(game->GameStarted);
}

TEST_F(ClickTest, APitOutsideItsPieceViewTakesItsClick) {
    ClickAt(175, 157); // inside pit 2, left of piece view 2
    EXPECT_EQ(game->Pits[2], 1);
}

TEST_F(ClickTest, EveryPitTakesAClickAtItsCentre) {
    for (int32_t cell = 1; cell <= 9; ++cell) {
        game->Initialize();
        game->PlayersTurn = 1;
        const Canvas& pit = *game->Canvas1At(cell);
        ClickAt(pit.Left() + pit.Width() / 2, pit.Top() + pit.Height() - 2);
        for (int32_t other = 1; other <= 9; ++other)
            EXPECT_EQ(game->Pits[other], other == cell ? 1 : 0) << cell;
    }
}

TEST_F(ClickTest, ClicksBesideThePitsPlayNothing) {
    for (QPoint at : {QPoint(10, 200), QPoint(20, 20), QPoint(200, 20), QPoint(229, 80), QPoint(300, 160)})
        ClickAt(at.x(), at.y());
    for (int32_t cell = 0; cell <= 10; ++cell)
        EXPECT_EQ(game->Pits[cell], 0);
    EXPECT_FALSE(game->GameStarted);
}

} // namespace
