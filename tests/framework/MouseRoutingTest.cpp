// Which control a press and its release reach: the topmost canvas that binds mouse events at the point,
// else the window itself; and the release follows only a MouseDown that asked for it.
#include "FrameworkTest.h"

#include <QWindow>
#include <gtest/gtest.h>

namespace {

std::string At(const std::string& what, int32_t x, int32_t y) {
    return what + "(" + std::to_string(x) + "," + std::to_string(y) + ")";
}

// Under (10,10 100x100) and Over (60,60 100x100) take the mouse; Glass (10,10 40x40) lies on top of Under
// and only paints. Hidden and Disabled take the mouse but cannot now. Label is a StaticText.
class MouseWindow : public TestWindow<MouseWindow> {
  public:
    static constexpr const char* kClassName = "Tests.MouseWindow";

    void Layout() override { SetProperties(*this, {{"Width", 200}, {"Height", 200}, {"Frame", 5}}); }
    void CreateControls() override {
        auto down = RuntimeCreateDelegate(this, &MouseWindow::Down, "( Int32, Int32 ) as Boolean");
        auto up = RuntimeCreateDelegate(this, &MouseWindow::Up, "( Int32, Int32 )");
        auto paint = RuntimeCreateDelegate(this, &MouseWindow::Paint, "( Graphics )");
        auto mouse = [&](const std::string& name, PropertyRecord record) {
            auto canvas = MakeControl<Canvas>(*this, name, record);
            InstallInstanceEventHandler(*canvas, "MouseDown", down);
            InstallInstanceEventHandler(*canvas, "MouseUp", up);
        };
        mouse("Under", Bounds(10, 10, 100, 100));
        mouse("Over", Bounds(60, 60, 100, 100));
        InstallInstanceEventHandler(*MakeControl<Canvas>(*this, "Glass", Bounds(10, 10, 40, 40)), "Paint",
                                    paint);
        auto hidden = Bounds(170, 10, 20, 20);
        hidden.push_back({"Visible", false});
        mouse("Hidden", hidden);
        auto disabled = Bounds(170, 40, 20, 20);
        disabled.push_back({"Enabled", false});
        mouse("Disabled", disabled);
        MakeControl<StaticText>(
            *this, "Label",
            {{"Left", 120}, {"Top", 170}, {"Width", 60}, {"Height", 20}, {"Text", std::string("label")}});
    }

    bool Down(int32_t x, int32_t y) {
        log.push_back(At(RuntimeSwapSelfAndMe()->Name() + ".Down", x, y));
        return canvasWantsUp;
    }
    void Up(int32_t x, int32_t y) { log.push_back(At(RuntimeSwapSelfAndMe()->Name() + ".Up", x, y)); }
    void Paint(Graphics&) {}
    bool Event_MouseDown(int32_t x, int32_t y) override {
        log.push_back(At("Window.Down", x, y));
        return windowWantsUp;
    }
    void Event_MouseUp(int32_t x, int32_t y) override { log.push_back(At("Window.Up", x, y)); }

    std::vector<std::string> log;
    bool canvasWantsUp = true, windowWantsUp = true;
};

using Log = std::vector<std::string>;

class MouseRouting : public FrameworkTest {
  protected:
    void SetUp() override {
        window = ImplicitWindow<MouseWindow>();
        window->Show();
    }
    std::shared_ptr<MouseWindow> window;
};

} // namespace

TEST_F(MouseRouting, ReachesTheTopmostCanvasThatTakesTheMouse) {
    Click(*window, 70, 70);
    Click(*window, 30, 80);
    EXPECT_EQ(window->log,
              (Log{"Over.Down(10,10)", "Over.Up(10,10)", "Under.Down(20,70)", "Under.Up(20,70)"}));
}

TEST_F(MouseRouting, PassesThroughACanvasThatBindsNoMouseEvent) {
    Click(*window, 20, 20);
    EXPECT_EQ(window->log, (Log{"Under.Down(10,10)", "Under.Up(10,10)"}));
}

TEST_F(MouseRouting, GoesToTheWindowWhereNoCanvasTakesIt) {
    Click(*window, 180, 180);
    EXPECT_EQ(window->log, (Log{"Window.Down(180,180)", "Window.Up(180,180)"}));
}

TEST_F(MouseRouting, BringsTheReleaseToThePressedCanvasWhereverItHappens) {
    Press(*window, 70, 70);
    Release(*window, 190, 190);
    Press(*window, 30, 30);
    Release(*window, 70, 70);
    EXPECT_EQ(window->log,
              (Log{"Over.Down(10,10)", "Over.Up(130,130)", "Under.Down(20,20)", "Under.Up(60,60)"}));
}

TEST_F(MouseRouting, BringsNoReleaseWhenMouseDownSaysFalse) {
    window->canvasWantsUp = false;
    window->windowWantsUp = false;
    Click(*window, 70, 70);
    Click(*window, 180, 180);
    EXPECT_EQ(window->log, (Log{"Over.Down(10,10)", "Window.Down(180,180)"}));
}

TEST_F(MouseRouting, BringsTheWindowItsReleaseOnlyWhenItAskedForIt) {
    window->windowWantsUp = false;
    Press(*window, 180, 180);
    Release(*window, 70, 70);
    window->windowWantsUp = true;
    Press(*window, 180, 180);
    Release(*window, 70, 70);
    EXPECT_EQ(window->log, (Log{"Window.Down(180,180)", "Window.Down(180,180)", "Window.Up(70,70)"}));
}

TEST_F(MouseRouting, SkipsHiddenAndDisabledCanvases) {
    Click(*window, 175, 15);
    Click(*window, 175, 45);
    EXPECT_EQ(window->log,
              (Log{"Window.Down(175,15)", "Window.Up(175,15)", "Window.Down(175,45)", "Window.Up(175,45)"}));

    window->log.clear();
    RuntimeWindowControlByName(*window, "Hidden")->SetVisible(true);
    RuntimeWindowControlByName(*window, "Disabled")->SetEnabled(true);
    Click(*window, 175, 15);
    Click(*window, 175, 45);
    EXPECT_EQ(window->log,
              (Log{"Hidden.Down(5,5)", "Hidden.Up(5,5)", "Disabled.Down(5,5)", "Disabled.Up(5,5)"}));
}

TEST_F(MouseRouting, LeavesPressesOnAStaticTextToTheWindow) {
    QWidget* label = RuntimeWindowControlByName(*window, "Label")->Widget();
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(window->log, (Log{"Window.Down(125,175)", "Window.Up(125,175)"}));
}

TEST_F(MouseRouting, WorksForPressesFromTheWindowSystem) {
    // Delivered as the platform delivers them: to whichever widget lies under the point.
    QWindow* native = TopLevelOf(*window)->windowHandle();
    ASSERT_NE(native, nullptr);
    auto at = [&](int x, int y) { return ContentOf(*window)->mapTo(TopLevelOf(*window), QPoint(x, y)); };
    QTest::mouseClick(native, Qt::LeftButton, {}, at(70, 70));
    QTest::mouseClick(native, Qt::LeftButton, {}, at(20, 20));
    QTest::mouseClick(native, Qt::LeftButton, {}, at(125, 175));
    EXPECT_EQ(window->log, (Log{"Over.Down(10,10)", "Over.Up(10,10)", "Under.Down(10,10)", "Under.Up(10,10)",
                                "Window.Down(125,175)", "Window.Up(125,175)"}));
}
