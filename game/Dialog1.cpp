#include "game/Dialog1.h"

const ClassInfo& Dialog1::Lookup() {
    static const ClassInfo& record = []() -> const ClassInfo& {
        // Its own methods in order, the controls by name after CreateControls0, then the game state.
        // clang-format off
        const ClassInfo& own = ClassRegistry::Register(
            ClassInfo("Dialog1.Dialog1", &Window::Lookup()).Members({
                "Layout", "CreateControls", "CreateControls0",
                "Canvas2", "Canvas1", "leftturn", "RIghtTurn", "Canvas3",
                "Canvas2_Paint", "Canvas1_MouseUp", "Canvas1_MouseDown", "leftturn_Paint", "RIghtTurn_Paint",
                "AddMenuHandlers", "Event_EnableMenuItems", "Event_Close", "Event_Open",
                "mnuSwitch_Action", "mnuHvH_Action", "mnuHvC_Action", "mnuReset_Action", "mnuAbout_Action",
                "mnuShapes_Action", "Initialize", "DoPlay", "check4win", "DoComputer",
                "RFork", "PlayersTurn", "Player1Shape", "Player2Shape", "isComputer", "GameStarted", "GameOver",
                "Pits", "P1Num", "P2Num"
            }));
        // clang-format on
        // The window's two control-array classes are registered right after it, piece views first.
        Canvas2::Lookup();
        Canvas1::Lookup();
        return own;
    }();
    return record;
}

const ClassInfo& Dialog1::Canvas1::Lookup() {
    static const ClassInfo& record = ClassRegistry::Register(ClassInfo("Dialog1.Canvas1", &Canvas::Lookup()));
    return record;
}

const ClassInfo& Dialog1::Canvas2::Lookup() {
    static const ClassInfo& record = ClassRegistry::Register(ClassInfo("Dialog1.Canvas2", &Canvas::Lookup()));
    return record;
}

std::shared_ptr<Dialog1> Dialog1::Shared() {
    return ImplicitWindow<Dialog1>();
}

std::shared_ptr<Canvas> Dialog1::Canvas2At(int32_t index) const {
    return Cast<Canvas>(RuntimeWindowControlByNameIndex(*this, "Canvas2", index));
}

std::shared_ptr<Canvas> Dialog1::Canvas1At(int32_t index) const {
    return Cast<Canvas>(RuntimeWindowControlByNameIndex(*this, "Canvas1", index));
}

std::shared_ptr<Canvas> Dialog1::leftturn() const {
    return Cast<Canvas>(RuntimeWindowControlByName(*this, "leftturn"));
}

std::shared_ptr<Canvas> Dialog1::RIghtTurn() const {
    return Cast<Canvas>(RuntimeWindowControlByName(*this, "RIghtTurn"));
}

std::shared_ptr<Canvas> Dialog1::Canvas3() const {
    return Cast<Canvas>(RuntimeWindowControlByName(*this, "Canvas3"));
}
