// The menu bar: one shared bar of twelve entries, found by name, whose shortcuts reach the windows that
// handle them.

#include "framework/Menu.h"

#include <QTest>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "ShellTesting.h"
#include "framework/Application.h"
#include "framework/Delegate.h"
#include "framework/Window.h"
#include "framework/qt/Bridge.h"
#include "shell/App.h"
#include "shell/Menu.h"
#include "shell/MenuItems.h"
#include "shell/Startup.h"
#include "shell/Window1.h"

namespace {

struct Row {
    std::string parent, name, kind, text, shortcut;
    bool autoEnable;
    friend bool operator==(const Row&, const Row&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Row& row) {
        return out << row.parent << " > " << row.name << " (" << row.kind << ") \"" << row.text << "\" ["
                   << row.shortcut << "]" << (row.autoEnable ? " auto-enabled" : "");
    }
};

// The bar as its user meets it: each title, then its entries, in order.
std::vector<Row> Walk(const MenuItem& bar) {
    std::vector<Row> rows;
    auto add = [&](const std::string& parent, const MenuItem& item) {
        rows.push_back({parent, item.Name(), item.ClassRecord().Name(), item.Text(), item.KeyboardShortcut(),
                        item.AutoEnable()});
    };
    for (int32_t i = 0; i < bar.Count(); ++i) {
        const MenuItem& title = *bar.Item(i);
        add("bar", title);
        for (int32_t j = 0; j < title.Count(); ++j)
            add(title.Name(), *title.Item(j));
    }
    return rows;
}

class MenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!App::Shared()) NewAppInstance();
    }
    void TearDown() override {
        RuntimeReleaseModuleObjects();
        RuntimeCancelQuit();
    }
    TempBundle bundleWithoutResources;
};

TEST_F(MenuTest, FileAndOptionsHoldTheirEntriesInOrder) {
    const std::vector<Row> expected = {
        {"bar", "UntitledMenu0", "MenuItem", "File", "", false},
        {"UntitledMenu0", "mnuReset", "MenuItem", "New Game", "Cmd+N", false},
        {"UntitledMenu0", "mnuD2", "MenuItem", "-", "", false},
        {"UntitledMenu0", "FileQuit", "QuitMenuItem", "Quit", "Cmd+Q", true},
        {"bar", "mnuGame", "MenuItem", "Options", "", false},
        {"mnuGame", "mnuSwitch", "MenuItem", "Switch Turns", "Cmd+T", false},
        {"mnuGame", "mnuDash", "MenuItem", "-", "", false},
        {"mnuGame", "mnuHvH", "MenuItem", "Human Vs Human", "Cmd+2", false},
        {"mnuGame", "mnuHvC", "MenuItem", "Human Vs Computer", "Cmd+1", false},
        {"mnuGame", "mnuDash2", "MenuItem", "-", "", false},
        {"mnuGame", "mnuShapes", "MenuItem", "Shapes", "Cmd+S", false},
        {"mnuGame", "mnuAbout", "AppleMenuItem", "About Quillomar", "Cmd+A", false},
    };
    EXPECT_EQ(Walk(*Menu::Shared()), expected);
}

TEST_F(MenuTest, OneBarServesTheApplicationAndTheSplash) {
    auto bar = Menu::Shared();
    EXPECT_EQ(Menu::Shared(), bar);
    EXPECT_EQ(bar->Count(), 2);  // built once, not again on the second call
    EXPECT_EQ(NotNil(App::Shared()).MenuBar(), bar);
    EXPECT_EQ(Window1::Shared()->MenuBar(), bar);
}

TEST_F(MenuTest, TheAccessorsReturnTheBarsOwnEntriesEveryTime) {
    auto bar = Menu::Shared();
    EXPECT_EQ(mnuReset(), bar->Lookup("mnuReset"));
    EXPECT_EQ(mnuSwitch(), bar->Lookup("mnuSwitch"));
    EXPECT_EQ(mnuHvH(), bar->Lookup("mnuHvH"));
    EXPECT_EQ(mnuHvC(), bar->Lookup("mnuHvC"));
    EXPECT_EQ(mnuShapes(), bar->Lookup("mnuShapes"));
    EXPECT_EQ(mnuAbout(), bar->Lookup("mnuAbout"));
    EXPECT_EQ(mnuHvC(), mnuHvC());

    // A check mark set through an accessor is the one the bar shows.
    mnuHvC()->SetChecked(true);
    EXPECT_TRUE(bar->Lookup("mnuHvC")->Checked());
    mnuHvC()->SetChecked(false);
}

TEST_F(MenuTest, WithoutTheApplicationObjectAnAccessorRaises) {
    auto app = App::Shared();
    RuntimeRegisterAppObject(nullptr);
    EXPECT_THROW(mnuReset(), NilObjectException);
    NotNil(app).SetMenuBar(nullptr);
    RuntimeRegisterAppObject(app);
    EXPECT_THROW(mnuAbout(), NilObjectException);
    app->SetMenuBar(Menu::Shared());
}

// A window that handles the two opponent commands and notes which one ran.
class OpponentProbe : public Window {
public:
    static const ClassInfo& Lookup() {
        static const ClassInfo& record =
            ClassRegistry::Register(ClassInfo("OpponentProbe.OpponentProbe", &Window::Lookup()));
        return record;
    }
    const ClassInfo& ClassRecord() const override { return Lookup(); }

    void AddMenuHandlers(Window&) override {
        AddMenuHandler("mnuHvH", RuntimeCreateDelegate(this, &OpponentProbe::HvH, "(  ) as Boolean"));
        AddMenuHandler("mnuHvC", RuntimeCreateDelegate(this, &OpponentProbe::HvC, "(  ) as Boolean"));
    }
    void Event_EnableMenuItems() override {
        mnuHvH()->SetEnabled(true);
        mnuHvC()->SetEnabled(true);
    }
    bool HvH() {
        ran.push_back("Human Vs Human");
        return false;
    }
    bool HvC() {
        ran.push_back("Human Vs Computer");
        return false;
    }
    std::vector<std::string> ran;
};

TEST_F(MenuTest, Ctrl2IsHumanVsHumanAndCtrl1IsHumanVsComputer) {
    auto probe = ImplicitWindow<OpponentProbe>();
    probe->Show();
    QTest::keyClick(TopLevelOf(*probe), Qt::Key_2, Qt::ControlModifier);
    QTest::keyClick(TopLevelOf(*probe), Qt::Key_1, Qt::ControlModifier);
    EXPECT_EQ(probe->ran, (std::vector<std::string>{"Human Vs Human", "Human Vs Computer"}));
}

}  // namespace
