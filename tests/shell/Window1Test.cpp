// The splash: a plain 256 by 256 box centred on the main screen, which a click swaps for the game window.

#include "shell/Window1.h"

#include <QTest>
#include <QWidget>
#include <memory>

#include "ShellTesting.h"
#include "framework/Application.h"
#include "framework/Menu.h"
#include "framework/Picture.h"
#include "framework/Window.h"
#include "framework/qt/Bridge.h"
#include "game/Dialog1.h"
#include "shell/App.h"
#include "shell/Menu.h"
#include "shell/MenuItems.h"
#include "shell/Pictures.h"
#include "shell/Startup.h"

namespace {

// The game window as the framework knows it, or nil before the first click built it.
std::shared_ptr<Window> GameWindow() { return GetImplicitWindow(Dialog1::Lookup().Name()); }
bool GameWindowShown() { return GameWindow() && GameWindow()->Visible(); }

class SplashTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!App::Shared()) NewAppInstance();
        // Tests here never load a picture (the picture tests do, in processes of their own).
        ASSERT_EQ(Splash(), nullptr);
        splash = Window1::Shared();
    }
    void TearDown() override {
        splash.reset();
        RuntimeReleaseModuleObjects();
        RuntimeCancelQuit();
    }

    QWidget& Content() const { return *ContentOf(*splash); }

    TempBundle bundleWithoutResources;
    std::shared_ptr<Window1> splash;
};

TEST_F(SplashTest, IsAPlainBoxCentredOnTheMainScreen) {
    auto screen = Screen::At(0);
    ASSERT_NE(screen, nullptr);
    const int left = (screen->Width() - 256) / 2, top = (screen->Height() - 256) / 2;

    EXPECT_EQ(TopLevelOf(*splash)->geometry(), QRect(left, top, 256, 256));
    EXPECT_EQ(Content().geometry().size(), QSize(256, 256));
    EXPECT_TRUE(TopLevelOf(*splash)->isVisible());
    EXPECT_TRUE(TopLevelOf(*splash)->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(TopLevelOf(*splash)->windowTitle(), "Quillomar");
    EXPECT_EQ(RuntimeFrontmostWindow(), splash);
}

TEST_F(SplashTest, APressAndReleaseShowsTheGameWindowAndHidesTheSplashForGood) {
    QTest::mouseClick(&Content(), Qt::LeftButton, {}, QPoint(200, 30));

    EXPECT_TRUE(GameWindowShown());
    EXPECT_EQ(RuntimeFrontmostWindow(), GameWindow());
    EXPECT_FALSE(TopLevelOf(*splash)->isVisible());
    // Hidden, not closed: the framework still holds the same splash.
    EXPECT_EQ(GetImplicitWindow("Window1.Window1"), splash);
    EXPECT_FALSE(RuntimeQuitRequested());
}

TEST_F(SplashTest, OnlyTheReleaseOfAPressInsideDoesIt) {
    QTest::mouseRelease(&Content(), Qt::LeftButton, {}, QPoint(128, 128));
    EXPECT_FALSE(GameWindowShown());

    QTest::mousePress(&Content(), Qt::LeftButton, {}, QPoint(128, 128));
    EXPECT_FALSE(GameWindowShown());
    EXPECT_TRUE(TopLevelOf(*splash)->isVisible());

    QTest::mouseRelease(&Content(), Qt::LeftButton, {}, QPoint(128, 128));
    EXPECT_TRUE(GameWindowShown());
    EXPECT_FALSE(TopLevelOf(*splash)->isVisible());
}

TEST_F(SplashTest, WithoutItsPictureItIsAPlainWindowThatStillAnswersAClick) {
    EXPECT_EQ(splash->Backdrop(), nullptr);
    EXPECT_FALSE(Content().grab().isNull());  // paints without a picture
    EXPECT_EQ(TopLevelOf(*splash)->size(), QSize(256, 256));

    QTest::mouseClick(&Content(), Qt::LeftButton, {}, QPoint(5, 250));
    EXPECT_TRUE(GameWindowShown());
    EXPECT_FALSE(splash->Visible());
}

TEST_F(SplashTest, ItsMenuEntriesAreTheApplicationsOwn) {
    EXPECT_EQ(splash->mnuReset(), mnuReset());
    EXPECT_EQ(splash->mnuAbout(), mnuAbout());
    EXPECT_EQ(splash->mnuHvH(), mnuHvH());
    EXPECT_EQ(splash->FileQuit(), Menu::Shared()->Lookup("FileQuit"));
    EXPECT_EQ(splash->mnuGame()->Text(), "Options");
    EXPECT_EQ(splash->UntitledMenu1(), nullptr);  // no entry carries that name

    // Disabled through the application's accessor, disabled as the splash sees it.
    mnuReset()->SetEnabled(false);
    EXPECT_FALSE(splash->mnuReset()->Enabled());
    mnuReset()->SetEnabled(true);
}

TEST(Splash, ShowsItsPictureFromTheBundle) {
    InFreshProcess([] {
        TempBundle bundle;
        bundle.PutPicture("Splash.bmp", HalfWhite(Qt::darkBlue, 256, 256));
        NewAppInstance();
        auto splash = Window1::Shared();

        EXPECT_EQ(splash->Backdrop(), Splash());
        const QImage shown = ContentOf(*splash)->grab().toImage();
        EXPECT_EQ(shown.pixelColor(20, 128), QColor(Qt::white));
        EXPECT_EQ(shown.pixelColor(200, 128), QColor(Qt::darkBlue));
    });
}

}  // namespace
