#pragma once
// The game window: the board, the rules, the computer player, drawing, clicks and the menu commands.
// Rules.cpp, Computer.cpp, Layout.cpp, Board.cpp and Commands.cpp each hold one of these concerns.

#include "framework/Controls.h"
#include "framework/Window.h"

#include <array>
#include <cstdint>
#include <memory>

class Graphics;
class Picture;
class ResourceFork;

class Dialog1 : public Window {
  public:
    static const ClassInfo& Lookup();
    const ClassInfo& ClassRecord() const override { return Lookup(); }
    // The one shared game window, built hidden on first use.
    static std::shared_ptr<Dialog1> Shared();

    // The two control arrays: the nine pit strips (Canvas1) and the nine piece views (Canvas2). A member's
    // Index is its cell number.
    class Canvas1 : public Canvas {
      public:
        static const ClassInfo& Lookup();
        const ClassInfo& ClassRecord() const override { return Lookup(); }
        // A member of the board: its Index set before its widget is made.
        void Constructor(int32_t index);
        // A further member, copied from pit 9, with Index 0. The game never makes one.
        void Constructor() override;
    };
    class Canvas2 : public Canvas {
      public:
        static const ClassInfo& Lookup();
        const ClassInfo& ClassRecord() const override { return Lookup(); }
        void Constructor(int32_t index);
        // A further member, copied from piece view 9, with Index 0. The game never makes one.
        void Constructor() override;
    };

    // The game state, read and written by the dialogs too.
    std::shared_ptr<::ResourceFork> RFork;
    int32_t PlayersTurn = 0; // 1 or 4: the player to move, and the value the move writes
    std::shared_ptr<Picture> Player1Shape;
    std::shared_ptr<Picture> Player2Shape;
    bool isComputer = false;
    bool GameStarted = false;
    bool GameOver = false;
    std::array<int32_t, 11> Pits{}; // cells 1 to 9: 0 empty, 1 player 1, 4 player 2
    int32_t P1Num = 0;
    int32_t P2Num = 0;

    // Building the window (Layout.cpp).
    void Layout() override;
    void CreateControls() override;
    void CreateControls0();

    // The controls, found by name (and Index) at every call; nil when missing.
    std::shared_ptr<Canvas> Canvas2At(int32_t index) const;
    std::shared_ptr<Canvas> Canvas1At(int32_t index) const;
    std::shared_ptr<Canvas> leftturn() const;
    std::shared_ptr<Canvas> RIghtTurn() const;
    std::shared_ptr<Canvas> Canvas3() const;

    // Drawing and clicks (Board.cpp).
    virtual void Canvas2_Paint(Graphics& g);
    virtual void Canvas1_MouseUp(int32_t x, int32_t y);
    virtual bool Canvas1_MouseDown(int32_t x, int32_t y);
    virtual void leftturn_Paint(Graphics& g);
    virtual void RIghtTurn_Paint(Graphics& g);

    // Menu commands, opening and closing (Commands.cpp).
    void AddMenuHandlers(Window& w) override;
    void Event_EnableMenuItems() override;
    void Event_Close() override;
    void Event_Open() override;
    virtual bool mnuSwitch_Action();
    virtual bool mnuHvH_Action();
    virtual bool mnuHvC_Action();
    virtual bool mnuReset_Action();
    virtual bool mnuAbout_Action();
    virtual bool mnuShapes_Action();

    // The rules (Rules.cpp) and the computer player (Computer.cpp).
    // A new game: empty board, both flags False, banner hidden; turn, opponent and shapes kept.
    virtual void Initialize();
    // One move for the player to move. A cell outside 1 to 9, an occupied cell or a finished game is
    // refused without any change, so no caller can corrupt the board.
    virtual void DoPlay(int32_t cell);
    virtual void check4win();
    // Player 2's move, chosen and played at once. Does nothing on a full board.
    virtual void DoComputer();

    // Whether a move on the cell is allowed now.
    bool CanPlay(int32_t cell) const;

  private:
    void PassTurn();
    void EndGame();
    void DrawIndicator(Graphics& g, int32_t player, const std::shared_ptr<Picture>& shape) const;
    void BindPitEvents(RectControl& pit);
    void BindPieceViewEvents(RectControl& view);
};
