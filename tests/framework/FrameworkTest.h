#pragma once
// What the framework's widget tests share: a fixture that leaves the framework as it found it, window classes
// of the tests' own, controls made as windows make theirs, a window that logs its handlers, and clicks.

#include "framework/Application.h"
#include "framework/Controls.h"
#include "framework/Delegate.h"
#include "framework/FolderItem.h"
#include "framework/Menu.h"
#include "framework/Picture.h"
#include "framework/Window.h"
#include "framework/qt/Bridge.h"

#include <QCoreApplication>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using Log = std::vector<std::string>;

class FrameworkTest : public testing::Test {
protected:
    void TearDown() override {
        RuntimeReleaseModuleObjects();
        RuntimeCancelQuit();
        RuntimeRegisterAppObject(nullptr);
        RuntimeSetApplicationFile({});
        QCoreApplication::processEvents();
    }
};

// A window class of the tests, registered under Self::kClassName.
template <class Self> class TestWindow : public Window {
public:
    static const ClassInfo& Lookup() {
        static const ClassInfo& record = ClassRegistry::Register(ClassInfo(Self::kClassName, &Window::Lookup()));
        return record;
    }
    const ClassInfo& ClassRecord() const override { return Lookup(); }
};

inline PropertyRecord Bounds(int32_t left, int32_t top, int32_t width, int32_t height, PropertyRecord more = {}) {
    more.insert(more.begin(), {{"Left", left}, {"Top", top}, {"Width", width}, {"Height", height}});
    return more;
}

template <class T>
std::shared_ptr<T> MakeControl(Window& window, const std::string& name, const PropertyRecord& record) {
    auto control = window.New<T>();
    control->Constructor();
    window.AddControl(name, control);
    SetProperties(*control, record);
    return control;
}

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

// Its handlers log the control that fired and what they were given ("Pit[2].MouseDown(5,5)"); presses that
// reach the window itself log as "Window". MouseDown asks for the MouseUp as canvasWantsUp or windowWantsUp say;
// Paint only counts and draws.
class LogWindow : public TestWindow<LogWindow> {
public:
    static constexpr const char* kClassName = "Tests.LogWindow";

    // A control whose events of these names are bound to the handlers below.
    template <class T>
    std::shared_ptr<T> Add(const std::string& name, const PropertyRecord& record, const Log& events = {}) {
        auto control = MakeControl<T>(*this, name, record);
        for (const auto& event : events)
            InstallInstanceEventHandler(*control, event, Handler(event));
        return control;
    }
    std::shared_ptr<Delegate> Handler(const std::string& event) {
        if (event == "MouseDown")
            return RuntimeCreateDelegate(this, &LogWindow::MouseDown, "( Int32, Int32 ) as Boolean");
        if (event == "MouseUp") return RuntimeCreateDelegate(this, &LogWindow::MouseUp, "( Int32, Int32 )");
        if (event == "Paint") return RuntimeCreateDelegate(this, &LogWindow::Paint, "( Graphics )");
        return RuntimeCreateDelegate(this, &LogWindow::Action, "(  )");
    }

    bool MouseDown(int32_t x, int32_t y) {
        Note(At(".MouseDown", x, y));
        if (nested) {
            nested();
            Note(".MouseDown again");  // the firing control survives a nested event
        }
        return canvasWantsUp;
    }
    void MouseUp(int32_t x, int32_t y) { Note(At(".MouseUp", x, y)); }
    void Action() { Note(".Action"); }
    void Paint(Graphics& g) {
        ++paints;
        g.DrawPicture(drawing, 0, 0);
    }
    bool Event_MouseDown(int32_t x, int32_t y) override {
        log.push_back("Window" + At(".MouseDown", x, y));
        return windowWantsUp;
    }
    void Event_MouseUp(int32_t x, int32_t y) override { log.push_back("Window" + At(".MouseUp", x, y)); }

    Log log;
    bool canvasWantsUp = true, windowWantsUp = true;
    std::function<void()> nested;      // run inside MouseDown
    std::shared_ptr<Picture> drawing;  // what Paint draws
    int paints = 0;

private:
    static std::string At(const std::string& what, int32_t x, int32_t y) {
        return what + "(" + std::to_string(x) + "," + std::to_string(y) + ")";
    }
    void Note(const std::string& what) {
        auto self = RuntimeSwapSelfAndMe();
        const int32_t index = self->Index();
        log.push_back(self->Name() + (index == Control::kNoIndex ? "" : "[" + std::to_string(index) + "]") + what);
    }
};

// Never at 0,0: QTest reads a null point as the centre.
inline void Click(const Window& window, int x, int y) {
    QTest::mouseClick(ContentOf(window), Qt::LeftButton, {}, QPoint(x, y));
}
