#pragma once
// A fresh game window for each test, with the application object and its menu bar in place.

#include "framework/Application.h"
#include "framework/Controls.h"
#include "game/Dialog1.h"
#include "shell/App.h"
#include "shell/Menu.h"

#include <array>
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>

// The eight lines of the board, written out here independently of the game's own table.
inline constexpr std::array<std::array<int32_t, 3>, 8> kEveryLine{{
    {1, 4, 7},
    {2, 5, 8},
    {3, 6, 9},
    {1, 2, 3},
    {4, 5, 6},
    {7, 8, 9},
    {1, 5, 9},
    {3, 5, 7},
}};

class GameWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
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
    }

    // A press and release on pit `cell`, delivered as the window delivers them to the pit strip.
    void Click(int32_t cell) {
        Canvas& pit = NotNil(game->Canvas1At(cell));
        if (pit.RaiseEvent<bool, int32_t, int32_t>("MouseDown", 1, 1).value_or(false))
            pit.RaiseVoidEvent<int32_t, int32_t>("MouseUp", 1, 1);
    }

    // Puts pieces straight on the board, as a game in progress would have left them.
    void Place(std::initializer_list<int32_t> player1, std::initializer_list<int32_t> player2) {
        for (int32_t cell : player1)
            game->Pits[cell] = 1;
        for (int32_t cell : player2)
            game->Pits[cell] = 4;
    }

    bool BannerShown() const { return NotNil(game->Canvas3()).Visible(); }

    std::shared_ptr<Dialog1> game;
};
