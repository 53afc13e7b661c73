#pragma once
// The About box.

#include "framework/Window.h"

#include <cstdint>
#include <memory>

class Dialog3 : public Window {
  public:
    static const ClassInfo& Lookup();
    const ClassInfo& ClassRecord() const override { return Lookup(); }
    // The one shared window, built on first use.
    static std::shared_ptr<Dialog3> Shared();

    // The pointer is over the web-address label: a mouse release now opens the address.
    bool InHTTP = false;

    void Layout() override;
    void CreateControls() override;
    virtual void CreateControls0();
    virtual void StaticText12_MouseExit();
    virtual void StaticText12_MouseEnter();
    void Event_MouseUp(int32_t x, int32_t y) override;
    bool Event_MouseDown(int32_t x, int32_t y) override;
    void Event_Open() override;
};
