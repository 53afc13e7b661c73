// The controls with behaviour of their own: tab panels and their pages, push buttons.
#include "FrameworkTest.h"

#include <QTabWidget>

namespace {

// TabPanel1 with the pages "Shape" and "Colour"; OnFirst and OnSecond stand at the same place on its two
// pages; Hint stands on page 2 by lying inside the panel; OK and Cancel stand on the window.
class Controls : public FrameworkTest {
protected:
    void SetUp() override {
        window = ImplicitWindow<LogWindow>();
        SetProperties(*window, {{"Width", 300}, {"Height", 220}, {"Frame", 5}});
        panel = window->Add<TabPanel>("TabPanel1", Bounds(10, 10, 280, 170, {{"TabDefinition", "Shape\rColour"}}));
        for (const auto& [name, page] : {std::pair{"OnFirst", 1}, std::pair{"OnSecond", 2}})
            window->Add<Canvas>(name, Bounds(20, 40, 50, 50, {{"TabPanelIndex", page}, {"InitialParent", "TabPanel1"}}),
                                {"MouseDown"});
        window->Add<StaticText>("Hint", Bounds(100, 40, 100, 20, {{"TabPanelIndex", 2}}));
        window->Add<PushButton>("OK", Bounds(150, 190, 60, 24, {{"Default", true}}), {"Action"});
        window->Add<PushButton>("Cancel", Bounds(220, 190, 60, 24, {{"Cancel", true}}), {"Action"});
        window->Show();
    }
    Log Showing() const {
        Log shown;
        for (const char* name : {"OnFirst", "OnSecond", "Hint", "OK"})
            if (auto control = RuntimeWindowControlByName(*window, name);
                control->ShownOnWindow() && !control->Widget()->isHidden())
                shown.push_back(name);
        return shown;
    }
    std::shared_ptr<LogWindow> window;
    std::shared_ptr<TabPanel> panel;
};

}  // namespace

TEST_F(Controls, TabDefinitionSplitsPagesOnCarriageReturnAndNul) {
    EXPECT_EQ(panel->Pages(), (Log{"Shape", "Colour"}));
    panel->SetTabDefinition(std::string("One\0Two\0Three", 13));
    EXPECT_EQ(panel->Pages(), (Log{"One", "Two", "Three"}));
    EXPECT_EQ(static_cast<QTabWidget*>(panel->Widget())->tabText(2), "Three");
    panel->SetTabDefinition("Only");
    EXPECT_EQ(panel->Pages(), Log{"Only"});
}

TEST_F(Controls, OnAPageShowAndTakePressesOnlyWhileThePageIsThePanelsValue) {
    EXPECT_EQ(Showing(), (Log{"OnFirst", "OK"}));
    Click(*window, 30, 50);
    panel->SetValue(1);
    EXPECT_EQ(Showing(), (Log{"OnSecond", "Hint", "OK"}));
    Click(*window, 30, 50);
    EXPECT_EQ(window->log, (Log{"OnFirst.MouseDown(10,10)", "OnSecond.MouseDown(10,10)"}));

    static_cast<QTabWidget*>(panel->Widget())->setCurrentIndex(0);  // as a click on the first tab does
    EXPECT_EQ(Showing(), (Log{"OnFirst", "OK"}));
    panel->SetVisible(false);
    EXPECT_EQ(Showing(), Log{"OK"});
}

TEST_F(Controls, PushButtonsActWhenPushedClickedOrKeyedAndNotWhenDisabled) {
    auto ok = Cast<PushButton>(RuntimeWindowControlByName(*window, "OK"));
    ok->Push();
    QTest::mouseClick(ok->Widget(), Qt::LeftButton);
    QTest::keyClick(TopLevelOf(*window), Qt::Key_Return);
    QTest::keyClick(TopLevelOf(*window), Qt::Key_Escape);
    EXPECT_EQ(window->log, (Log{"OK.Action", "OK.Action", "OK.Action", "Cancel.Action"}));
    ok->SetEnabled(false);
    ok->Push();
    QTest::keyClick(TopLevelOf(*window), Qt::Key_Return);
    EXPECT_EQ(window->log.size(), 4u) << "a disabled button acted";
}
