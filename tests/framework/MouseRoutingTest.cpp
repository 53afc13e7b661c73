// Which control a press and its release reach: the topmost canvas that binds mouse events at the point,
// else the window itself; and the release follows only a MouseDown that asked for it.
#include "FrameworkTest.h"

#include <QWindow>

namespace {

struct Gesture {
    QPoint press, release;
    Log reached;
    bool canvasWantsUp = true, windowWantsUp = true;
};

// Under (10,10 100x100) and Over (60,60 100x100) take the mouse; Glass (10,10 40x40) lies on top of Under
// and only paints. Hidden and Disabled take the mouse but cannot now. Label is a StaticText.
class MouseRouting : public FrameworkTest {
protected:
    void SetUp() override {
        window = ImplicitWindow<LogWindow>();
        SetProperties(*window, {{"Width", 200}, {"Height", 200}, {"Frame", 5}});
        const Log mouse = {"MouseDown", "MouseUp"};
        window->Add<Canvas>("Under", Bounds(10, 10, 100, 100), mouse);
        window->Add<Canvas>("Over", Bounds(60, 60, 100, 100), mouse);
        window->Add<Canvas>("Glass", Bounds(10, 10, 40, 40), {"Paint"});
        window->Add<Canvas>("Hidden", Bounds(170, 10, 20, 20, {{"Visible", false}}), mouse);
        window->Add<Canvas>("Disabled", Bounds(170, 40, 20, 20, {{"Enabled", false}}), mouse);
        window->Add<StaticText>("Label", Bounds(120, 170, 60, 20, {{"Text", "label"}}));
        window->Show();
    }
    // Delivered as the platform delivers them: to whichever widget lies under the point.
    void Expect(const std::vector<Gesture>& gestures) {
        QWidget* top = TopLevelOf(*window);
        for (const auto& gesture : gestures) {
            window->log.clear();
            window->canvasWantsUp = gesture.canvasWantsUp;
            window->windowWantsUp = gesture.windowWantsUp;
            QTest::mousePress(top->windowHandle(), Qt::LeftButton, {}, ContentOf(*window)->mapTo(top, gesture.press));
            QTest::mouseRelease(top->windowHandle(), Qt::LeftButton, {},
                                ContentOf(*window)->mapTo(top, gesture.release));
            EXPECT_EQ(window->log, gesture.reached) << "pressed at " << gesture.press.x() << "," << gesture.press.y();
        }
    }
    std::shared_ptr<LogWindow> window;
};

}  // namespace

TEST_F(MouseRouting, ReachesTheTopmostCanvasThatTakesTheMouseElseTheWindow) {
    Expect({
        {{70, 70}, {70, 70}, {"Over.MouseDown(10,10)", "Over.MouseUp(10,10)"}},
        {{30, 80}, {30, 80}, {"Under.MouseDown(20,70)", "Under.MouseUp(20,70)"}},
        {{20, 20}, {20, 20}, {"Under.MouseDown(10,10)", "Under.MouseUp(10,10)"}},  // through Glass
        {{180, 180}, {180, 180}, {"Window.MouseDown(180,180)", "Window.MouseUp(180,180)"}},
        {{175, 15}, {175, 15}, {"Window.MouseDown(175,15)", "Window.MouseUp(175,15)"}},      // Hidden
        {{175, 45}, {175, 45}, {"Window.MouseDown(175,45)", "Window.MouseUp(175,45)"}},      // Disabled
        {{125, 175}, {125, 175}, {"Window.MouseDown(125,175)", "Window.MouseUp(125,175)"}},  // Label
    });
    RuntimeWindowControlByName(*window, "Hidden")->SetVisible(true);
    RuntimeWindowControlByName(*window, "Disabled")->SetEnabled(true);
    Expect({
        {{175, 15}, {175, 15}, {"Hidden.MouseDown(5,5)", "Hidden.MouseUp(5,5)"}},
        {{175, 45}, {175, 45}, {"Disabled.MouseDown(5,5)", "Disabled.MouseUp(5,5)"}},
    });
}

TEST_F(MouseRouting, BringsTheReleaseOnlyWhenMouseDownSaidTrueToWhatWasPressedWhereverItHappens) {
    Expect({
        {{70, 70}, {190, 190}, {"Over.MouseDown(10,10)", "Over.MouseUp(130,130)"}},
        {{30, 30}, {70, 70}, {"Under.MouseDown(20,20)", "Under.MouseUp(60,60)"}},
        {{180, 180}, {70, 70}, {"Window.MouseDown(180,180)", "Window.MouseUp(70,70)"}},
        {{70, 70}, {70, 70}, {"Over.MouseDown(10,10)"}, false},
        {{180, 180}, {180, 180}, {"Window.MouseDown(180,180)"}, true, false},
        {{180, 180}, {70, 70}, {"Window.MouseDown(180,180)"}, true, false},
    });
}
