#pragma once
// The new-game confirmation.

#include "framework/Window.h"

#include <memory>

class Dialog2 : public Window {
  public:
    static const ClassInfo& Lookup();
    const ClassInfo& ClassRecord() const override { return Lookup(); }
    // The one shared window, built on first use.
    static std::shared_ptr<Dialog2> Shared();

    void Layout() override;
    void CreateControls() override;
    virtual void CreateControls0();
    // "No": the game goes on untouched.
    virtual void PushButton1_Action();
    // "Yes": a new game in the game window.
    virtual void PushButton2_Action();
};
