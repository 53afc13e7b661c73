// The splash: a plain 256 by 256 box centred on the main screen, which a click swaps for the game window.

#include "shell/Window1.h"

#include <QTest>
#include <QWidget>
#include <memory>

#include "ShellTesting.h"
#include "framework/Window.h"
#include "framework/qt/Bridge.h"
#include "game/Dialog1.h"

namespace {

class SplashTest : public ShellTest {};

TEST_F(SplashTest, IsAPlainBoxCentredOnTheMainScreen) {
    auto screen = Screen::At(0);
    ASSERT_NE(screen, nullptr);
    QWidget& top = *TopLevelOf(*Window1::Shared());
    EXPECT_EQ(top.geometry(), QRect((screen->Width() - 256) / 2, (screen->Height() - 256) / 2, 256, 256));
    EXPECT_EQ(ContentOf(*Window1::Shared())->size(), QSize(256, 256));
    EXPECT_TRUE(top.isVisible());
    EXPECT_EQ(RuntimeFrontmostWindow(), Window1::Shared());
    EXPECT_TRUE(top.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(top.windowTitle(), "Quillomar");
}

TEST_F(SplashTest, WithoutItsPictureAPressAndItsReleaseStillSwapItForTheGameWindow) {
    auto splash = Window1::Shared();
    QWidget& content = *ContentOf(*splash);
    EXPECT_EQ(splash->Backdrop(), nullptr);
    EXPECT_FALSE(content.grab().isNull());
    const auto game = [] { return GetImplicitWindow(Dialog1::Lookup().Name()); };

    QTest::mouseRelease(&content, Qt::LeftButton, {}, QPoint(128, 128));
    QTest::mousePress(&content, Qt::LeftButton, {}, QPoint(5, 250));
    EXPECT_FALSE(game() && game()->Visible());
    EXPECT_TRUE(TopLevelOf(*splash)->isVisible());

    QTest::mouseRelease(&content, Qt::LeftButton, {}, QPoint(5, 250));
    ASSERT_NE(game(), nullptr);
    EXPECT_TRUE(game()->Visible());
    EXPECT_EQ(RuntimeFrontmostWindow(), game());
    EXPECT_FALSE(TopLevelOf(*splash)->isVisible());
    EXPECT_EQ(GetImplicitWindow("Window1.Window1"), splash);  // hidden, not closed
    EXPECT_FALSE(RuntimeQuitRequested());
}

}  // namespace
