#pragma once
// The menu model: one set of entries that every menu view shows and that shortcuts obey.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/Object.h"

class MenuItem : public Object {
public:
    static const ClassInfo& Lookup();
    const ClassInfo& ClassRecord() const override { return Lookup(); }

    // The framework's default entry constructor; entries are usable without it too.
    virtual void Constructor() {}

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    // "-" makes the entry a separator line.
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text) { text_ = text; }
    bool IsSeparator() const { return text_ == "-"; }
    // "Cmd+N": the platform's command modifier (Ctrl here) and one key; empty for none.
    const std::string& KeyboardShortcut() const { return shortcut_; }
    void SetKeyboardShortcut(const std::string& shortcut) { shortcut_ = shortcut; }
    bool AutoEnable() const { return autoEnable_; }
    void SetAutoEnable(bool value) { autoEnable_ = value; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { enabled_ = value; }
    bool Checked() const { return checked_; }
    void SetChecked(bool value) { checked_ = value; }

    void Append(std::shared_ptr<MenuItem> item);
    int32_t Count() const { return static_cast<int32_t>(children_.size()); }
    // Nil outside 0 to Count() - 1.
    std::shared_ptr<MenuItem> Item(int32_t index) const;
    // The direct entry of that name, or nil.
    std::shared_ptr<MenuItem> Child(const std::string& name) const;
    // The entry of that name at any depth below this one, or nil.
    std::shared_ptr<MenuItem> Lookup(const std::string& name) const;

    // The quit entry is served by the framework itself.
    virtual bool IsQuitItem() const { return false; }

private:
    std::string name_, text_, shortcut_;
    bool autoEnable_ = false;
    bool enabled_ = true;
    bool checked_ = false;
    std::vector<std::shared_ptr<MenuItem>> children_;
};

class MenuBar : public MenuItem {
public:
    static const ClassInfo& Lookup();
    const ClassInfo& ClassRecord() const override { return Lookup(); }
    using MenuItem::Lookup;
};

class QuitMenuItem : public MenuItem {
public:
    static const ClassInfo& Lookup();
    const ClassInfo& ClassRecord() const override { return Lookup(); }
    using MenuItem::Lookup;
    bool IsQuitItem() const override { return true; }
};

class AppleMenuItem : public MenuItem {
public:
    static const ClassInfo& Lookup();
    const ClassInfo& ClassRecord() const override { return Lookup(); }
    using MenuItem::Lookup;
};

// Runs EnableMenuItems of the windows that commands can reach, the frontmost last, as the framework does
// before a menu opens or a shortcut is taken. What the entries say afterwards is what the user sees and what the shortcuts obey.
void RuntimeUpdateMenus();
// Whether choosing the entry now would do something: enabled (or auto-enabled) and served by a window or by
// the framework.
bool RuntimeMenuItemActive(const MenuItem& item);
// Chooses the entry as the user would from the menu: the quit entry quits; any other goes to the frontmost
// window that bound a handler for its name. Returns whether a handler ran.
bool RuntimeChooseMenuItem(const MenuItem& item);
// Takes a key press as a shortcut: finds the entry of the application's menu bar with that shortcut text
// ("Cmd+N"), updates the menus and chooses it when it is active. Returns whether an entry was chosen.
bool RuntimeDispatchShortcut(const std::string& shortcut);
