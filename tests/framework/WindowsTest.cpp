// Windows: the shared instance of each class, construction, showing, hiding, closing, size and place; and
// the lookup of a window's controls.
#include "FrameworkTest.h"
#include "framework/Menu.h"

#include <QMenuBar>
#include <algorithm>
#include <gtest/gtest.h>

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
        MakeControl<Canvas>(*this, "Canvas1", Bounds(10, 10, 20, 20));
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

    std::vector<std::string> steps;
};

class Windows : public FrameworkTest {
  protected:
    void SetUp() override { StepWindow::record = {{"Width", 200}, {"Height", 120}}; }

    static std::shared_ptr<MenuBar> SmallMenuBar() {
        auto bar = std::make_shared<MenuBar>();
        auto file = std::make_shared<MenuItem>();
        file->SetText("File");
        bar->Append(file);
        auto item = std::make_shared<MenuItem>();
        item->SetName("mnuNew");
        item->SetText("New");
        file->Append(item);
        return bar;
    }

    static bool InFront(const Window& window) {
        auto windows = RuntimeWindowsFrontToBack();
        return std::any_of(windows.begin(), windows.end(), [&](const auto& w) { return w.get() == &window; });
    }
};

const std::vector<std::string> kBuilt = {"Layout", "CreateControls", "AddMenuHandlers", "Open"};

} // namespace

TEST_F(Windows, AreBuiltOnceAsTheSharedInstanceOfTheirClass) {
    auto first = ImplicitWindow<StepWindow>();
    auto second = ImplicitWindow<StepWindow>();
    EXPECT_EQ(first, second);
    EXPECT_EQ(GetImplicitWindow("Tests.StepWindow"), first);
    EXPECT_EQ(first->steps, kBuilt) << "built more than once, or its steps out of order";
}

TEST_F(Windows, ShowWhenTheirRecordSaysVisibleOnceBuilt) {
    auto hidden = ImplicitWindow<StepWindow>();
    EXPECT_FALSE(hidden->Visible());
    EXPECT_FALSE(TopLevelOf(*hidden)->isVisible());
    RuntimeReleaseModuleObjects();

    StepWindow::record.push_back({"Visible", true});
    auto shown = ImplicitWindow<StepWindow>();
    EXPECT_TRUE(shown->Visible());
    EXPECT_TRUE(TopLevelOf(*shown)->isVisible());
    EXPECT_EQ(shown->steps, kBuilt);
}

TEST_F(Windows, ShowWithoutWaitingEvenForADialog) {
    StepWindow::record.push_back({"Frame", 1});
    auto dialog = ImplicitWindow<StepWindow>();
    dialog->Show(); // a blocking show would hang here
    EXPECT_TRUE(TopLevelOf(*dialog)->isVisible());
    EXPECT_EQ(TopLevelOf(*dialog)->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(RuntimeFrontmostWindow(), dialog);
}

TEST_F(Windows, StayTheSharedInstanceWhenHidden) {
    auto window = ImplicitWindow<StepWindow>();
    window->Show();
    window->Hide();
    EXPECT_FALSE(window->Visible());
    EXPECT_FALSE(TopLevelOf(*window)->isVisible());
    EXPECT_FALSE(InFront(*window));
    EXPECT_EQ(GetImplicitWindow("Tests.StepWindow"), window);
    EXPECT_EQ(ImplicitWindow<StepWindow>(), window);
    EXPECT_EQ(window->steps, kBuilt);
    window->Show();
    EXPECT_TRUE(TopLevelOf(*window)->isVisible());
}

TEST_F(Windows, ClosedByTheCloseBoxAreBuiltAnewNextTime) {
    auto window = ImplicitWindow<StepWindow>();
    window->Show();
    TopLevelOf(*window)->close();
    EXPECT_EQ(window->steps.back(), "Close");
    EXPECT_TRUE(window->IsClosed());
    EXPECT_FALSE(TopLevelOf(*window)->isVisible());
    EXPECT_FALSE(InFront(*window));
    EXPECT_EQ(GetImplicitWindow("Tests.StepWindow"), nullptr);

    TopLevelOf(*window)->close();
    EXPECT_EQ(std::count(window->steps.begin(), window->steps.end(), "Close"), 1) << "closed twice";

    QCoreApplication::processEvents(); // the framework lets go of the closed window here
    auto next = ImplicitWindow<StepWindow>();
    EXPECT_NE(next, window);
    EXPECT_EQ(next->steps, kBuilt);
}

TEST_F(Windows, WithoutACloseBoxIgnoreClose) {
    for (const PropertyRecord& frame :
         {PropertyRecord{{"Frame", 5}}, PropertyRecord{{"CloseButton", false}}}) {
        StepWindow::record = frame;
        auto window = ImplicitWindow<StepWindow>();
        window->Show();
        TopLevelOf(*window)->close();
        EXPECT_EQ(window->steps, kBuilt);
        EXPECT_TRUE(TopLevelOf(*window)->isVisible());
        EXPECT_EQ(GetImplicitWindow("Tests.StepWindow"), window);
        RuntimeReleaseModuleObjects();
    }
}

TEST_F(Windows, MeasureAndPlaceTheirContentArea) {
    auto app = std::make_shared<Application>();
    app->SetMenuBar(SmallMenuBar());
    RuntimeRegisterAppObject(app);

    // A document window carries the menu bar as chrome above the content; a plain box has none.
    for (int32_t frame : {0, 5}) {
        StepWindow::record = {{"Frame", frame}, {"Width", 454}, {"Height", 215}, {"Left", 120}, {"Top", 90}};
        auto window = ImplicitWindow<StepWindow>();
        window->Show();
        QWidget* content = ContentOf(*window);
        EXPECT_EQ(content->size(), QSize(454, 215)) << "frame " << frame;
        EXPECT_EQ(content->mapToGlobal(QPoint(0, 0)), QPoint(120, 90)) << "frame " << frame;
        EXPECT_EQ(window->Width(), 454);
        EXPECT_EQ(window->Height(), 215);

        window->SetLeft(200);
        window->SetTop(150);
        EXPECT_EQ(content->mapToGlobal(QPoint(0, 0)), QPoint(200, 150)) << "frame " << frame << ", moved";
        EXPECT_EQ(content->size(), QSize(454, 215)) << "frame " << frame << ", moved";
        RuntimeReleaseModuleObjects();
    }
}

TEST_F(Windows, LeaveControlsThatOutliveThemUsable) {
    // A handler may keep the control it fired for (RuntimeSwapSelfAndMe) after the window has gone.
    EXPECT_EXIT(
        {
            std::shared_ptr<RectControl> kept;
            {
                auto window = ImplicitWindow<StepWindow>();
                kept = RuntimeWindowControlByName(*window, "Canvas1");
                RuntimeReleaseModuleObjects();
            }
            if (kept->Window() != nullptr) std::exit(2);
            kept->SetLeft(5);
            kept->Refresh(true);
            kept.reset();
            std::exit(0);
        },
        testing::ExitedWithCode(0), "");
}

using ControlLookup = FrameworkTest;

namespace {
class ArrayWindow : public TestWindow<ArrayWindow> {
  public:
    static constexpr const char* kClassName = "Tests.ArrayWindow";
    void CreateControls() override {
        for (int32_t i = 0; i < 3; ++i) {
            PropertyRecord record = Bounds(10 + 30 * i, 10, 20, 20);
            record.push_back({"Index", i});
            MakeControl<Canvas>(*this, "Canvas1", record);
        }
        MakeControl<StaticText>(*this, "Label", Bounds(10, 40, 80, 20));
    }
};
} // namespace

TEST_F(ControlLookup, FindsByNameAndByNameAndIndex) {
    auto window = ImplicitWindow<ArrayWindow>();
    const auto& controls = window->Controls();
    ASSERT_EQ(controls.size(), 4u);

    EXPECT_EQ(RuntimeWindowControlByName(*window, "Canvas1"), controls[0]) << "the first of the array";
    EXPECT_EQ(RuntimeWindowControlByName(*window, "Label"), controls[3]);
    EXPECT_EQ(RuntimeWindowControlByNameIndex(*window, "Canvas1", 2), controls[2]);
    EXPECT_EQ(RuntimeWindowControlByNameIndex(*window, "Canvas1", 1)->Left(), 40);

    EXPECT_EQ(RuntimeWindowControlByName(*window, "Canvas2"), nullptr);
    EXPECT_EQ(RuntimeWindowControlByName(*window, "canvas1"), nullptr);
    EXPECT_EQ(RuntimeWindowControlByNameIndex(*window, "Canvas1", 3), nullptr);
    EXPECT_EQ(RuntimeWindowControlByNameIndex(*window, "Label", 0), nullptr);
}

TEST_F(ControlLookup, GivesControlsOutsideArraysNoIndex) {
    auto window = ImplicitWindow<ArrayWindow>();
    auto label = RuntimeWindowControlByName(*window, "Label");
    EXPECT_EQ(label->Index(), Control::kNoIndex);
    EXPECT_EQ(label->Window(), window);
    EXPECT_EQ(RuntimeWindowControlByNameIndex(*window, "Canvas1", 0)->Index(), 0);
}
