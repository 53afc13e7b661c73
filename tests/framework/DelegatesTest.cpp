// Delegates, the binding of handlers to control events by name, and the firing control inside a handler.
#include "FrameworkTest.h"
#include "framework/Delegate.h"
#include "framework/Picture.h"

#include <gtest/gtest.h>

namespace {

class HandlerWindow : public TestWindow<HandlerWindow> {
  public:
    static constexpr const char* kClassName = "Tests.HandlerWindow";

    void Paint(Graphics&) {}
    bool Down(int32_t, int32_t) {
        auto self = RuntimeSwapSelfAndMe();
        fired.push_back(self->Name() + "(" + std::to_string(self->Index()) + ")");
        if (relay) relay->Push();
        // Still the pit: a nested event must not leave its control behind.
        fired.push_back("then " + RuntimeSwapSelfAndMe()->Name());
        return false;
    }
    void Up(int32_t, int32_t) {}
    void Action() { fired.push_back(RuntimeSwapSelfAndMe()->Name()); }

    std::vector<std::string> fired;
    std::shared_ptr<PushButton> relay;
};

void Nothing() {}

// A canvas class of a window's own, as windows declare their control arrays.
class PitCanvas : public Canvas {
  public:
    static const ClassInfo& Lookup() {
        static const ClassInfo& record =
            ClassRegistry::Register(ClassInfo("Tests.PitCanvas", &Canvas::Lookup()));
        return record;
    }
    const ClassInfo& ClassRecord() const override { return Lookup(); }
};

} // namespace

using Delegates = FrameworkTest;

TEST_F(Delegates, RefuseASignatureTextThatDoesNotDescribeTheMethod) {
    auto window = RuntimeNewObject<HandlerWindow>();
    HandlerWindow* w = window.get();
    EXPECT_NO_THROW(RuntimeCreateDelegate(w, &HandlerWindow::Down, "( Int32, Int32 ) as Boolean"));
    EXPECT_NO_THROW(RuntimeCreateDelegate(w, &HandlerWindow::Paint, "( Graphics )"));
    EXPECT_NO_THROW(RuntimeCreateDelegate(w, &HandlerWindow::Action, "(  )"));

    EXPECT_THROW(RuntimeCreateDelegate(w, &HandlerWindow::Down, "( Int32, Int32 )"),
                 UnsupportedOperationException);
    EXPECT_THROW(RuntimeCreateDelegate(w, &HandlerWindow::Up, "( Int32, Int32 ) as Boolean"),
                 UnsupportedOperationException);
    EXPECT_THROW(RuntimeCreateDelegate(w, &HandlerWindow::Paint, "(  )"), UnsupportedOperationException);
    EXPECT_THROW(RuntimeCreateDelegate(w, &HandlerWindow::Action, "( Graphics )"),
                 UnsupportedOperationException);
    EXPECT_THROW(RuntimeCreateDelegate(&Nothing, "( Int32 )"), UnsupportedOperationException);
    EXPECT_NO_THROW(RuntimeCreateDelegate(&Nothing, "(  )"));
}

TEST_F(Delegates, OfAWindowThatIsGoneRaiseNilObjectException) {
    auto window = RuntimeNewObject<HandlerWindow>();
    auto down = RuntimeCreateDelegate(window.get(), &HandlerWindow::Down, "( Int32, Int32 ) as Boolean");
    window.reset();
    EXPECT_THROW((down->Invoke<bool, int32_t, int32_t>(1, 2)), NilObjectException);
}

TEST_F(Delegates, OfAWindowThatIsGoneDoNotCrashAClick) {
    auto window = RuntimeNewObject<HandlerWindow>();
    window->Constructor();
    auto canvas = MakeControl<Canvas>(*window, "Pit", Bounds(10, 10, 50, 50));
    {
        auto other = RuntimeNewObject<HandlerWindow>();
        InstallInstanceEventHandler(
            *canvas, "MouseDown",
            RuntimeCreateDelegate(other.get(), &HandlerWindow::Down, "( Int32, Int32 ) as Boolean"));
    }
    testing::internal::CaptureStderr();
    Click(*window, 20, 20);
    const std::string report = testing::internal::GetCapturedStderr();
    EXPECT_NE(report.find("NilObjectException"), std::string::npos) << report;
    EXPECT_TRUE(RuntimeQuitRequested());
}

using EventBinding = FrameworkTest;

TEST_F(EventBinding, RefusesAnUnknownEvent) {
    auto window = RuntimeNewObject<HandlerWindow>();
    window->Constructor();
    auto canvas = MakeControl<Canvas>(*window, "Pit", {});
    auto button = MakeControl<PushButton>(*window, "OK", {});
    auto action = RuntimeCreateDelegate(window.get(), &HandlerWindow::Action, "(  )");
    auto paint = RuntimeCreateDelegate(window.get(), &HandlerWindow::Paint, "( Graphics )");
    EXPECT_THROW(InstallInstanceEventHandler(*canvas, "Click", action), UnsupportedOperationException);
    EXPECT_THROW(InstallInstanceEventHandler(*canvas, "Action", action), UnsupportedOperationException);
    EXPECT_THROW(InstallInstanceEventHandler(*button, "Paint", paint), UnsupportedOperationException);
    EXPECT_THROW(InstallInstanceEventHandler(*button, "Action", nullptr), NilObjectException);
}

TEST_F(EventBinding, AcceptsOnlyAHandlerOfTheEventsSignature) {
    auto window = RuntimeNewObject<HandlerWindow>();
    window->Constructor();
    auto canvas = MakeControl<Canvas>(*window, "Pit", {});
    auto button = MakeControl<PushButton>(*window, "OK", {});
    HandlerWindow* w = window.get();
    const std::map<std::string, std::shared_ptr<Delegate>> handlers = {
        {"( Graphics )", RuntimeCreateDelegate(w, &HandlerWindow::Paint, "( Graphics )")},
        {"( Int32, Int32 ) as Boolean",
         RuntimeCreateDelegate(w, &HandlerWindow::Down, "( Int32, Int32 ) as Boolean")},
        {"( Int32, Int32 )", RuntimeCreateDelegate(w, &HandlerWindow::Up, "( Int32, Int32 )")},
        {"(  )", RuntimeCreateDelegate(w, &HandlerWindow::Action, "(  )")},
    };
    const std::vector<std::tuple<RectControl*, std::string, std::string>> events = {
        {canvas.get(), "Paint", "( Graphics )"},
        {canvas.get(), "MouseDown", "( Int32, Int32 ) as Boolean"},
        {canvas.get(), "MouseUp", "( Int32, Int32 )"},
        {button.get(), "Action", "(  )"},
    };
    for (const auto& [control, event, signature] : events) {
        for (const auto& [text, handler] : handlers) {
            if (text == signature)
                EXPECT_NO_THROW(InstallInstanceEventHandler(*control, event, handler)) << event;
            else
                EXPECT_THROW(InstallInstanceEventHandler(*control, event, handler),
                             UnsupportedOperationException)
                    << event << " took a handler of " << text;
        }
        EXPECT_TRUE(control->HandlesEvent(event));
    }
}

TEST_F(EventBinding, TellsTheHandlerWhichControlFired) {
    auto window = RuntimeNewObject<HandlerWindow>();
    window->Constructor();
    auto down = RuntimeCreateDelegate(window.get(), &HandlerWindow::Down, "( Int32, Int32 ) as Boolean");
    for (int32_t i = 0; i < 2; ++i) {
        PropertyRecord record = Bounds(10 + 60 * i, 10, 50, 50);
        record.push_back({"Index", i});
        InstallInstanceEventHandler(*MakeControl<Canvas>(*window, "Pit", record), "MouseDown", down);
    }
    Click(*window, 80, 30);
    Click(*window, 20, 30);
    EXPECT_EQ(window->fired, (std::vector<std::string>{"Pit(1)", "then Pit", "Pit(0)", "then Pit"}));
}

TEST_F(EventBinding, KeepsTheFiringControlThroughANestedEvent) {
    auto window = RuntimeNewObject<HandlerWindow>();
    window->Constructor();
    auto pit = MakeControl<Canvas>(*window, "Pit", Bounds(10, 10, 50, 50));
    window->relay = MakeControl<PushButton>(*window, "Relay", Bounds(100, 10, 60, 20));
    InstallInstanceEventHandler(
        *pit, "MouseDown",
        RuntimeCreateDelegate(window.get(), &HandlerWindow::Down, "( Int32, Int32 ) as Boolean"));
    InstallInstanceEventHandler(*window->relay, "Action",
                                RuntimeCreateDelegate(window.get(), &HandlerWindow::Action, "(  )"));
    Click(*window, 20, 20);
    EXPECT_EQ(window->fired, (std::vector<std::string>{"Pit(" + std::to_string(Control::kNoIndex) + ")",
                                                       "Relay", "then Pit"}));
}

TEST_F(EventBinding, FindsTheEventsAndPropertiesOfASubclasssBase) {
    auto window = RuntimeNewObject<HandlerWindow>();
    window->Constructor();
    PropertyRecord record = Bounds(10, 10, 50, 50);
    record.push_back({"Index", 4});
    auto pit = MakeControl<PitCanvas>(*window, "Pit", record);
    InstallInstanceEventHandler(
        *pit, "MouseDown",
        RuntimeCreateDelegate(window.get(), &HandlerWindow::Down, "( Int32, Int32 ) as Boolean"));
    Click(*window, 20, 20);
    EXPECT_EQ(window->fired, (std::vector<std::string>{"Pit(4)", "then Pit"}));
}

TEST_F(EventBinding, HasNoFiringControlOutsideAHandler) {
    EXPECT_THROW(RuntimeSwapSelfAndMe(), NilObjectException);
}
