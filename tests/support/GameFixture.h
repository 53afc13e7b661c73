#pragma once
// A fresh game window, shown, for each test, with the application object, its menu bar and the bundle's
// pictures in place. Clicks and keys reach the windows through Qt, as a user's do.

#include "framework/Application.h"
#include "framework/FolderItem.h"
#include "framework/ResourceFork.h"
#include "framework/qt/Bridge.h"
#include "game/Dialog1.h"
#include "shell/App.h"
#include "shell/Menu.h"

#include <QTest>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

using Pits = std::array<int32_t, 11>;

class GameFixture : public ::testing::Test {
protected:
    void SetUp() override {
        RuntimeSetApplicationFile(QUILLOMAR_BUNDLE_DIR "/bin/quillomar");
        auto app = std::make_shared<App>();
        app->SetMenuBar(Menu::Shared());
        RuntimeRegisterAppObject(app);
        game = Dialog1::Shared();
        ASSERT_FALSE(game->Visible()) << "built hidden: the splash shows it";
        game->Show();
    }

    void TearDown() override {
        // The framework quits on an exception that escapes a handler: none may have.
        EXPECT_FALSE(RuntimeQuitRequested());
        game.reset();
        RuntimeReleaseModuleObjects();
        RuntimeCancelQuit();
        RuntimeSetApplicationFile("");
    }

    template <class T> static T& ControlOf(const Window& window, const std::string& name) {
        return NotNil(Cast<T>(RuntimeWindowControlByName(window, name)));
    }
    // A button as the user finds it: by its caption, on the page of the window's tab panel (0: on the window).
    static PushButton& Button(const Window& window, const std::string& caption, int32_t page = 0) {
        for (const auto& control : window.Controls())
            if (auto button = std::dynamic_pointer_cast<PushButton>(control);
                button && button->Caption() == caption && button->TabPanelIndex() == page)
                return *button;
        throw std::runtime_error("no button " + caption);
    }
    static QPoint CentreOf(const RectControl& control) {
        return {control.Left() + control.Width() / 2, control.Top() + control.Height() / 2};
    }

    // A click near the bottom of pit `cell`'s strip, where the board shows the pit.
    void ClickPit(int32_t cell) {
        const Canvas& pit = NotNil(game->Canvas1At(cell));
        Mouse(*game, {pit.Left() + pit.Width() / 2, pit.Top() + pit.Height() - 2});
    }
    // The pointer moves to a point of the window's content area, in window coordinates, and there presses
    // and releases its button (a click), or does one of the two, or neither.
    static void Mouse(const Window& window, QPoint at, bool press = true, bool release = true) {
        QWidget* top = TopLevelOf(window);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(top));
        at = ContentOf(window)->mapTo(top, at);
        QTest::mouseMove(top->windowHandle(), at);
        if (press) QTest::mousePress(top->windowHandle(), Qt::LeftButton, {}, at);
        if (release) QTest::mouseRelease(top->windowHandle(), Qt::LeftButton, {}, at);
    }
    // Keys typed into the window ("Ctrl+T", "Return"): Ctrl-keys go through the framework's shortcut path,
    // Return and Escape to the window's own buttons.
    static void Type(const Window& window, const char* keys) {
        QTest::keySequence(TopLevelOf(window), QKeySequence(keys));
    }

    static QImage Shot(const Window& window) {
        return ContentOf(window)->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    }
    // What the screen holds of the content once pending paints are done: unlike Shot, a control that was not
    // asked to repaint still shows what it showed before.
    static QImage OnScreen(const Window& window) {
        QWidget* top = TopLevelOf(window);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(top));
        QCoreApplication::processEvents();
        const QRect content(ContentOf(window)->mapTo(top, QPoint()), ContentOf(window)->size());
        return top->screen()
            ->grabWindow(top->winId(), content.x(), content.y(), content.width(), content.height())
            .toImage()
            .convertToFormat(QImage::Format_ARGB32);
    }
    // Every opaque pixel of the picture stands unscaled in the shot with the picture's top left at `at`.
    static bool Shows(const QImage& shot, QPoint at, const Picture& picture) {
        const QImage image = ImageOf(picture).convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(image.pixel(x, y)) == 255 && (shot.pixel(at + QPoint(x, y)) ^ image.pixel(x, y)) & 0xFFFFFF)
                    return false;
        return true;
    }

    std::shared_ptr<Dialog1> game;
};
