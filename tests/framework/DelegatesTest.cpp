// Delegates, the binding of handlers to control events by name, and the firing control inside a handler.
#include "FrameworkTest.h"

namespace {

void Nothing() {}
const char* const kDown = "( Int32, Int32 ) as Boolean";

}  // namespace

using Delegates = FrameworkTest;

TEST_F(Delegates, RefuseASignatureTextThatDoesNotDescribeTheMethod) {
    auto window = RuntimeNewObject<LogWindow>();
    LogWindow* w = window.get();
    EXPECT_NO_THROW(RuntimeCreateDelegate(w, &LogWindow::MouseDown, kDown));
    EXPECT_NO_THROW(RuntimeCreateDelegate(w, &LogWindow::Paint, "( Graphics )"));
    EXPECT_NO_THROW(RuntimeCreateDelegate(&Nothing, "(  )"));
    for (const char* wrong :
         {"( Int32, Int32 )", "(  ) as Boolean", "( Int32, Int32 ) as Int32", "(Int32, Int32) as Boolean"})
        EXPECT_THROW(RuntimeCreateDelegate(w, &LogWindow::MouseDown, wrong), UnsupportedOperationException) << wrong;
    EXPECT_THROW(RuntimeCreateDelegate(w, &LogWindow::MouseUp, kDown), UnsupportedOperationException);
    EXPECT_THROW(RuntimeCreateDelegate(w, &LogWindow::Paint, "(  )"), UnsupportedOperationException);
    EXPECT_THROW(RuntimeCreateDelegate(w, &LogWindow::Action, "( Graphics )"), UnsupportedOperationException);
    EXPECT_THROW(RuntimeCreateDelegate(&Nothing, "( Int32 )"), UnsupportedOperationException);
}

TEST_F(Delegates, BindOnlyToAKnownEventOfTheirSignature) {
    auto window = ImplicitWindow<LogWindow>();
    auto canvas = window->Add<Canvas>("Pit", {});
    auto button = window->Add<PushButton>("OK", {});
    const Log kinds = {"Paint", "MouseDown", "MouseUp", "Action"};
    // Each control's events and the kind of handler they take; "" for an event its class does not have.
    const std::vector<std::tuple<RectControl*, std::string, std::string>> events = {
        {canvas.get(), "Paint", "Paint"},     {canvas.get(), "MouseDown", "MouseDown"},
        {canvas.get(), "MouseUp", "MouseUp"}, {button.get(), "Action", "Action"},
        {canvas.get(), "Click", ""},          {canvas.get(), "Action", ""},
        {button.get(), "Paint", ""}};
    for (const auto& [control, event, kind] : events) {
        for (const auto& handler : kinds) {
            if (handler == kind)
                EXPECT_NO_THROW(InstallInstanceEventHandler(*control, event, window->Handler(handler))) << event;
            else
                EXPECT_THROW(InstallInstanceEventHandler(*control, event, window->Handler(handler)),
                             UnsupportedOperationException)
                    << event << " took a handler for " << handler;
        }
        EXPECT_EQ(control->HandlesEvent(event), !kind.empty()) << event;
    }
    EXPECT_THROW(InstallInstanceEventHandler(*button, "Action", nullptr), NilObjectException);
}

TEST_F(Delegates, TellTheHandlerWhichControlFiredAlsoThroughANestedEvent) {
    auto window = ImplicitWindow<LogWindow>();
    for (int32_t i = 0; i < 2; ++i)
        window->Add<Canvas>("Pit", Bounds(10 + 60 * i, 10, 50, 50, {{"Index", i}}), {"MouseDown"});
    auto relay = window->Add<PushButton>("Relay", Bounds(150, 10, 40, 20), {"Action"});
    window->nested = [&] { relay->Push(); };
    Click(*window, 80, 30);
    Click(*window, 20, 30);
    EXPECT_EQ(window->log, (Log{"Pit[1].MouseDown(10,20)", "Relay.Action", "Pit[1].MouseDown again",
                                "Pit[0].MouseDown(10,20)", "Relay.Action", "Pit[0].MouseDown again"}));
    EXPECT_THROW(RuntimeSwapSelfAndMe(), NilObjectException) << "a firing control outside any handler";
}
