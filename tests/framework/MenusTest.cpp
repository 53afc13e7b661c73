// The menu model, shortcuts and commands routed to windows, the quit entry, and the menu bar's Qt view.
#include "FrameworkTest.h"

#include <QMenu>
#include <QMenuBar>
#include <map>

namespace {

Log menuLog;  // of every window, in order

// Binds mnuNew, the back window mnuHvH too; its EnableMenuItems logs and sets the entries as the test says.
template <bool Back> class CommandWindow : public TestWindow<CommandWindow<Back>> {
public:
    static constexpr const char* kClassName = Back ? "Tests.BackWindow" : "Tests.FrontWindow";
    void AddMenuHandlers(Window& window) override {
        window.AddMenuHandler("mnuNew", RuntimeCreateDelegate(this, &CommandWindow::mnuNew_Action, "(  ) as Boolean"));
        if (Back)
            window.AddMenuHandler("mnuHvH",
                                  RuntimeCreateDelegate(this, &CommandWindow::mnuHvH_Action, "(  ) as Boolean"));
    }
    void Event_EnableMenuItems() override {
        Ran("EnableMenuItems");
        for (const auto& [name, state] : enable)
            NotNil(this->MenuBar()->Lookup(name)).SetEnabled(state);
        for (const auto& [name, state] : check)
            NotNil(this->MenuBar()->Lookup(name)).SetChecked(state);
    }
    bool mnuNew_Action() { return Ran("mnuNew"); }
    bool mnuHvH_Action() { return Ran("mnuHvH"); }
    bool Ran(const std::string& what) {
        menuLog.push_back((Back ? "Back." : "Front.") + what);
        return true;
    }

    std::map<std::string, bool> enable, check;
};
using FrontWindow = CommandWindow<false>;
using BackWindow = CommandWindow<true>;

// File: New Game (Cmd+N), a separator, Quit (Cmd+Q); Options: Human vs Human (Cmd+H), Nobody's (Cmd+U).
class Menus : public FrameworkTest {
protected:
    void SetUp() override {
        menuLog.clear();
        bar = std::make_shared<MenuBar>();
        auto file = Entry(*bar, "mnuFile", "File");
        Entry(*file, "mnuNew", "New Game", "Cmd+N");
        Entry(*file, "mnuDash", "-");
        Entry<QuitMenuItem>(*file, "FileQuit", "Quit", "Cmd+Q")->SetAutoEnable(true);
        auto options = Entry(*bar, "mnuOptions", "Options");
        Entry(*options, "mnuHvH", "Human vs Human", "Cmd+H");
        Entry(*options, "mnuUnbound", "Nobody's", "Cmd+U");
        RuntimeRegisterAppObject(std::make_shared<Application>());
        GetAppObject()->SetMenuBar(bar);
    }
    std::shared_ptr<MenuBar> bar;
};

}  // namespace

TEST_F(Menus, FindEntriesByNameDirectlyOrThroughAllMenus) {
    auto file = bar->Child("mnuFile");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->Child("mnuNew")->Text(), "New Game");
    EXPECT_EQ(bar->Child("mnuNew"), nullptr) << "Child looks only one level down";
    EXPECT_EQ(bar->Lookup("mnuNew"), file->Child("mnuNew"));
    EXPECT_EQ(bar->Lookup("mnuUnbound"), bar->Child("mnuOptions")->Child("mnuUnbound"));
    EXPECT_EQ(bar->Lookup("mnuNothing"), nullptr);
    EXPECT_EQ(file->Item(-1), nullptr);
    EXPECT_EQ(file->Item(3), nullptr);
    EXPECT_THROW(file->Append(nullptr), NilObjectException);
    EXPECT_FALSE(RuntimeChooseMenuItem(NotNil(bar->Lookup("mnuDash")))) << "a separator chose something";
}

TEST_F(Menus, AskTheFrontmostWindowForTheMenuStateBeforeAShortcutAndObeyIt) {
    auto window = ImplicitWindow<FrontWindow>();
    window->Show();
    bar->Lookup("mnuNew")->SetEnabled(false);
    window->enable = {{"mnuNew", true}};
    EXPECT_TRUE(RuntimeDispatchShortcut("Cmd+N"));
    window->enable = {{"mnuNew", false}};
    EXPECT_FALSE(RuntimeDispatchShortcut("Cmd+N"));
    window->enable = {{"FileQuit", false}};
    EXPECT_FALSE(RuntimeDispatchShortcut("Cmd+Q")) << "even an auto-enabled entry obeys the window";
    EXPECT_FALSE(RuntimeQuitRequested());
    window->enable = {};
    EXPECT_TRUE(RuntimeDispatchShortcut("Cmd+Q"));
    EXPECT_TRUE(RuntimeQuitRequested()) << "the quit entry quits";
    EXPECT_EQ(RuntimeExitStatus(), 0);
    EXPECT_EQ(menuLog, (Log{"Front.EnableMenuItems", "Front.mnuNew", "Front.EnableMenuItems", "Front.EnableMenuItems",
                            "Front.EnableMenuItems"}));
}

TEST_F(Menus, SendACommandToTheFrontmostWindowThatHandlesIt) {
    auto back = ImplicitWindow<BackWindow>();
    back->Show();
    auto front = ImplicitWindow<FrontWindow>();
    front->Show();
    auto button = MakeControl<PushButton>(*front, "Button", Bounds(10, 10, 80, 24));
    button->Widget()->setFocus();
    QTest::keyClick(button->Widget(), Qt::Key_N, Qt::ControlModifier);  // taken once, wherever the focus is
    for (const char* shortcut : {"Cmd+H", "ctrl+n"})                    // the front window binds no Cmd+H
        EXPECT_TRUE(RuntimeDispatchShortcut(shortcut)) << shortcut;
    for (const char* shortcut : {"Cmd+U", "Cmd+J", "Alt+N", "N"})  // unbound, no entry's, not the command key
        EXPECT_FALSE(RuntimeDispatchShortcut(shortcut)) << shortcut;
    back->Show();
    EXPECT_TRUE(RuntimeDispatchShortcut("Cmd+N"));
    // Every window that commands can reach updates the menus, the frontmost last.
    EXPECT_EQ(menuLog, (Log{"Back.EnableMenuItems", "Front.EnableMenuItems", "Front.mnuNew", "Back.EnableMenuItems",
                            "Front.EnableMenuItems", "Back.mnuHvH", "Back.EnableMenuItems", "Front.EnableMenuItems",
                            "Front.mnuNew", "Back.EnableMenuItems", "Front.EnableMenuItems", "Front.EnableMenuItems",
                            "Back.EnableMenuItems", "Back.mnuNew"}));
    EXPECT_FALSE(RuntimeQuitRequested());
}

TEST_F(Menus, AreShownInADocumentWindowAndBroughtUpToDateAsTheyOpen) {
    auto window = ImplicitWindow<BackWindow>();
    window->Show();
    auto* view = TopLevelOf(*window)->findChild<QMenuBar*>();
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->actions().size(), 2);
    EXPECT_EQ(view->actions().at(1)->text(), "Options");
    const QList<QAction*> file = view->actions().at(0)->menu()->actions();
    const QList<QAction*> options = view->actions().at(1)->menu()->actions();
    ASSERT_EQ(file.size(), 3);
    EXPECT_TRUE(file.at(1)->isSeparator());
    EXPECT_EQ(file.at(2)->text(), "Quit\tCtrl+Q");
    auto open = [&] {
        for (QAction* title : view->actions())
            emit title->menu()->aboutToShow();
    };

    window->enable = {{"mnuNew", false}};
    window->check = {{"mnuHvH", true}};
    open();
    EXPECT_FALSE(file.at(0)->isEnabled());
    EXPECT_TRUE(file.at(2)->isEnabled());
    EXPECT_TRUE(options.at(0)->isChecked());
    EXPECT_FALSE(options.at(1)->isEnabled()) << "no window handles it";
    window->enable = {{"mnuNew", true}};
    window->check = {{"mnuHvH", false}};
    open();
    EXPECT_TRUE(file.at(0)->isEnabled());
    EXPECT_FALSE(options.at(0)->isChecked());
    file.at(0)->trigger();
    EXPECT_EQ(menuLog.back(), "Back.mnuNew");

    for (const PropertyRecord& record : {PropertyRecord{{"Frame", 5}}, PropertyRecord{{"MenuBarVisible", false}}}) {
        auto plain = RuntimeNewObject<FrontWindow>();
        plain->Constructor();
        SetProperties(*plain, record);
        plain->Show();
        EXPECT_EQ(TopLevelOf(*plain)->findChild<QMenuBar*>(), nullptr);
    }
}
