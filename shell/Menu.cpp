#include "shell/Menu.h"

#include <span>

namespace {

std::shared_ptr<Menu> implicitInstance;

template <class T> std::shared_ptr<MenuItem> Make() { return RuntimeNewObject<T>(); }

// One entry of the bar. A null parent puts a menu title on the bar itself; a null shortcut is a separator's,
// which gets no shortcut at all.
struct Entry {
    const char* parent;
    const char* name;
    std::shared_ptr<MenuItem> (*make)();
    const char* text;
    const char* shortcut;
    bool autoEnable;
};

// The digits of the two opponent entries run against their order, as players have always known them.
constexpr Entry kFileMenu[] = {
    {nullptr, "UntitledMenu0", Make<MenuItem>, "File", "", false},
    {"UntitledMenu0", "mnuReset", Make<MenuItem>, "New Game", "Cmd+N", false},
    {"UntitledMenu0", "mnuD2", Make<MenuItem>, "-", nullptr, false},
    {"UntitledMenu0", "FileQuit", Make<QuitMenuItem>, "Quit", "Cmd+Q", true},
};
constexpr Entry kOptionsMenu[] = {
    {nullptr, "mnuGame", Make<MenuItem>, "Options", "", false},
    {"mnuGame", "mnuSwitch", Make<MenuItem>, "Switch Turns", "Cmd+T", false},
    {"mnuGame", "mnuDash", Make<MenuItem>, "-", nullptr, false},
    {"mnuGame", "mnuHvH", Make<MenuItem>, "Human Vs Human", "Cmd+2", false},
    {"mnuGame", "mnuHvC", Make<MenuItem>, "Human Vs Computer", "Cmd+1", false},
    {"mnuGame", "mnuDash2", Make<MenuItem>, "-", nullptr, false},
    {"mnuGame", "mnuShapes", Make<MenuItem>, "Shapes", "Cmd+S", false},
    {"mnuGame", "mnuAbout", Make<AppleMenuItem>, "About Quillomar", "Cmd+A", false},
};

// Each entry's menu is found afresh on the bar by name, so the table alone decides where an entry goes.
void Build(MenuBar& bar, std::span<const Entry> entries) {
    for (const Entry& entry : entries) {
        auto item = entry.make();
        item->Constructor();
        item->SetName(entry.name);
        item->SetAutoEnable(entry.autoEnable);
        item->SetText(entry.text);
        if (entry.shortcut) item->SetKeyboardShortcut(entry.shortcut);
        if (entry.parent)
            NotNil(bar.Child(entry.parent)).Append(item);
        else
            bar.Append(item);
    }
}

}  // namespace

const ClassInfo& Menu::Lookup() {
    static const ClassInfo& record = ClassRegistry::Register(
        ClassInfo("Menu", &MenuBar::Lookup()).Members({"Constructor", "Untitled1", "Untitled2"}));
    return record;
}

std::shared_ptr<Menu> Menu::Shared() {
    if (!implicitInstance) {
        // Kept only once it is complete: a bar that failed halfway is dropped and built afresh next time.
        auto bar = RuntimeNewObject<Menu>();
        bar->Constructor();
        implicitInstance = bar;
    }
    return implicitInstance;
}

void Menu::ReleaseShared() { implicitInstance.reset(); }

void Menu::Constructor() {
    Untitled1();
    Untitled2();
}

void Menu::Untitled1() { Build(*this, kFileMenu); }

void Menu::Untitled2() { Build(*this, kOptionsMenu); }
