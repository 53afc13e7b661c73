#pragma once
// The splash window: the first window of a run, centred on the main screen; a click opens the game.

#include <cstdint>
#include <memory>

#include "framework/Window.h"

class AppleMenuItem;
class MenuItem;
class QuitMenuItem;

class Window1 : public Window {
public:
    static const ClassInfo& Lookup();
    const ClassInfo& ClassRecord() const override { return Lookup(); }
    // The one shared splash window; building it shows it.
    static std::shared_ptr<Window1> Shared();

    void Layout() override;
    void CreateControls() override {}

    // The entries of the window's own menu bar, by name. No entry is named "UntitledMenu1": that one is nil.
    std::shared_ptr<MenuItem> mnuGame() const;
    std::shared_ptr<AppleMenuItem> mnuAbout() const;
    std::shared_ptr<MenuItem> mnuShapes() const;
    std::shared_ptr<MenuItem> mnuDash2() const;
    std::shared_ptr<MenuItem> mnuHvC() const;
    std::shared_ptr<MenuItem> mnuHvH() const;
    std::shared_ptr<MenuItem> mnuDash() const;
    std::shared_ptr<MenuItem> mnuSwitch() const;
    std::shared_ptr<MenuItem> UntitledMenu0() const;
    std::shared_ptr<QuitMenuItem> FileQuit() const;
    std::shared_ptr<MenuItem> mnuD2() const;
    std::shared_ptr<MenuItem> mnuReset() const;
    std::shared_ptr<MenuItem> UntitledMenu1() const;

    // True, so that the release of the press comes to Event_MouseUp.
    bool Event_MouseDown(int32_t x, int32_t y) override;
    void Event_MouseUp(int32_t x, int32_t y) override;
    void Event_Open() override;
};
