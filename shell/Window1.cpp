#include "shell/Window1.h"

#include "framework/Application.h"
#include "framework/Menu.h"
#include "game/Dialog1.h"
#include "shell/Menu.h"
#include "shell/MenuItems.h"
#include "shell/Pictures.h"

namespace {

// No Left or Top: Event_Open centres the window. Visible True is what shows it once built.
const PropertyRecord kWindow1 = WindowRecord(
    {.width = 256, .height = 256, .frame = 5, .title = "Quillomar", .visible = true, .closeButton = false});

}  // namespace

const ClassInfo& Window1::Lookup() {
    static const ClassInfo& record = ClassRegistry::Register(
        ClassInfo("Window1.Window1", &Window::Lookup())
            .Members({"Layout", "CreateControls", "mnuGame", "mnuAbout", "mnuShapes", "mnuDash2", "mnuHvC",
                      "mnuHvH", "mnuDash", "mnuSwitch", "UntitledMenu0", "FileQuit", "mnuD2", "mnuReset",
                      "UntitledMenu1", "Event_MouseDown", "Event_MouseUp", "Event_Open"}));
    return record;
}

std::shared_ptr<Window1> Window1::Shared() { return ImplicitWindow<Window1>(); }

void Window1::Layout() {
    // A missing picture leaves a plain window that works all the same.
    SetBackdrop(Splash());
    SetMenuBar(Menu::Shared());
    SetProperties(*this, kWindow1);
}

std::shared_ptr<MenuItem> Window1::mnuGame() const { return EntryOf<MenuItem>(MenuBar(), "mnuGame"); }
std::shared_ptr<AppleMenuItem> Window1::mnuAbout() const {
    return EntryOf<AppleMenuItem>(MenuBar(), "mnuAbout");
}
std::shared_ptr<MenuItem> Window1::mnuShapes() const { return EntryOf<MenuItem>(MenuBar(), "mnuShapes"); }
std::shared_ptr<MenuItem> Window1::mnuDash2() const { return EntryOf<MenuItem>(MenuBar(), "mnuDash2"); }
std::shared_ptr<MenuItem> Window1::mnuHvC() const { return EntryOf<MenuItem>(MenuBar(), "mnuHvC"); }
std::shared_ptr<MenuItem> Window1::mnuHvH() const { return EntryOf<MenuItem>(MenuBar(), "mnuHvH"); }
std::shared_ptr<MenuItem> Window1::mnuDash() const { return EntryOf<MenuItem>(MenuBar(), "mnuDash"); }
std::shared_ptr<MenuItem> Window1::mnuSwitch() const { return EntryOf<MenuItem>(MenuBar(), "mnuSwitch"); }
std::shared_ptr<MenuItem> Window1::UntitledMenu0() const {
    return EntryOf<MenuItem>(MenuBar(), "UntitledMenu0");
}
std::shared_ptr<QuitMenuItem> Window1::FileQuit() const {
    return EntryOf<QuitMenuItem>(MenuBar(), "FileQuit");
}
std::shared_ptr<MenuItem> Window1::mnuD2() const { return EntryOf<MenuItem>(MenuBar(), "mnuD2"); }
std::shared_ptr<MenuItem> Window1::mnuReset() const { return EntryOf<MenuItem>(MenuBar(), "mnuReset"); }
std::shared_ptr<MenuItem> Window1::UntitledMenu1() const {
    return EntryOf<MenuItem>(MenuBar(), "UntitledMenu1");
}

bool Window1::Event_MouseDown(int32_t, int32_t) { return true; }

void Window1::Event_MouseUp(int32_t, int32_t) {
    // The first click builds the game window (hidden) here; the splash is not seen again.
    NotNil(Dialog1::Shared()).Show();
    Hide();
}

void Window1::Event_Open() {
    // Not clamped: on a screen smaller than the window the position goes negative.
    SetLeft(ToInt32(double(NotNil(Screen::At(0)).Width() - Width()) / 2.0));
    SetTop(ToInt32(double(NotNil(Screen::At(0)).Height() - Height()) / 2.0));
}
