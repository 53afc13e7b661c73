#pragma once
// A fresh game window for each test, with the application object, its menu bar and the bundle's pictures in
// place. Pits are clicked through their events; whole windows through the window system, as a user would.

#include "framework/Application.h"
#include "framework/Controls.h"
#include "framework/FolderItem.h"
#include "framework/Picture.h"
#include "framework/ResourceFork.h"
#include "framework/Window.h"
#include "framework/qt/Bridge.h"
#include "game/Dialog1.h"
#include "shell/App.h"
#include "shell/Menu.h"

#include <QImage>
#include <QPoint>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <array>
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

class GameFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        RuntimeSetApplicationFile(QUILLOMAR_BUNDLE_DIR "/bin/quillomar");
        auto app = std::make_shared<App>();
        app->SetMenuBar(Menu::Shared());
        RuntimeRegisterAppObject(app);
        game = Dialog1::Shared();
    }

    void TearDown() override {
        // The framework quits on an exception that escapes a handler: none may have.
        EXPECT_FALSE(RuntimeQuitRequested());
        game.reset();
        RuntimeReleaseModuleObjects();
        RuntimeCancelQuit();
        RuntimeSetApplicationFile("");
    }

    // A press and release on pit `cell`, delivered as the window delivers them to the pit strip.
    void ClickPit(int32_t cell) {
        Canvas& pit = NotNil(game->Canvas1At(cell));
        if (pit.RaiseEvent<bool, int32_t, int32_t>("MouseDown", 1, 1).value_or(false))
            pit.RaiseVoidEvent<int32_t, int32_t>("MouseUp", 1, 1);
    }
    void ClickPits(std::initializer_list<int32_t> cells) {
        for (int32_t cell : cells)
            ClickPit(cell);
    }
    // The player to move takes the front row, the other answering in 4 and 5.
    void FinishAGame() {
        ClickPits({1, 4, 2, 5, 3});
        ASSERT_TRUE(game->GameOver);
    }

    static std::array<int32_t, 11> Board(const std::vector<int32_t>& player1, const std::vector<int32_t>& player2) {
        std::array<int32_t, 11> pits{};
        for (int32_t cell : player1)
            pits[cell] = 1;
        for (int32_t cell : player2)
            pits[cell] = 4;
        return pits;
    }
    // Puts pieces straight on the board, as a game in progress would have left them.
    void Place(const std::vector<int32_t>& player1, const std::vector<int32_t>& player2) {
        for (int32_t cell : player1)
            game->Pits[cell] = 1;
        for (int32_t cell : player2)
            game->Pits[cell] = 4;
    }

    int32_t PiecesOnBoard() const {
        int32_t pieces = 0;
        for (int32_t cell = 1; cell <= 9; ++cell)
            pieces += game->Pits[cell] != 0;
        return pieces;
    }

    bool BannerShown() const { return NotNil(game->Canvas3()).Visible(); }

    template <class T> static std::shared_ptr<T> ControlOf(const Window& window, const std::string& name) {
        return Cast<T>(RuntimeWindowControlByName(window, name));
    }
    static QPoint CentreOf(const RectControl& control) {
        return {control.Left() + control.Width() / 2, control.Top() + control.Height() / 2};
    }

    // The pointer at a point of the window's content area, in window coordinates.
    static void MoveTo(const Window& window, QPoint at) { QTest::mouseMove(Handle(window), Mapped(window, at)); }
    static void PressAt(const Window& window, QPoint at) {
        QTest::mousePress(Handle(window), Qt::LeftButton, {}, Mapped(window, at));
    }
    static void ReleaseAt(const Window& window, QPoint at) {
        QTest::mouseRelease(Handle(window), Qt::LeftButton, {}, Mapped(window, at));
    }
    static void ClickAt(const Window& window, QPoint at) {
        MoveTo(window, at);
        PressAt(window, at);
        ReleaseAt(window, at);
    }

    std::shared_ptr<Dialog1> game;

  private:
    static QWindow* Handle(const Window& window) {
        QWidget* top = TopLevelOf(window);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(top));
        return top->windowHandle();
    }
    static QPoint Mapped(const Window& window, QPoint at) { return ContentOf(window)->mapTo(TopLevelOf(window), at); }
};
