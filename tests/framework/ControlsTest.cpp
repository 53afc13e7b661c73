// The controls with behaviour of their own: tab panels and their pages, push buttons, static texts.
#include "FrameworkTest.h"

#include <QEnterEvent>
#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

PropertyRecord With(PropertyRecord record, const PropertyRecord& more) {
    record.insert(record.end(), more.begin(), more.end());
    return record;
}

// TabPanel1 with the pages "Shape" and "Colour"; OnFirst and OnSecond stand at the same place on its two
// pages; Hint stands on page 2 by lying inside the panel; OK and Cancel stand on the window.
class TabWindow : public TestWindow<TabWindow> {
  public:
    static constexpr const char* kClassName = "Tests.TabWindow";

    void Layout() override { SetProperties(*this, {{"Width", 300}, {"Height", 220}, {"Frame", 5}}); }
    void CreateControls() override {
        auto down = RuntimeCreateDelegate(this, &TabWindow::Down, "( Int32, Int32 ) as Boolean");
        auto action = RuntimeCreateDelegate(this, &TabWindow::Action, "(  )");
        MakeControl<TabPanel>(
            *this, "TabPanel1",
            With(Bounds(10, 10, 280, 170), {{"TabDefinition", std::string("Shape\rColour")}, {"Value", 0}}));
        for (const auto& [name, page] : {std::pair{"OnFirst", 1}, std::pair{"OnSecond", 2}}) {
            auto canvas = MakeControl<Canvas>(
                *this, name,
                With(Bounds(20, 40, 50, 50),
                     {{"TabPanelIndex", page}, {"InitialParent", std::string("TabPanel1")}}));
            InstallInstanceEventHandler(*canvas, "MouseDown", down);
        }
        auto hint =
            MakeControl<StaticText>(*this, "Hint", With(Bounds(100, 40, 100, 20), {{"TabPanelIndex", 2}}));
        InstallInstanceEventHandler(*hint, "MouseEnter",
                                    RuntimeCreateDelegate(this, &TabWindow::Enter, "(  )"));
        InstallInstanceEventHandler(*hint, "MouseExit",
                                    RuntimeCreateDelegate(this, &TabWindow::Exit, "(  )"));
        InstallInstanceEventHandler(
            *MakeControl<PushButton>(
                *this, "OK",
                With(Bounds(150, 190, 60, 24), {{"Caption", std::string("OK")}, {"Default", true}})),
            "Action", action);
        InstallInstanceEventHandler(
            *MakeControl<PushButton>(
                *this, "Cancel",
                With(Bounds(220, 190, 60, 24), {{"Caption", std::string("Cancel")}, {"Cancel", true}})),
            "Action", action);
    }

    bool Down(int32_t, int32_t) {
        log.push_back(RuntimeSwapSelfAndMe()->Name() + ".MouseDown");
        return false;
    }
    void Action() { log.push_back(RuntimeSwapSelfAndMe()->Name() + ".Action"); }
    void Enter() { log.push_back(RuntimeSwapSelfAndMe()->Name() + ".MouseEnter"); }
    void Exit() { log.push_back(RuntimeSwapSelfAndMe()->Name() + ".MouseExit"); }

    std::shared_ptr<TabPanel> Panel() const {
        return Cast<TabPanel>(RuntimeWindowControlByName(*this, "TabPanel1"));
    }
    bool Shows(const std::string& name) const {
        auto control = RuntimeWindowControlByName(*this, name);
        return control->ShownOnWindow() && !control->Widget()->isHidden();
    }

    std::vector<std::string> log;
};

using Log = std::vector<std::string>;

class Controls : public FrameworkTest {
  protected:
    void SetUp() override {
        window = ImplicitWindow<TabWindow>();
        window->Show();
    }
    std::shared_ptr<TabWindow> window;
};

} // namespace

TEST_F(Controls, TabDefinitionSplitsPagesOnCarriageReturnAndNul) {
    auto panel = window->Panel();
    EXPECT_EQ(panel->Pages(), (std::vector<std::string>{"Shape", "Colour"}));
    auto* tabs = static_cast<QTabWidget*>(panel->Widget());
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(1), "Colour");

    panel->SetTabDefinition(std::string("One\0Two\0Three", 13));
    EXPECT_EQ(panel->Pages(), (std::vector<std::string>{"One", "Two", "Three"}));
    EXPECT_EQ(tabs->count(), 3);
    panel->SetTabDefinition("Only");
    EXPECT_EQ(panel->Pages(), std::vector<std::string>{"Only"});
}

TEST_F(Controls, OnAPageShowOnlyWhileThePageIsThePanelsValue) {
    auto panel = window->Panel();
    EXPECT_EQ(panel->Value(), 0);
    EXPECT_TRUE(window->Shows("OnFirst"));
    EXPECT_FALSE(window->Shows("OnSecond"));
    EXPECT_FALSE(window->Shows("Hint"));
    EXPECT_TRUE(window->Shows("OK"));

    panel->SetValue(1);
    EXPECT_FALSE(window->Shows("OnFirst"));
    EXPECT_TRUE(window->Shows("OnSecond"));
    EXPECT_TRUE(window->Shows("Hint"));
    EXPECT_TRUE(window->Shows("OK"));

    static_cast<QTabWidget*>(panel->Widget())->setCurrentIndex(0); // as a click on the first tab does
    EXPECT_EQ(panel->Value(), 0);
    EXPECT_TRUE(window->Shows("OnFirst"));
    EXPECT_FALSE(window->Shows("OnSecond"));

    panel->SetVisible(false);
    EXPECT_FALSE(window->Shows("OnFirst"));
    EXPECT_TRUE(window->Shows("OK"));
}

TEST_F(Controls, OnAPageTakePressesOnlyWhileItShows) {
    Click(*window, 30, 50);
    window->Panel()->SetValue(1);
    Click(*window, 30, 50);
    EXPECT_EQ(window->log, (Log{"OnFirst.MouseDown", "OnSecond.MouseDown"}));
}

TEST_F(Controls, PushButtonsRaiseActionWhenPushedOrClicked) {
    auto ok = Cast<PushButton>(RuntimeWindowControlByName(*window, "OK"));
    EXPECT_EQ(static_cast<QPushButton*>(ok->Widget())->text(), "OK");
    ok->Push();
    QTest::mouseClick(ok->Widget(), Qt::LeftButton);
    EXPECT_EQ(window->log, (Log{"OK.Action", "OK.Action"}));

    ok->SetEnabled(false);
    ok->Push();
    EXPECT_EQ(window->log.size(), 2u) << "a disabled button acted";
}

TEST_F(Controls, ReturnAndEscapePushTheDefaultAndCancelButtons) {
    QTest::keyClick(TopLevelOf(*window), Qt::Key_Return);
    QTest::keyClick(TopLevelOf(*window), Qt::Key_Escape);
    EXPECT_EQ(window->log, (Log{"OK.Action", "Cancel.Action"}));
}

TEST_F(Controls, StaticTextsRaiseMouseEnterAndMouseExit) {
    QWidget* hint = RuntimeWindowControlByName(*window, "Hint")->Widget();
    QEnterEvent enter(QPointF(2, 2), QPointF(102, 42), QPointF(102, 42));
    QCoreApplication::sendEvent(hint, &enter);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(hint, &leave);
    EXPECT_EQ(window->log, (Log{"Hint.MouseEnter", "Hint.MouseExit"}));
}
