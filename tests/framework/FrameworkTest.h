#pragma once
// What the framework's widget tests share: a fixture that leaves the framework as it found it, small window
// classes of the tests' own, and clicks at window coordinates.

#include "framework/Application.h"
#include "framework/Controls.h"
#include "framework/FolderItem.h"
#include "framework/Window.h"
#include "framework/qt/Bridge.h"

#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

class FrameworkTest : public testing::Test {
  protected:
    void TearDown() override {
        RuntimeReleaseModuleObjects();
        RuntimeCancelQuit();
        RuntimeRegisterAppObject(nullptr);
        RuntimeSetApplicationFile({});
        QCoreApplication::processEvents();
    }
};

// A window class of the tests, registered under its own full name (Self::kClassName).
template <class Self> class TestWindow : public Window {
  public:
    static const ClassInfo& Lookup() {
        static const ClassInfo& record =
            ClassRegistry::Register(ClassInfo(Self::kClassName, &Window::Lookup()));
        return record;
    }
    const ClassInfo& ClassRecord() const override { return Lookup(); }
};

// A control made as windows make theirs: new, constructed, registered under its name, then its record.
template <class T>
std::shared_ptr<T> MakeControl(Window& window, const std::string& name, const PropertyRecord& record) {
    auto control = window.New<T>();
    control->Constructor();
    window.AddControl(name, control);
    SetProperties(*control, record);
    return control;
}

inline PropertyRecord Bounds(int32_t left, int32_t top, int32_t width, int32_t height) {
    return {{"Left", left}, {"Top", top}, {"Width", width}, {"Height", height}};
}

// Presses and releases on the window's content area, at window coordinates (never at 0,0: QTest reads a
// null point as the centre).
inline void Press(const Window& window, int x, int y) {
    QTest::mousePress(ContentOf(window), Qt::LeftButton, {}, QPoint(x, y));
}
inline void Release(const Window& window, int x, int y) {
    QTest::mouseRelease(ContentOf(window), Qt::LeftButton, {}, QPoint(x, y));
}
inline void Click(const Window& window, int x, int y) {
    Press(window, x, y);
    Release(window, x, y);
}
