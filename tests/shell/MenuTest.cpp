// The shared menu bar as its user reads it, and the accessors through which the windows reach its entries.

#include "shell/Menu.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ShellTesting.h"
#include "framework/Menu.h"
#include "shell/MenuItems.h"
#include "shell/Window1.h"

namespace {

class MenuTest : public ShellTest {};

TEST_F(MenuTest, ReadsInOrderWithItsShortcutsAndOnlyQuitEnabledByTheFramework) {
    auto bar = Menu::Shared();
    EXPECT_EQ(Menu::Shared(), bar);
    std::vector<std::string> menus, autoEnabled;
    for (int32_t i = 0; i < bar->Count(); ++i) {
        const MenuItem& title = *bar->Item(i);
        std::string shown = title.Text() + ":";
        for (int32_t j = 0; j < title.Count(); ++j) {
            const MenuItem& item = *title.Item(j);
            shown += (j ? ", " : " ") + item.Text();
            if (!item.KeyboardShortcut().empty()) shown += " " + item.KeyboardShortcut();
            if (item.AutoEnable()) autoEnabled.push_back(item.Name());
        }
        if (title.AutoEnable()) autoEnabled.push_back(title.Name());
        menus.push_back(shown);
    }
    const std::vector<std::string> expected = {
        "File: New Game Cmd+N, -, Quit Cmd+Q",
        "Options: Switch Turns Cmd+T, -, Human Vs Human Cmd+2, Human Vs Computer Cmd+1, -, "
        "Shapes Cmd+S, About Quillomar Cmd+A"};
    EXPECT_EQ(menus, expected);
    EXPECT_EQ(autoEnabled, std::vector<std::string>{"FileQuit"});
}

TEST_F(MenuTest, TheAccessorsOfTheAppAndOfTheSplashReturnTheOneBarsOwnEntries) {
    auto bar = Menu::Shared();
    auto splash = Window1::Shared();
    EXPECT_EQ(NotNil(App::Shared()).MenuBar(), bar);
    EXPECT_EQ(splash->MenuBar(), bar);

    using Found = std::vector<std::shared_ptr<MenuItem>>;
    const std::vector<std::pair<std::string, Found>> accessors = {
        {"UntitledMenu0", {splash->UntitledMenu0()}},
        {"mnuReset", {mnuReset(), splash->mnuReset()}},
        {"mnuD2", {splash->mnuD2()}},
        {"FileQuit", {splash->FileQuit()}},
        {"mnuGame", {splash->mnuGame()}},
        {"mnuSwitch", {mnuSwitch(), splash->mnuSwitch()}},
        {"mnuDash", {splash->mnuDash()}},
        {"mnuHvH", {mnuHvH(), splash->mnuHvH()}},
        {"mnuHvC", {mnuHvC(), splash->mnuHvC()}},
        {"mnuDash2", {splash->mnuDash2()}},
        {"mnuShapes", {mnuShapes(), splash->mnuShapes()}},
        {"mnuAbout", {mnuAbout(), splash->mnuAbout()}},
    };
    for (const auto& [name, found] : accessors)
        for (const auto& entry : found) {
            EXPECT_NE(entry, nullptr) << name;
            EXPECT_EQ(entry, bar->Lookup(name)) << name;
        }
    EXPECT_EQ(splash->UntitledMenu1(), nullptr);

    // Without the application object, or without its bar, the accessors raise.
    auto app = App::Shared();
    RuntimeRegisterAppObject(nullptr);
    EXPECT_THROW(mnuReset(), NilObjectException);
    app->SetMenuBar(nullptr);
    RuntimeRegisterAppObject(app);
    EXPECT_THROW(mnuAbout(), NilObjectException);
    app->SetMenuBar(bar);
}

}  // namespace
