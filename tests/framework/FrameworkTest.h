#pragma once
// What the framework's widget tests share: a window class of the tests' own that logs what reaches it, and a
// fixture that leaves the framework as it found it.

#include "framework/Application.h"
#include "framework/Controls.h"
#include "framework/Delegate.h"
#include "framework/FolderItem.h"
#include "framework/Menu.h"
#include "framework/Picture.h"
#include "framework/Window.h"
#include "framework/qt/Bridge.h"

#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <map>

using Log = std::vector<std::string>;

inline PropertyRecord Bounds(int32_t left, int32_t top, int32_t width, int32_t height, PropertyRecord more = {}) {
    more.insert(more.begin(), {{"Left", left}, {"Top", top}, {"Width", width}, {"Height", height}});
    return more;
}

// Logs the control that fired and what it was given ("Over.MouseDown(10,10)"), presses that reach the window
// itself ("Window.MouseDown(...)"), the commands it handles ("Command") and its closing. Its layout is
// `next` as it is built; its EnableMenuItems enables and checks the entries in `menuState` as they say.
class LogWindow : public Window {
public:
    static const ClassInfo& Lookup() {
        static const ClassInfo& record = ClassRegistry::Register(ClassInfo("Tests.LogWindow", &Window::Lookup()));
        return record;
    }
    const ClassInfo& ClassRecord() const override { return Lookup(); }

    static inline PropertyRecord next;
    // A window of this record, shown, with handlers for the commands `handled` names.
    static std::shared_ptr<LogWindow> Make(const PropertyRecord& record = {}, const Log& handled = {}) {
        auto window = RuntimeNewObject<LogWindow>();
        next = record;
        window->handled = handled;
        window->Constructor();
        window->Show();
        return window;
    }
    void Layout() override { SetProperties(*this, next); }
    void AddMenuHandlers(Window& window) override {
        for (const auto& item : handled)
            window.AddMenuHandler(item, RuntimeCreateDelegate(this, &LogWindow::Command, "(  ) as Boolean"));
    }
    void Event_EnableMenuItems() override {
        for (const auto& [item, state] : menuState)
            NotNil(MenuBar()->Lookup(item)).SetEnabled(state), NotNil(MenuBar()->Lookup(item)).SetChecked(state);
    }
    void Event_Close() override { log.push_back("Close"); }

    // A control made as windows make theirs, its events of these names bound to the handlers below.
    template <class T>
    std::shared_ptr<T> Add(const std::string& control, const PropertyRecord& record, const Log& events = {}) {
        auto made = New<T>();
        made->Constructor();
        AddControl(control, made);
        SetProperties(*made, record);
        for (const auto& event : events)
            InstallInstanceEventHandler(*made, event, Handler(event));
        return made;
    }
    std::shared_ptr<Delegate> Handler(const std::string& event) {
        if (event == "MouseDown")
            return RuntimeCreateDelegate(this, &LogWindow::MouseDown, "( Int32, Int32 ) as Boolean");
        if (event == "MouseUp") return RuntimeCreateDelegate(this, &LogWindow::MouseUp, "( Int32, Int32 )");
        if (event == "Paint") return RuntimeCreateDelegate(this, &LogWindow::Paint, "( Graphics )");
        return RuntimeCreateDelegate(this, &LogWindow::Action, "(  )");
    }
    bool MouseDown(int32_t x, int32_t y) {
        log.push_back(RuntimeSwapSelfAndMe()->Name() + At(".MouseDown", x, y));
        if (nested) nested();  // the control that fired must be known again after it
        return canvasWantsUp;
    }
    void MouseUp(int32_t x, int32_t y) { log.push_back(RuntimeSwapSelfAndMe()->Name() + At(".MouseUp", x, y)); }
    void Action() { log.push_back(RuntimeSwapSelfAndMe()->Name() + ".Action"); }
    void Paint(Graphics&) { ++paints; }
    bool Command() {
        log.push_back("Command");
        return true;
    }
    bool Event_MouseDown(int32_t x, int32_t y) override {
        log.push_back(At("Window.MouseDown", x, y));
        return windowWantsUp;
    }
    void Event_MouseUp(int32_t x, int32_t y) override { log.push_back(At("Window.MouseUp", x, y)); }

    Log handled, log;
    std::map<std::string, bool> menuState;
    bool canvasWantsUp = true, windowWantsUp = true;
    std::function<void()> nested;  // run inside MouseDown
    int paints = 0;

private:
    static std::string At(const std::string& what, int32_t x, int32_t y) {
        return what + "(" + std::to_string(x) + "," + std::to_string(y) + ")";
    }
};

class FrameworkTest : public testing::Test {
protected:
    void TearDown() override {
        RuntimeReleaseModuleObjects();
        RuntimeCancelQuit();
        RuntimeRegisterAppObject(nullptr);
        RuntimeSetApplicationFile({});
        LogWindow::next = {};
        QCoreApplication::processEvents();
    }
};

// What escapes a handler is reported on standard error in one sentence naming it, and ends the run with status 1.
inline void ExpectReported(const std::string& what, const std::string& name, const std::function<void()>& raise) {
    RuntimeCancelQuit();
    testing::internal::CaptureStderr();
    raise();
    const std::string report = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 1) << what << ": " << report;
    EXPECT_TRUE(report.ends_with(".\n") && report.find(name) != std::string::npos) << what << ": " << report;
    EXPECT_TRUE(RuntimeQuitRequested() && RuntimeExitStatus() == 1) << what << ": " << RuntimeExitStatus();
}
