// Windows: the shared instance of each class, construction, hiding, closing, size and place; and the lookup of
// a window's controls.
#include "FrameworkTest.h"

#include <algorithm>

namespace {

// Logs its construction steps and events; its record comes from the test.
class StepWindow : public TestWindow<StepWindow> {
public:
    static constexpr const char* kClassName = "Tests.StepWindow";
    static inline PropertyRecord record;

    void Layout() override {
        steps.push_back("Layout");
        SetProperties(*this, record);
    }
    void CreateControls() override {
        steps.push_back("CreateControls");
        for (int32_t i = 0; i < 3; ++i)
            MakeControl<Canvas>(*this, "Canvas1", Bounds(10 + 30 * i, 10, 20, 20, {{"Index", i}}));
        MakeControl<StaticText>(*this, "Label", Bounds(10, 40, 80, 20));
    }
    void AddMenuHandlers(Window& window) override {
        steps.push_back(&window == this ? "AddMenuHandlers" : "AddMenuHandlers of another window");
    }
    void Event_Open() override {
        steps.push_back(RuntimeWindowControlByName(*this, "Canvas1") ? "Open" : "Open without controls");
        // Handlers run during construction reach their window through its accessor: the one being built.
        if (ImplicitWindow<StepWindow>().get() != this) steps.push_back("another window built while opening");
    }
    void Event_Close() override { steps.push_back("Close"); }

    Log steps;
};

const Log kBuilt = {"Layout", "CreateControls", "AddMenuHandlers", "Open"};

class Windows : public FrameworkTest {
protected:
    void SetUp() override { StepWindow::record = {{"Width", 200}, {"Height", 120}}; }
};

}  // namespace

TEST_F(Windows, AreBuiltOnceInOrderAndStayTheSharedInstanceWhenHidden) {
    StepWindow::record.push_back({"Frame", 1});
    auto window = ImplicitWindow<StepWindow>();
    EXPECT_EQ(ImplicitWindow<StepWindow>(), window);
    EXPECT_EQ(window->steps, kBuilt) << "built more than once, or its steps out of order";
    window->Show();
    EXPECT_EQ(TopLevelOf(*window)->windowModality(), Qt::ApplicationModal);
    window->Hide();
    EXPECT_FALSE(TopLevelOf(*window)->isVisible());
    EXPECT_TRUE(RuntimeWindowsFrontToBack().empty());
    EXPECT_EQ(ImplicitWindow<StepWindow>(), window);
}

TEST_F(Windows, ThatFailInTheirLayoutLeaveNoHalfBuiltSharedInstance) {
    StepWindow::record = {{"Width", 200}, {"Wdth", 100}};
    EXPECT_THROW(ImplicitWindow<StepWindow>(), UnsupportedOperationException);
    EXPECT_EQ(GetImplicitWindow("Tests.StepWindow"), nullptr);
    EXPECT_TRUE(RuntimeWindowsFrontToBack().empty());
}

TEST_F(Windows, ClosedByTheCloseBoxGoOnceAndAreBuiltAnewUnlessTheyHaveNone) {
    for (const PropertyRecord& frame : {PropertyRecord{{"Frame", 5}}, PropertyRecord{{"CloseButton", false}}}) {
        StepWindow::record = frame;
        auto window = ImplicitWindow<StepWindow>();
        window->Show();
        TopLevelOf(*window)->close();
        EXPECT_EQ(window->steps, kBuilt);
        EXPECT_TRUE(TopLevelOf(*window)->isVisible());
        EXPECT_EQ(GetImplicitWindow("Tests.StepWindow"), window);
        RuntimeReleaseModuleObjects();
    }
    StepWindow::record = {};
    auto window = ImplicitWindow<StepWindow>();
    window->Show();
    TopLevelOf(*window)->close();
    TopLevelOf(*window)->close();
    EXPECT_EQ(std::count(window->steps.begin(), window->steps.end(), "Close"), 1) << "closed twice";
    EXPECT_FALSE(TopLevelOf(*window)->isVisible());
    EXPECT_TRUE(RuntimeWindowsFrontToBack().empty());
    EXPECT_EQ(GetImplicitWindow("Tests.StepWindow"), nullptr);

    QCoreApplication::processEvents();  // the framework lets go of the closed window here
    auto next = ImplicitWindow<StepWindow>();
    EXPECT_NE(next, window);
    EXPECT_EQ(next->steps, kBuilt);
}

TEST_F(Windows, PlaceTheirContentAreaBelowTheMenuBar) {
    RuntimeRegisterAppObject(std::make_shared<Application>());
    GetAppObject()->SetMenuBar(std::make_shared<MenuBar>());
    Entry(*GetAppObject()->MenuBar(), "mnuFile", "File");
    StepWindow::record = {{"Width", 454}, {"Height", 215}, {"Left", 120}, {"Top", 90}};
    auto window = ImplicitWindow<StepWindow>();
    window->Show();
    QWidget* content = ContentOf(*window);
    EXPECT_EQ(content->size(), QSize(454, 215));
    EXPECT_EQ(content->mapToGlobal(QPoint(0, 0)), QPoint(120, 90));
    window->SetLeft(200);
    window->SetTop(150);
    EXPECT_EQ(content->mapToGlobal(QPoint(0, 0)), QPoint(200, 150));
}

TEST_F(Windows, LeaveControlsThatOutliveThemUsable) {
    // A handler may keep the control it fired for (RuntimeSwapSelfAndMe) after the window has gone.
    std::shared_ptr<RectControl> kept = RuntimeWindowControlByName(*ImplicitWindow<StepWindow>(), "Canvas1");
    RuntimeReleaseModuleObjects();
    EXPECT_EQ(kept->Window(), nullptr);
    kept->SetLeft(5);
    kept->Refresh(true);
}

TEST_F(Windows, FindTheirControlsByNameAndByNameAndIndex) {
    auto window = ImplicitWindow<StepWindow>();
    const auto& controls = window->Controls();
    ASSERT_EQ(controls.size(), 4u);
    EXPECT_EQ(RuntimeWindowControlByName(*window, "Canvas1"), controls[0]) << "the first of the array";
    EXPECT_EQ(RuntimeWindowControlByName(*window, "Label"), controls[3]);
    EXPECT_EQ(RuntimeWindowControlByNameIndex(*window, "Canvas1", 2), controls[2]);
    EXPECT_EQ(controls[3]->Index(), Control::kNoIndex);

    EXPECT_EQ(RuntimeWindowControlByName(*window, "Canvas2"), nullptr);
    EXPECT_EQ(RuntimeWindowControlByName(*window, "canvas1"), nullptr);
    EXPECT_EQ(RuntimeWindowControlByNameIndex(*window, "Canvas1", 3), nullptr);
    EXPECT_EQ(RuntimeWindowControlByNameIndex(*window, "Label", 0), nullptr);
}
