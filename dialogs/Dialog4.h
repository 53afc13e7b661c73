#pragma once
// The shape chooser.

#include "framework/Window.h"

#include <cstdint>
#include <memory>
#include <string>

class Graphics;

class Dialog4 : public Window {
  public:
    static const ClassInfo& Lookup();
    const ClassInfo& ClassRecord() const override { return Lookup(); }
    // The one shared window, built on first use.
    static std::shared_ptr<Dialog4> Shared();

    // The shapes being chosen, colour-icon numbers 128 to 151; always two different ones. The game window
    // learns of them only on "OK".
    int32_t p1 = 0;
    int32_t p2 = 0;

    void Layout() override;
    void CreateControls() override;
    virtual void CreateControls0();
    // The previews of player 2's and player 1's shape.
    virtual void Canvas2_Paint(Graphics& g);
    virtual void Canvas1_Paint(Graphics& g);
    // The arrows: ">>" and "<<" of player 2, then of player 1.
    virtual void PushButton3_Action();
    virtual void PushButton4_Action();
    virtual void PushButton1_Action();
    virtual void PushButton2_Action();
    // "OK" and "Cancel".
    virtual void PushButton5_Action();
    virtual void PushButton6_Action();
    void Event_Open() override;

  private:
    void DrawPreview(Graphics& g, int32_t shape);
    void Arrow(int32_t& shape, int32_t other, int32_t step, const std::string& preview);
};
