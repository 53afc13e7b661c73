// Which control a press and its release reach; the controls on a tab panel's pages; push buttons; repainting;
// handlers checked against the events' signatures, and what escapes them.
#include "FrameworkTest.h"

#include <QTabWidget>
#include <QWindow>

// Under (10,10 100x100) and Over (60,60 100x100) take the mouse; Glass (10,10 40x40) lies on top of Under and
// only paints; Hidden and Disabled take the mouse but cannot now. On TabPanel1's two pages OnFirst and OnSecond
// stand at the same place.
class Controls : public FrameworkTest {
protected:
    void SetUp() override {
        window = LogWindow::Make({{"Width", 300}, {"Height", 220}, {"Frame", 5}});
        const Log mouse = {"MouseDown", "MouseUp"};
        window->Add<Canvas>("Under", Bounds(10, 10, 100, 100), mouse);
        over = window->Add<Canvas>("Over", Bounds(60, 60, 100, 100), mouse);
        glass = window->Add<Canvas>("Glass", Bounds(10, 10, 40, 40), {"Paint"});
        window->Add<Canvas>("Hidden", Bounds(170, 10, 20, 20, {{"Visible", false}}), mouse);
        window->Add<Canvas>("Disabled", Bounds(170, 40, 20, 20, {{"Enabled", false}}), mouse);
        panel = window->Add<TabPanel>("TabPanel1", Bounds(200, 70, 95, 100, {{"TabDefinition", "Shape\rColour"}}));
        for (const auto& [name, page] : {std::pair{"OnFirst", 1}, std::pair{"OnSecond", 2}})
            window->Add<Canvas>(name,
                                Bounds(210, 110, 20, 20, {{"TabPanelIndex", page}, {"InitialParent", "TabPanel1"}}),
                                {"MouseDown"});
        ok = window->Add<PushButton>("OK", Bounds(200, 190, 40, 24, {{"Default", true}}), {"Action"});
        window->Add<PushButton>("Cancel", Bounds(250, 190, 40, 24, {{"Cancel", true}}), {"Action"});
    }
    // A press and its release delivered as the platform delivers them: to whichever widget lies under the point.
    void Expect(QPoint press, QPoint release, const Log& reached, bool canvasUp = true, bool windowUp = true) {
        window->log.clear();
        window->canvasWantsUp = canvasUp;
        window->windowWantsUp = windowUp;
        QWidget* top = TopLevelOf(*window);
        QTest::mousePress(top->windowHandle(), Qt::LeftButton, {}, ContentOf(*window)->mapTo(top, press));
        QTest::mouseRelease(top->windowHandle(), Qt::LeftButton, {}, ContentOf(*window)->mapTo(top, release));
        EXPECT_EQ(window->log, reached) << "pressed at " << press.x() << "," << press.y();
    }
    std::shared_ptr<LogWindow> window;
    std::shared_ptr<Canvas> over, glass;
    std::shared_ptr<TabPanel> panel;
    std::shared_ptr<PushButton> ok;
};

TEST_F(Controls, APressReachesTheTopmostCanvasThatTakesTheMouseElseTheWindowAndTheReleaseFollowsIfAsked) {
    Expect({70, 70}, {70, 70}, {"Over.MouseDown(10,10)", "Over.MouseUp(10,10)"});
    Expect({20, 20}, {20, 20}, {"Under.MouseDown(10,10)", "Under.MouseUp(10,10)"});        // through Glass
    Expect({110, 30}, {110, 30}, {"Window.MouseDown(110,30)", "Window.MouseUp(110,30)"});  // just past Under
    Expect({175, 15}, {175, 15}, {"Window.MouseDown(175,15)", "Window.MouseUp(175,15)"});  // Hidden
    Expect({175, 45}, {175, 45}, {"Window.MouseDown(175,45)", "Window.MouseUp(175,45)"});  // Disabled
    Expect({70, 70}, {190, 150}, {"Over.MouseDown(10,10)", "Over.MouseUp(130,90)"});
    Expect({70, 70}, {70, 70}, {"Over.MouseDown(10,10)"}, false);
    Expect({180, 180}, {70, 70}, {"Window.MouseDown(180,180)"}, true, false);
    window->nested = [&] { ok->Push(); };
    Expect({70, 70}, {70, 70}, {"Over.MouseDown(10,10)", "OK.Action", "Over.MouseUp(10,10)"});
}

TEST_F(Controls, APagesControlsShowAndTakePressesOnlyWhileItIsThePanelsPage) {
    const auto onPage = [&](const char* shown, const char* hidden) {
        Expect({215, 115}, {215, 115}, {shown + std::string(".MouseDown(5,5)")});
        EXPECT_TRUE(RuntimeWindowControlByName(*window, shown)->Widget()->isVisible());
        EXPECT_FALSE(RuntimeWindowControlByName(*window, hidden)->Widget()->isVisible());
    };
    onPage("OnFirst", "OnSecond");
    panel->SetValue(1);
    onPage("OnSecond", "OnFirst");
    static_cast<QTabWidget*>(panel->Widget())->setCurrentIndex(0);  // as a click on the first tab does
    onPage("OnFirst", "OnSecond");
}

TEST_F(Controls, ReturnPushesTheDefaultButtonAndEscapeTheCancelButtonUnlessDisabled) {
    QTest::mouseClick(ok->Widget(), Qt::LeftButton);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape})
        QTest::keyClick(TopLevelOf(*window), key);
    ok->SetEnabled(false);
    QTest::keyClick(TopLevelOf(*window), Qt::Key_Return);
    EXPECT_EQ(window->log, (Log{"OK.Action", "OK.Action", "Cancel.Action"}));
}

TEST_F(Controls, ACanvasPaintsAgainWhenRefreshed) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(TopLevelOf(*window)));
    QTest::qWait(20);
    const int before = window->paints;
    glass->Refresh(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->paints > before; }, 2000));
}

void Throw42() { throw 42; }

TEST_F(Controls, TakeOnlyAHandlerOfTheEventsSignatureAndAnEventTheirClassHas) {
    for (const char* wrong :
         {"( Int32, Int32 )", "(  ) as Boolean", "( Int32, Int32 ) as Int32", "(Int32, Int32) as Boolean"})
        EXPECT_THROW(RuntimeCreateDelegate(window.get(), &LogWindow::MouseDown, wrong), UnsupportedOperationException)
            << wrong;
    // A canvas has no Action, a button no Paint; MouseDown answers whether it wants the MouseUp, MouseUp does not.
    const std::tuple<RectControl*, const char*, const char*> refused[] = {{over.get(), "Action", "Action"},
                                                                          {ok.get(), "Paint", "Paint"},
                                                                          {over.get(), "MouseDown", "MouseUp"},
                                                                          {over.get(), "MouseUp", "MouseDown"},
                                                                          {glass.get(), "Paint", "Action"}};
    for (const auto& [control, event, handler] : refused)
        EXPECT_THROW(InstallInstanceEventHandler(*control, event, window->Handler(handler)),
                     UnsupportedOperationException)
            << event << " took a handler for " << handler;
    EXPECT_THROW(InstallInstanceEventHandler(*ok, "Action", nullptr), NilObjectException);
}

TEST_F(Controls, ReportWhatEscapesAHandlerAndEndTheRunWithStatus1EvenAfterQuit0) {
    auto gone = RuntimeNewObject<LogWindow>();  // its handlers raise NilObjectException once it is gone
    InstallInstanceEventHandler(*over, "MouseUp", gone->Handler("MouseUp"));
    auto failingPaint = gone->Handler("Paint");
    InstallInstanceEventHandler(*ok, "Action", RuntimeCreateDelegate(&Throw42, "(  )"));
    gone.reset();
    ExpectReported("MouseUp after Quit(0)", "NilObjectException", [&] {
        Quit(0), Expect({70, 70}, {70, 70}, {"Over.MouseDown(10,10)"});
    });
    ExpectReported("a throw of no exception", "unknown", [&] { ok->Push(); });
    InstallInstanceEventHandler(*glass, "Paint", failingPaint);
    ExpectReported("Paint", "NilObjectException", [&] { ContentOf(*window)->grab(); });
}
