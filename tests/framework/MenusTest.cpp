// Menu commands: the state the frontmost window gives just before a shortcut or an opening menu, commands
// routed to the frontmost window that handles them, the quit entry, and the menu bar's Qt view.
#include "FrameworkTest.h"

#include <QMenu>
#include <QMenuBar>

// File: New Game (Cmd+N), Quit (Cmd+Q); Options: Human vs Human (Cmd+2), Nobody's (Cmd+U).
class Menus : public FrameworkTest {
protected:
    void SetUp() override {
        RuntimeRegisterAppObject(std::make_shared<Application>());
        GetAppObject()->SetMenuBar(bar);
        const std::vector<std::array<std::string, 4>> entries = {{"", "mnuFile", "File", ""},
                                                                 {"mnuFile", "mnuNew", "New Game", "Cmd+N"},
                                                                 {"mnuFile", "FileQuit", "Quit", "Cmd+Q"},
                                                                 {"", "mnuOptions", "Options", ""},
                                                                 {"mnuOptions", "mnuHvH", "Human vs Human", "Cmd+2"},
                                                                 {"mnuOptions", "mnuUnbound", "Nobody's", "Cmd+U"}};
        for (const auto& [parent, name, text, shortcut] : entries) {
            auto item = name == "FileQuit" ? std::make_shared<QuitMenuItem>() : std::make_shared<MenuItem>();
            item->SetName(name);
            item->SetText(text);
            item->SetKeyboardShortcut(shortcut);
            item->SetAutoEnable(name == "FileQuit");
            (parent.empty() ? *bar : NotNil(bar->Lookup(parent))).Append(item);
        }
    }
    std::shared_ptr<MenuBar> bar = std::make_shared<MenuBar>();
};

TEST_F(Menus, ShortcutsObeyTheStateGivenJustBeforeAndGoToTheFrontmostWindowThatHandlesThemButNotPastADialog) {
    auto back = LogWindow::Make({}, {"mnuNew", "mnuHvH"});
    auto front = LogWindow::Make({}, {"mnuNew"});
    bar->Lookup("mnuNew")->SetEnabled(false);
    back->menuState = {{"mnuNew", false}};
    front->menuState = {{"mnuNew", true}};  // the frontmost window has the last word
    for (Qt::Key key : {Qt::Key_N, Qt::Key_2, Qt::Key_U, Qt::Key_J})
        QTest::keyClick(TopLevelOf(*front), key, Qt::ControlModifier);
    for (Qt::KeyboardModifiers others :
         {Qt::ControlModifier | Qt::ShiftModifier, Qt::KeyboardModifiers(Qt::AltModifier)})
        QTest::keyClick(TopLevelOf(*front), Qt::Key_N, others);
    front->menuState = {{"mnuNew", false}, {"FileQuit", false}};
    EXPECT_FALSE(RuntimeDispatchShortcut("Cmd+N"));
    EXPECT_FALSE(RuntimeDispatchShortcut("Cmd+Q")) << "even an auto-enabled entry obeys the window";
    auto dialog = LogWindow::Make({{"Frame", 1}});
    EXPECT_FALSE(RuntimeDispatchShortcut("Cmd+2")) << "a command passed a dialog in front";
    EXPECT_TRUE(RuntimeDispatchShortcut("ctrl+q"));
    EXPECT_TRUE(RuntimeQuitRequested()) << "the quit entry quits";
    EXPECT_EQ(RuntimeExitStatus(), 0);
    EXPECT_EQ(front->log, Log{"Command"});
    EXPECT_EQ(back->log, Log{"Command"});

    auto gone = RuntimeNewObject<LogWindow>();  // a command handler that raises NilObjectException
    dialog->AddMenuHandler("mnuUnbound", RuntimeCreateDelegate(gone.get(), &LogWindow::Command, "(  ) as Boolean"));
    gone.reset();
    ExpectReported("a command chosen by key", "NilObjectException",
                   [&] { QTest::keyClick(TopLevelOf(*dialog), Qt::Key_U, Qt::ControlModifier); });
}

TEST_F(Menus, AreShownAboveTheContentOfADocumentWindowAndBroughtUpToDateAsTheyOpen) {
    auto window = LogWindow::Make({{"Left", 120}, {"Top", 90}}, {"mnuNew", "mnuHvH"});
    auto* view = TopLevelOf(*window)->findChild<QMenuBar*>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(ContentOf(*window)->mapToGlobal(QPoint(0, 0)), QPoint(120, 90)) << "Left and Top place the content";
    const QList<QAction*> file = view->actions().at(0)->menu()->actions();
    const QList<QAction*> options = view->actions().at(1)->menu()->actions();
    ASSERT_EQ(file.size(), 2);
    EXPECT_EQ(file.at(1)->text(), "Quit\tCtrl+Q");
    for (bool on : {true, false, true}) {
        window->menuState = {{"mnuNew", on}, {"mnuHvH", on}};
        for (QAction* title : view->actions())
            emit title->menu()->aboutToShow();
        EXPECT_EQ(file.at(0)->isEnabled(), on);
        EXPECT_EQ(options.at(0)->isChecked(), on);
        EXPECT_FALSE(options.at(1)->isEnabled()) << "no window handles it";
    }
    file.at(0)->trigger();
    EXPECT_EQ(window->log, Log{"Command"});
    for (int32_t frame : {5, 1})
        EXPECT_EQ(TopLevelOf(*LogWindow::Make({{"Frame", frame}}))->findChild<QMenuBar*>(), nullptr);
}
