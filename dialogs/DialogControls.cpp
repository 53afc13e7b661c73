#include "dialogs/DialogControls.h"

#include <algorithm>

using namespace std::string_literals;

namespace {

const Color kBlack{0x00, 0x00, 0x00};
const Color kWhite{0xFF, 0xFF, 0xFF};

PropertyRecord ControlValues() {
    return {
        {"Index", Control::kNoIndex}, {"InitialParent", ""s}, {"TabPanelIndex", 0},
        {"LockLeft", false},          {"LockTop", false},     {"LockRight", false},
        {"LockBottom", false},        {"Enabled", true},      {"Visible", true},
        {"AutoDeactivate", true},     {"HelpTag", ""s},
    };
}

PropertyRecord TextControlValues() {
    return Record(ControlValues(),
                  {{"TextFont", "System"s}, {"Bold", false}, {"Italic", false}, {"Underline", false}});
}

} // namespace

PropertyRecord Record(PropertyRecord shared, const PropertyRecord& own) {
    for (const auto& entry : own) {
        auto same =
            std::find_if(shared.begin(), shared.end(), [&](const auto& e) { return e.first == entry.first; });
        if (same != shared.end())
            same->second = entry.second;
        else
            shared.push_back(entry);
    }
    return shared;
}

PropertyRecord LabelRecord(const PropertyRecord& own) {
    return Record(Record(TextControlValues(), {{"TextAlign", 0},
                                               {"TextColor", kBlack},
                                               {"Multiline", false},
                                               {"DataSource", ""s},
                                               {"DataField", ""s}}),
                  own);
}

PropertyRecord ButtonRecord(const PropertyRecord& own) {
    return Record(Record(TextControlValues(), {{"Default", false}, {"Cancel", false}, {"TabStop", true}}),
                  own);
}

PropertyRecord CanvasRecord(const PropertyRecord& own) {
    return Record(Record(ControlValues(), {{"TabStop", true},
                                           {"UseFocusRing", true},
                                           {"AcceptFocus", false},
                                           {"AcceptTabs", false},
                                           {"DoubleBuffer", false},
                                           {"EraseBackground", true}}),
                  own);
}

PropertyRecord TabPanelRecord(const PropertyRecord& own) {
    return Record(Record(TextControlValues(), {{"TabStop", true}, {"SmallTabs", false}, {"Value", 0}}), own);
}

PropertyRecord TextAreaRecord(const PropertyRecord& own) {
    return Record(Record(TextControlValues(), {{"ReadOnly", true},
                                               {"Multiline", true},
                                               {"Border", true},
                                               {"ScrollbarHorizontal", false},
                                               {"ScrollbarVertical", false},
                                               {"Styled", false},
                                               {"UseFocusRing", true},
                                               {"TabStop", true},
                                               {"HideSelection", true},
                                               {"AcceptTabs", false},
                                               {"LimitText", 0},
                                               {"Alignment", 0},
                                               {"TextColor", kBlack},
                                               {"BackColor", kWhite},
                                               {"Format", ""s},
                                               {"Mask", ""s},
                                               {"DataSource", ""s},
                                               {"DataField", ""s}}),
                  own);
}

PropertyRecord OnPage(int32_t page, const PropertyRecord& own) {
    return Record({{"InitialParent", "TabPanel1"s}, {"TabPanelIndex", page}}, own);
}
