// The menu model, shortcuts and commands routed to windows, the quit entry, and the menu bar's Qt view.
#include "FrameworkTest.h"
#include "framework/Delegate.h"
#include "framework/Menu.h"

#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

namespace {

template <class T = MenuItem>
std::shared_ptr<T> Entry(MenuItem& parent, const std::string& name, const std::string& text,
                         const std::string& shortcut = "") {
    auto item = std::make_shared<T>();
    item->SetName(name);
    item->SetText(text);
    item->SetKeyboardShortcut(shortcut);
    parent.Append(item);
    return item;
}

// File: New Game (Cmd+N), a separator, Quit (Cmd+Q); Options: Human vs Human (Cmd+H), Nobody's (Cmd+U).
std::shared_ptr<MenuBar> GameMenuBar() {
    auto bar = std::make_shared<MenuBar>();
    auto file = Entry(*bar, "mnuFile", "File");
    Entry(*file, "mnuNew", "New Game", "Cmd+N");
    Entry(*file, "mnuDash", "-");
    Entry<QuitMenuItem>(*file, "FileQuit", "Quit", "Cmd+Q")->SetAutoEnable(true);
    auto options = Entry(*bar, "mnuOptions", "Options");
    Entry(*options, "mnuHvH", "Human vs Human", "Cmd+H");
    Entry(*options, "mnuUnbound", "Nobody's", "Cmd+U");
    return bar;
}

using Log = std::vector<std::string>;
Log& TheLog() {
    static Log log;
    return log;
}

// Binds mnuNew and mnuHvH; its EnableMenuItems sets entries as the test says.
template <class Self> class CommandWindow : public TestWindow<Self> {
  public:
    void Layout() override { SetProperties(*this, {{"Width", 300}, {"Height", 100}}); }
    void AddMenuHandlers(Window& window) override {
        window.AddMenuHandler("mnuNew",
                              RuntimeCreateDelegate(this, &CommandWindow::mnuNew_Action, "(  ) as Boolean"));
    }
    void Event_EnableMenuItems() override {
        TheLog().push_back(std::string(Self::kShortName) + ".EnableMenuItems");
        for (const auto& [name, state] : enable)
            NotNil(this->MenuBar()->Lookup(name)).SetEnabled(state);
        for (const auto& [name, state] : check)
            NotNil(this->MenuBar()->Lookup(name)).SetChecked(state);
    }
    bool mnuNew_Action() {
        TheLog().push_back(std::string(Self::kShortName) + ".mnuNew");
        return true;
    }

    std::map<std::string, bool> enable, check;
};

class FrontWindow : public CommandWindow<FrontWindow> {
  public:
    static constexpr const char* kClassName = "Tests.FrontWindow";
    static constexpr const char* kShortName = "Front";
};

class BackWindow : public CommandWindow<BackWindow> {
  public:
    static constexpr const char* kClassName = "Tests.BackWindow";
    static constexpr const char* kShortName = "Back";
    void AddMenuHandlers(Window& window) override {
        CommandWindow::AddMenuHandlers(window);
        window.AddMenuHandler("mnuHvH",
                              RuntimeCreateDelegate(this, &BackWindow::mnuHvH_Action, "(  ) as Boolean"));
    }
    bool mnuHvH_Action() {
        TheLog().push_back("Back.mnuHvH");
        return true;
    }
};

class Menus : public FrameworkTest {
  protected:
    void SetUp() override {
        TheLog().clear();
        bar = GameMenuBar();
        auto app = std::make_shared<Application>();
        app->SetMenuBar(bar);
        RuntimeRegisterAppObject(app);
    }
    std::shared_ptr<MenuBar> bar;
};

QStringList TextsOf(const QList<QAction*>& actions) {
    QStringList texts;
    for (QAction* action : actions)
        texts << (action->isSeparator() ? "-" : action->text().section('\t', 0, 0));
    return texts;
}

QAction* ActionOf(QMenuBar& view, const QString& text) {
    for (QMenu* menu : view.findChildren<QMenu*>())
        for (QAction* action : menu->actions())
            if (action->text().section('\t', 0, 0) == text) return action;
    return nullptr;
}

QMenu* MenuOf(QMenuBar& view, const QString& title) {
    for (QMenu* menu : view.findChildren<QMenu*>())
        if (menu->title() == title) return menu;
    return nullptr;
}

} // namespace

TEST_F(Menus, FindEntriesByNameDirectlyOrThroughAllMenus) {
    auto file = bar->Child("mnuFile");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->Count(), 3);
    EXPECT_EQ(file->Child("mnuNew")->Text(), "New Game");
    EXPECT_EQ(bar->Child("mnuNew"), nullptr) << "Child looks only one level down";
    EXPECT_EQ(bar->Lookup("mnuNew"), file->Child("mnuNew"));
    EXPECT_EQ(bar->Lookup("mnuUnbound")->Text(), "Nobody's");
    EXPECT_EQ(bar->Lookup("mnuNothing"), nullptr);
    EXPECT_EQ(file->Item(-1), nullptr);
    EXPECT_EQ(file->Item(3), nullptr);
    EXPECT_THROW(file->Append(nullptr), NilObjectException);
}

TEST_F(Menus, TreatADashAsASeparatorThatNothingChooses) {
    auto dash = bar->Lookup("mnuDash");
    EXPECT_TRUE(dash->IsSeparator());
    EXPECT_FALSE(bar->Lookup("mnuNew")->IsSeparator());
    EXPECT_FALSE(RuntimeMenuItemActive(*dash));
    EXPECT_FALSE(RuntimeChooseMenuItem(*dash));
}

TEST_F(Menus, AskTheFrontmostWindowForTheMenuStateBeforeAShortcut) {
    auto window = ImplicitWindow<FrontWindow>();
    window->Show();
    bar->Lookup("mnuNew")->SetEnabled(false);
    window->enable = {{"mnuNew", true}};
    EXPECT_TRUE(RuntimeDispatchShortcut("Cmd+N"));
    EXPECT_EQ(TheLog(), (Log{"Front.EnableMenuItems", "Front.mnuNew"}));
}

TEST_F(Menus, IgnoreTheShortcutOfADisabledEntry) {
    auto window = ImplicitWindow<FrontWindow>();
    window->Show();
    window->enable = {{"mnuNew", false}};
    EXPECT_FALSE(RuntimeDispatchShortcut("Cmd+N"));
    EXPECT_EQ(TheLog(), Log{"Front.EnableMenuItems"});
}

TEST_F(Menus, LetTheWindowDisableEvenAnAutoEnabledEntry) {
    // What EnableMenuItems says is what the shortcut obeys, the quit entry included.
    auto window = ImplicitWindow<FrontWindow>();
    window->Show();
    window->enable = {{"FileQuit", false}};
    EXPECT_FALSE(RuntimeDispatchShortcut("Cmd+Q"));
    EXPECT_FALSE(RuntimeQuitRequested());
}

TEST_F(Menus, SendACommandToTheFrontmostWindowThatHandlesIt) {
    auto back = ImplicitWindow<BackWindow>();
    back->Show();
    auto front = ImplicitWindow<FrontWindow>();
    front->Show();
    ASSERT_EQ(RuntimeFrontmostWindow(), front);

    EXPECT_TRUE(RuntimeDispatchShortcut("Cmd+N"));
    EXPECT_TRUE(RuntimeDispatchShortcut("Cmd+H")); // the front window binds no handler for it
    back->Show();
    EXPECT_TRUE(RuntimeDispatchShortcut("Cmd+N"));
    EXPECT_EQ(TheLog(), (Log{"Front.EnableMenuItems", "Front.mnuNew", "Front.EnableMenuItems", "Back.mnuHvH",
                             "Back.EnableMenuItems", "Back.mnuNew"}));
}

TEST_F(Menus, SendAnUnboundCommandNowhere) {
    ImplicitWindow<BackWindow>()->Show();
    EXPECT_FALSE(RuntimeDispatchShortcut("Cmd+U"));
    EXPECT_FALSE(RuntimeDispatchShortcut("Cmd+J")); // no entry has it
    EXPECT_EQ(TheLog(), Log{"Back.EnableMenuItems"});
    EXPECT_FALSE(RuntimeQuitRequested());
}

TEST_F(Menus, TakeCmdAndCtrlAsTheSameKey) {
    ImplicitWindow<FrontWindow>()->Show();
    EXPECT_TRUE(RuntimeDispatchShortcut("Ctrl+N"));
    EXPECT_TRUE(RuntimeDispatchShortcut("cmd+n"));
    EXPECT_FALSE(RuntimeDispatchShortcut("Alt+N"));
    EXPECT_FALSE(RuntimeDispatchShortcut("N"));
    EXPECT_EQ(std::count(TheLog().begin(), TheLog().end(), "Front.mnuNew"), 2);
}

TEST_F(Menus, TakeTheKeyPressAsTheShortcut) {
    auto window = ImplicitWindow<FrontWindow>();
    window->Show();
    QTest::keyClick(TopLevelOf(*window), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(TheLog(), (Log{"Front.EnableMenuItems", "Front.mnuNew"}));
}

TEST_F(Menus, TakeTheKeyPressOnceWhereverTheFocusIs) {
    auto window = ImplicitWindow<FrontWindow>();
    window->Show();
    auto button = MakeControl<PushButton>(*window, "Button", Bounds(10, 10, 80, 24));
    button->Widget()->setFocus();
    QTest::keyClick(button->Widget(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(std::count(TheLog().begin(), TheLog().end(), "Front.mnuNew"), 1);
}

TEST_F(Menus, QuitThroughTheQuitEntry) {
    ImplicitWindow<FrontWindow>()->Show();
    EXPECT_TRUE(RuntimeDispatchShortcut("Cmd+Q"));
    EXPECT_TRUE(RuntimeQuitRequested());
    EXPECT_EQ(RuntimeExitStatus(), 0);
    RuntimeCancelQuit();
    EXPECT_FALSE(RuntimeQuitRequested());
}

TEST_F(Menus, AreShownInADocumentWindowWithTheirTexts) {
    auto window = ImplicitWindow<FrontWindow>();
    window->Show();
    auto* view = TopLevelOf(*window)->findChild<QMenuBar*>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(TextsOf(view->actions()), (QStringList{"File", "Options"}));
    QMenu* file = MenuOf(*view, "File");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(TextsOf(file->actions()), (QStringList{"New Game", "-", "Quit"}));
    EXPECT_TRUE(file->actions().at(0)->text().endsWith("Ctrl+N"))
        << file->actions().at(0)->text().toStdString();
}

TEST_F(Menus, AreNotShownInAPlainBoxOrWhereTheRecordHidesThem) {
    for (const PropertyRecord& record :
         {PropertyRecord{{"Frame", 5}}, PropertyRecord{{"Frame", 0}, {"MenuBarVisible", false}}}) {
        auto window = RuntimeNewObject<FrontWindow>();
        window->Constructor();
        SetProperties(*window, record);
        window->Show();
        EXPECT_EQ(TopLevelOf(*window)->findChild<QMenuBar*>(), nullptr);
        RuntimeReleaseModuleObjects();
    }
}

TEST_F(Menus, AreBroughtUpToDateAsTheyOpen) {
    auto window = ImplicitWindow<BackWindow>();
    window->Show();
    auto* view = TopLevelOf(*window)->findChild<QMenuBar*>();
    ASSERT_NE(view, nullptr);
    window->enable = {{"mnuNew", false}};
    window->check = {{"mnuHvH", true}};

    emit MenuOf(*view, "File")->aboutToShow();
    emit MenuOf(*view, "Options")->aboutToShow();
    EXPECT_EQ(TheLog(), (Log{"Back.EnableMenuItems", "Back.EnableMenuItems"}));
    EXPECT_FALSE(ActionOf(*view, "New Game")->isEnabled());
    EXPECT_TRUE(ActionOf(*view, "Quit")->isEnabled());
    EXPECT_TRUE(ActionOf(*view, "Human vs Human")->isChecked());
    EXPECT_FALSE(ActionOf(*view, "Nobody's")->isEnabled()) << "no window handles it";

    window->enable = {{"mnuNew", true}};
    window->check = {{"mnuHvH", false}};
    emit MenuOf(*view, "File")->aboutToShow();
    emit MenuOf(*view, "Options")->aboutToShow();
    EXPECT_TRUE(ActionOf(*view, "New Game")->isEnabled());
    EXPECT_FALSE(ActionOf(*view, "Human vs Human")->isChecked());

    ActionOf(*view, "New Game")->trigger();
    EXPECT_EQ(TheLog().back(), "Back.mnuNew");
}
