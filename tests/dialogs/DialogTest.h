#pragma once
// Fresh windows for each test: the application object with its menu bar, the game window that the dialogs
// read and write, and the bundle's pictures. Presses go through the window system as a user's would.

#include "framework/Application.h"
#include "framework/Controls.h"
#include "framework/FolderItem.h"
#include "framework/ResourceFork.h"
#include "framework/Window.h"
#include "framework/qt/Bridge.h"
#include "game/Dialog1.h"
#include "shell/App.h"
#include "shell/Menu.h"

#include <QPoint>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>
#include <string>

class DialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RuntimeSetApplicationFile(QUILLOMAR_BUNDLE_DIR "/bin/quillomar");
        auto app = std::make_shared<App>();
        app->SetMenuBar(Menu::Shared());
        RuntimeRegisterAppObject(app);
        game = Dialog1::Shared();
    }

    void TearDown() override {
        game.reset();
        RuntimeReleaseModuleObjects();
        RuntimeSetApplicationFile("");
    }

    template <class T> static std::shared_ptr<T> ControlOf(const Window& window, const std::string& name) {
        return Cast<T>(RuntimeWindowControlByName(window, name));
    }

    // The pointer at a point of the window's content area, in window coordinates.
    static void MoveTo(const Window& window, QPoint at) {
        QTest::mouseMove(Handle(window), Mapped(window, at));
    }
    static void Press(const Window& window, QPoint at) {
        QTest::mousePress(Handle(window), Qt::LeftButton, {}, Mapped(window, at));
    }
    static void Release(const Window& window, QPoint at) {
        QTest::mouseRelease(Handle(window), Qt::LeftButton, {}, Mapped(window, at));
    }
    static void Click(const Window& window, QPoint at) {
        MoveTo(window, at);
        Press(window, at);
        Release(window, at);
    }
    static QPoint CentreOf(const RectControl& control) {
        return {control.Left() + control.Width() / 2, control.Top() + control.Height() / 2};
    }

    std::shared_ptr<Dialog1> game;

  private:
    static QWindow* Handle(const Window& window) {
        QWidget* top = TopLevelOf(window);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(top));
        return top->windowHandle();
    }
    static QPoint Mapped(const Window& window, QPoint at) {
        return ContentOf(window)->mapTo(TopLevelOf(window), at);
    }
};
