#pragma once
// What the three dialogs share in building themselves: the common values of the window and control records,
// and the steps by which each control is made.

#include "framework/Controls.h"
#include "framework/Object.h"
#include "framework/Window.h"

#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>

// A record of shared values with a control's own on top: an own value replaces the shared one of the same
// name in its place, so every name is set once; names the shared values lack follow in their order.
PropertyRecord Record(PropertyRecord shared, const PropertyRecord& own);

// Each kind of control's common values (on the window, outside any control array, unlocked, enabled,
// visible; the system font, plain), then the control's own.
PropertyRecord LabelRecord(const PropertyRecord& own);
PropertyRecord ButtonRecord(const PropertyRecord& own);
PropertyRecord CanvasRecord(const PropertyRecord& own);
PropertyRecord TabPanelRecord(const PropertyRecord& own);
// A read-only text with a border and no scroll bars.
PropertyRecord TextAreaRecord(const PropertyRecord& own);

// Stands a control on a page of the dialog's tab panel "TabPanel1", counted from 1.
PropertyRecord OnPage(int32_t page, const PropertyRecord& own);

// A new control of class T on the window, registered under its name.
template <class T> std::shared_ptr<T> AddNewControl(Window& window, const std::string& name) {
    auto control = window.New<T>();
    control->Constructor();
    window.AddControl(name, control);
    return control;
}

// A control made as the dialogs make them: added under its name; for a control with text its TextSize,
// then TextUnit 0; then its record, so that the record has the last word.
template <class T>
std::shared_ptr<T> MakeControl(Window& window, const std::string& name, const PropertyRecord& record,
                               int32_t textSize = 12) {
    auto control = AddNewControl<T>(window, name);
    if constexpr (std::is_base_of_v<TextControl, T>) {
        control->SetTextSize(textSize);
        control->SetTextUnit(0);
    }
    SetProperties(*control, record);
    return control;
}
