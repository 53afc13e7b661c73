#include "framework/Menu.h"

#include <algorithm>
#include <cctype>

#include "framework/Application.h"
#include "framework/Window.h"

const ClassInfo& MenuItem::Lookup() {
    static const ClassInfo& record = ClassRegistry::Register(ClassInfo("MenuItem", &Object::Lookup()));
    return record;
}

const ClassInfo& MenuBar::Lookup() {
    static const ClassInfo& record = ClassRegistry::Register(ClassInfo("MenuBar", &MenuItem::Lookup()));
    return record;
}

const ClassInfo& QuitMenuItem::Lookup() {
    static const ClassInfo& record = ClassRegistry::Register(ClassInfo("QuitMenuItem", &MenuItem::Lookup()));
    return record;
}

const ClassInfo& AppleMenuItem::Lookup() {
    static const ClassInfo& record = ClassRegistry::Register(ClassInfo("AppleMenuItem", &MenuItem::Lookup()));
    return record;
}

void MenuItem::Append(std::shared_ptr<MenuItem> item) {
    NotNil(item);
    children_.push_back(std::move(item));
}

std::shared_ptr<MenuItem> MenuItem::Item(int32_t index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return children_[static_cast<size_t>(index)];
}

std::shared_ptr<MenuItem> MenuItem::Child(const std::string& name) const {
    for (const auto& child : children_)
        if (child->Name() == name) return child;
    return nullptr;
}

std::shared_ptr<MenuItem> MenuItem::Lookup(const std::string& name) const {
    for (const auto& child : children_) {
        if (child->Name() == name) return child;
        if (auto found = child->Lookup(name)) return found;
    }
    return nullptr;
}

namespace {
// The window that a command of this name goes to: the frontmost that bound a handler for it. A modal dialog
// in front keeps commands from the windows behind it.
std::shared_ptr<Window> HandlingWindow(const std::string& name) {
    for (const auto& window : RuntimeWindowsFrontToBack()) {
        if (window->HandlesMenuItem(name)) return window;
        if (window->Frame() == 1) break;
    }
    return nullptr;
}

// "cmd+n", "Cmd+N" and "Ctrl+N" name the same key.
std::string NormalShortcut(const std::string& text) {
    auto plus = text.rfind('+');
    if (plus == std::string::npos || plus + 1 >= text.size()) return {};
    std::string modifier = text.substr(0, plus), key = text.substr(plus + 1);
    for (auto& c : modifier) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (auto& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (modifier == "ctrl") modifier = "cmd";
    return modifier + "+" + key;
}

std::shared_ptr<MenuItem> ItemWithShortcut(const MenuItem& menu, const std::string& shortcut) {
    for (int32_t i = 0; i < menu.Count(); ++i) {
        auto item = menu.Item(i);
        if (!item->IsSeparator() && NormalShortcut(item->KeyboardShortcut()) == shortcut) return item;
        if (auto found = ItemWithShortcut(*item, shortcut)) return found;
    }
    return nullptr;
}

// The menu bar the user sees now: the frontmost window's, else the application's.
std::shared_ptr<MenuBar> CurrentMenuBar() {
    if (auto front = RuntimeFrontmostWindow())
        if (auto bar = front->MenuBar()) return bar;
    auto app = GetAppObject();
    return app ? app->MenuBar() : nullptr;
}

void AutoEnableEntries(MenuItem& menu) {
    for (int32_t i = 0; i < menu.Count(); ++i) {
        auto item = menu.Item(i);
        if (item->AutoEnable()) item->SetEnabled(true);
        AutoEnableEntries(*item);
    }
}
}  // namespace

void RuntimeUpdateMenus() {
    // Auto-enabled entries come on first. Then every window that commands can reach says what it serves,
    // from the back to the front, so that a window in front (the About box, say) cannot leave the game
    // window's entries as they were, and the frontmost still has the last word.
    if (auto bar = CurrentMenuBar()) AutoEnableEntries(*bar);
    auto windows = RuntimeWindowsFrontToBack();
    auto modal = std::find_if(windows.begin(), windows.end(), [](const auto& w) { return w->Frame() == 1; });
    if (modal != windows.end()) windows.erase(std::next(modal), windows.end());
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) (*it)->Event_EnableMenuItems();
}

namespace {
// Enabled, and something that can be chosen (not a separator, not a menu title).
bool Choosable(const MenuItem& item) { return !item.IsSeparator() && item.Count() == 0 && item.Enabled(); }
}  // namespace

bool RuntimeMenuItemActive(const MenuItem& item) {
    if (item.Count() > 0) return true;  // a menu title
    return Choosable(item) && (item.IsQuitItem() || HandlingWindow(item.Name()) != nullptr);
}

bool RuntimeChooseMenuItem(const MenuItem& item) {
    if (!Choosable(item)) return false;
    if (item.IsQuitItem()) {
        Quit(0);
        return true;
    }
    auto window = HandlingWindow(item.Name());
    return window && window->RunMenuHandler(item.Name());
}

bool RuntimeDispatchShortcut(const std::string& shortcut) {
    const std::string wanted = NormalShortcut(shortcut);
    auto bar = CurrentMenuBar();
    if (wanted.empty() || !bar) return false;
    auto item = ItemWithShortcut(*bar, wanted);
    if (!item) return false;
    RuntimeUpdateMenus();
    return RuntimeChooseMenuItem(*item);
}
