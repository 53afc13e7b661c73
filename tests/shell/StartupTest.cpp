// The program's run as main() drives it: class records, start-up, the menus right after it, the order in
// which the module-level objects go at the end, and what an exception that nothing caught does to the run.
// Every case is a whole run, so each has a fresh process.

#include "shell/Startup.h"

#include <QTest>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "ShellTesting.h"
#include "dialogs/Dialog2.h"
#include "dialogs/Dialog3.h"
#include "dialogs/Dialog4.h"
#include "framework/Application.h"
#include "framework/Controls.h"
#include "framework/FileType.h"
#include "framework/Menu.h"
#include "framework/Window.h"
#include "framework/qt/Bridge.h"
#include "game/Dialog1.h"
#include "shell/App.h"
#include "shell/FileTypes.h"
#include "shell/Menu.h"
#include "shell/Window1.h"

namespace {

// What main() does after RuntimeInit, which the test program has done already; the status is what main
// returns.
int32_t RunAsMain() {
    ModuleInitialize();
    Main();
    ModuleFinalize();
    std::fputs("finalised\n", stderr);
    return RuntimeExit();
}

// Ends a run that is left waiting, so that a fault shows as a failure rather than a hang.
void QuitIfStillRunningAfter(int milliseconds) {
    QTimer::singleShot(milliseconds, [] {
        ADD_FAILURE() << "the run did not end by itself";
        Quit(99);
    });
}

size_t Position(const std::vector<std::string>& names, const std::string& name) {
    return static_cast<size_t>(std::find(names.begin(), names.end(), name) - names.begin());
}

TEST(Startup, ClassRecordsAreTheFrameworksThenTheProgramsNineInOrder) {
    InFreshProcess([] {
        ModuleInitialize();
        const std::vector<std::string> names = ClassRegistry::Names();
        const std::vector<std::string> program = {Window1::Lookup().Name(),
                                                  Menu::Lookup().Name(),
                                                  Dialog1::Lookup().Name(),
                                                  Dialog1::Canvas2::Lookup().Name(),
                                                  Dialog1::Canvas1::Lookup().Name(),
                                                  Dialog2::Lookup().Name(),
                                                  Dialog3::Lookup().Name(),
                                                  Dialog4::Lookup().Name(),
                                                  App::Lookup().Name()};
        for (size_t i = 1; i < program.size(); ++i)
            EXPECT_LT(Position(names, program[i - 1]), Position(names, program[i])) << program[i];
        for (const char* framework : {"Window", "MenuBar", "Canvas", "FileType", "Application"})
            EXPECT_LT(Position(names, framework), Position(names, program.front())) << framework;

        // Records only: nothing of the program exists yet.
        EXPECT_EQ(GetAppObject(), nullptr);
        EXPECT_TRUE(RuntimeWindowsFrontToBack().empty());
        EXPECT_TRUE(FileType::RegisteredTypes().empty());
    });
}

TEST(Startup, BringsUpTheFileTypeTheApplicationWithItsBarAndTheSplash) {
    ExpectInFreshProcess(
        [] {
            TempBundle bundle;
            QTimer::singleShot(0, [] {
                // The first pass of the event loop: start-up is over.
                ASSERT_EQ(FileType::RegisteredTypes().size(), 1u);
                EXPECT_EQ(FileType::RegisteredTypes().front(), FileTypes::pText.get());

                auto app = App::Shared();
                ASSERT_NE(app, nullptr);
                EXPECT_EQ(App::Shared(), app);
                EXPECT_EQ(app->MenuBar(), Menu::Shared());

                // The splash is the only window, and the bar it was given is the application's.
                auto windows = RuntimeWindowsFrontToBack();
                ASSERT_EQ(windows.size(), 1u);
                EXPECT_EQ(windows.front(), GetImplicitWindow("Window1.Window1"));
                EXPECT_EQ(windows.front()->MenuBar(), app->MenuBar());
                EXPECT_TRUE(TopLevelOf(*windows.front())->isVisible());
                Quit(0);
            });
            QuitIfStillRunningAfter(5000);
            return RunAsMain();
        },
        testing::ExitedWithCode(0), "finalised");
}

TEST(Startup, WhileOnlyTheSplashIsUpNothingButQuitDoesAnythingAndQuitEndsTheRunWithStatus0) {
    ExpectInFreshProcess(
        [] {
            TempBundle bundle;
            QTimer::singleShot(0, [] {
                auto splash = GetImplicitWindow("Window1.Window1");
                ASSERT_NE(splash, nullptr);
                QWidget& top = *TopLevelOf(*splash);
                for (const char* name : {"UntitledMenu0", "mnuReset", "mnuD2", "mnuGame", "mnuSwitch",
                                         "mnuDash", "mnuHvH", "mnuHvC", "mnuDash2", "mnuShapes", "mnuAbout"})
                    EXPECT_FALSE(RuntimeChooseMenuItem(NotNil(Menu::Shared()->Lookup(name)))) << name;
                for (Qt::Key key : {Qt::Key_N, Qt::Key_T, Qt::Key_2, Qt::Key_1, Qt::Key_S, Qt::Key_A})
                    QTest::keyClick(&top, key, Qt::ControlModifier);

                EXPECT_EQ(RuntimeWindowsFrontToBack(), std::vector<std::shared_ptr<Window>>{splash});
                EXPECT_EQ(GetImplicitWindow(Dialog1::Lookup().Name()), nullptr);
                EXPECT_FALSE(RuntimeQuitRequested());

                QTest::keyClick(&top, Qt::Key_Q, Qt::ControlModifier);
            });
            QuitIfStillRunningAfter(5000);
            return RunAsMain();
        },
        testing::ExitedWithCode(0), "finalised");
}

// What the riders below look at as they go.
struct Watched {
    std::weak_ptr<Menu> bar;
    std::weak_ptr<::Window> splash;
};
struct Sighting {
    bool fileTypeRegistered = false;
    bool barAlive = false;
    bool splashAlive = false;
};
Sighting Look(const Watched& watched) {
    return {!FileType::RegisteredTypes().empty(), !watched.bar.expired(), !watched.splash.expired()};
}

// Rides on the splash, so it goes when the framework lets go of its windows.
class SplashRider : public Canvas {
public:
    ~SplashRider() override { *seen = Look(*watched); }
    std::shared_ptr<const Watched> watched;
    std::shared_ptr<Sighting> seen = std::make_shared<Sighting>();
};

// Rides on the bar, so it goes with the bar.
class BarRider : public MenuItem {
public:
    ~BarRider() override { *seen = Look(*watched); }
    std::shared_ptr<const Watched> watched;
    std::shared_ptr<Sighting> seen = std::make_shared<Sighting>();
};

TEST(Startup, AtTheEndTheFrameworksObjectsGoFirstThenTheFileTypeThenTheBar) {
    InFreshProcess([] {
        TempBundle bundle;
        ModuleInitialize();
        Startup();

        auto watched = std::make_shared<const Watched>(Watched{Menu::Shared(), Window1::Shared()});
        auto onSplash = Window1::Shared()->New<SplashRider>();
        onSplash->Constructor();
        onSplash->watched = watched;
        Window1::Shared()->AddControl("Rider", onSplash);
        auto onBar = std::make_shared<BarRider>();
        onBar->watched = watched;
        Menu::Shared()->Append(onBar);
        auto seenBySplash = onSplash->seen, seenByBar = onBar->seen;
        onSplash.reset();
        onBar.reset();
        // The application object stays with the framework until the runtime ends; let go of its bar so that
        // the program's own release is what ends the bar.
        NotNil(App::Shared()).SetMenuBar(nullptr);

        ModuleFinalize();

        EXPECT_TRUE(seenBySplash->fileTypeRegistered) << "the file type went before the framework's windows";
        EXPECT_TRUE(seenBySplash->barAlive) << "the bar went before the framework's windows";
        EXPECT_FALSE(seenByBar->fileTypeRegistered) << "the file type outlived the bar";
        EXPECT_FALSE(seenByBar->splashAlive);
        EXPECT_TRUE(watched->bar.expired());
        EXPECT_TRUE(watched->splash.expired());
        EXPECT_EQ(FileTypes::pText, nullptr);
    });
}

// A failed run: main() returned a non-zero status, and it was not a failed expectation in the child.
bool FailedStatus(int status) {
    return WIFEXITED(status) && WEXITSTATUS(status) != 0 && WEXITSTATUS(status) != 98;
}

TEST(Startup, AnExceptionOutOfStartUpIsReportedAndTheRunEndsAfterFinalisation) {
    ExpectInFreshProcess(
        [] {
            // A program that stands at the root of the file system has no bundle: building the splash raises
            // the nil-object exception inside start-up.
            RuntimeSetApplicationFile("/quillomar");
            QTimer::singleShot(0, [] { std::fputs("the event loop ran\n", stderr); });
            return RunAsMain();
        },
        FailedStatus, "NilObjectException[^\n]*\\.\nfinalised\n$");
}

TEST(Startup, AnExceptionOutOfAClickIsReportedAndTheRunEndsAfterFinalisation) {
    ExpectInFreshProcess(
        [] {
            TempBundle bundle;
            QTimer::singleShot(0, [] {
                auto splash = GetImplicitWindow("Window1.Window1");
                // The bundle is gone from under the program: building the game window raises inside the
                // click.
                RuntimeSetApplicationFile("/quillomar");
                QTest::mouseClick(ContentOf(NotNil(splash)), Qt::LeftButton, {}, QPoint(128, 128));
                if (splash->Visible()) std::fputs("splash still shown\n", stderr);
            });
            QuitIfStillRunningAfter(5000);
            return RunAsMain();
        },
        FailedStatus, "NilObjectException[^\n]*\\.\nsplash still shown\nfinalised\n$");
}

}  // namespace
