// Whole runs as main() drives them, each in a fresh process: class records, start-up, the run, the release
// of the module-level objects, and what an exception that nothing caught does to the run.

#include "shell/Startup.h"

#include <QTest>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "ShellTesting.h"
#include "framework/Controls.h"
#include "framework/FileType.h"
#include "framework/Menu.h"
#include "framework/Window.h"
#include "framework/qt/Bridge.h"
#include "game/Dialog1.h"
#include "shell/FileTypes.h"
#include "shell/Menu.h"
#include "shell/Window1.h"

namespace {

// What main() does after RuntimeInit, which the test program has done already.
int32_t RunAsMain() {
    ModuleInitialize();
    Main();
    ModuleFinalize();
    std::fputs("finalised\n", stderr);
    return RuntimeExit();
}

// A run left waiting shows as a failure rather than a hang.
void QuitIfStillRunningAfter(int milliseconds) {
    QTimer::singleShot(milliseconds, [] {
        ADD_FAILURE() << "the run did not end by itself";
        Quit(99);
    });
}

using Windows = std::vector<std::shared_ptr<Window>>;

TEST(Startup, BringsUpTheFileTypeAndTheSplashWhereOnlyQuitAnswersAndEndsTheRunWith0) {
    ExpectInFreshProcess(
        [] {
            TempBundle bundle;
            QTimer::singleShot(0, [] {
                // The first pass of the event loop: start-up is over.
                ASSERT_EQ(FileType::RegisteredTypes(), std::vector<const FileType*>{FileTypes::pText.get()});
                const FileType& type = *FileTypes::pText;
                EXPECT_EQ(std::make_tuple(type.Name(), type.Extensions(), type.MacType(), type.MacCreator()),
                          std::make_tuple("text", "", "TEXT", "R*ch"));

                auto splash = GetImplicitWindow("Window1.Window1");
                ASSERT_EQ(RuntimeWindowsFrontToBack(), Windows{splash});
                QWidget& top = *TopLevelOf(*splash);
                EXPECT_TRUE(top.isVisible());

                // No window has bound a command yet.
                for (const char* name : {"UntitledMenu0", "mnuReset", "mnuD2", "mnuGame", "mnuSwitch", "mnuDash",
                                         "mnuHvH", "mnuHvC", "mnuDash2", "mnuShapes", "mnuAbout"})
                    EXPECT_FALSE(RuntimeChooseMenuItem(NotNil(Menu::Shared()->Lookup(name)))) << name;
                for (Qt::Key key : {Qt::Key_N, Qt::Key_T, Qt::Key_2, Qt::Key_1, Qt::Key_S, Qt::Key_A})
                    QTest::keyClick(&top, key, Qt::ControlModifier);
                EXPECT_EQ(RuntimeWindowsFrontToBack(), Windows{splash});
                EXPECT_EQ(GetImplicitWindow(Dialog1::Lookup().Name()), nullptr);
                EXPECT_FALSE(RuntimeQuitRequested());

                QTest::keyClick(&top, Qt::Key_Q, Qt::ControlModifier);
            });
            QuitIfStillRunningAfter(5000);
            return RunAsMain();
        },
        testing::ExitedWithCode(0), "finalised");
}

// Each notes, as it goes, which module-level objects are still there.
struct Sighting {
    bool fileType = false, bar = false, splash = false;
};
std::weak_ptr<Menu> watchedBar;
std::weak_ptr<Window> watchedSplash;
template <class Base> class Rider : public Base {
public:
    ~Rider() override {
        *seen = {!FileType::RegisteredTypes().empty(), !watchedBar.expired(), !watchedSplash.expired()};
    }
    std::shared_ptr<Sighting> seen = std::make_shared<Sighting>();
};

TEST(Startup, RecordsComeTheFrameworksFirstThenTheProgramsNineInOrderAndTheObjectsGoInOrderAtTheEnd) {
    InFreshProcess([] {
        TempBundle bundle;
        ModuleInitialize();
        const std::vector<std::string> names = ClassRegistry::Names();
        ASSERT_GT(names.size(), 9u);
        std::string last;  // the program's nine, after every record of the framework
        for (auto name = names.end() - 9; name != names.end(); ++name)
            last += *name + " ";
        EXPECT_EQ(last, "Window1.Window1 Menu Dialog1.Dialog1 Dialog1.Canvas2 Dialog1.Canvas1 Dialog2.Dialog2 "
                        "Dialog3.Dialog3 Dialog4.Dialog4 App ");
        EXPECT_EQ(GetAppObject(), nullptr);  // records only
        EXPECT_TRUE(RuntimeWindowsFrontToBack().empty());
        EXPECT_TRUE(FileType::RegisteredTypes().empty());

        Startup();
        watchedBar = Menu::Shared();
        watchedSplash = Window1::Shared();
        auto onSplash = Window1::Shared()->New<Rider<Canvas>>();  // goes with the framework's windows
        onSplash->Constructor();
        Window1::Shared()->AddControl("Rider", onSplash);
        auto onBar = std::make_shared<Rider<MenuItem>>();  // goes with the bar
        Menu::Shared()->Append(onBar);
        auto bySplash = onSplash->seen, byBar = onBar->seen;
        onSplash.reset();
        onBar.reset();
        // The framework keeps the application object until the runtime ends: so that the program's own
        // release is what ends the bar, the application lets go of it.
        NotNil(App::Shared()).SetMenuBar(nullptr);

        ModuleFinalize();

        EXPECT_TRUE(bySplash->fileType) << "the file type went before the framework's windows";
        EXPECT_TRUE(bySplash->bar) << "the bar went before the framework's windows";
        EXPECT_FALSE(byBar->fileType) << "the file type outlived the bar";
        EXPECT_FALSE(byBar->splash);
        EXPECT_TRUE(watchedBar.expired());
        EXPECT_TRUE(watchedSplash.expired());
        EXPECT_EQ(FileTypes::pText, nullptr);
    });
}

// main() returned a non-zero status, and not for a failed expectation in the child.
bool FailedStatus(int status) { return WIFEXITED(status) && WEXITSTATUS(status) != 0 && WEXITSTATUS(status) != 98; }

TEST(Startup, AnExceptionOutOfStartUpOrAClickIsReportedInOneSentenceAndTheRunEndsAfterFinalisation) {
    // A program at the root of the file system has no bundle: building a window raises NilObjectException.
    ExpectInFreshProcess(
        [] {
            RuntimeSetApplicationFile("/quillomar");
            QTimer::singleShot(0, [] { std::fputs("the event loop ran\n", stderr); });
            return RunAsMain();
        },
        FailedStatus, "NilObjectException[^\n]*\\.\nfinalised\n$");
    ExpectInFreshProcess(
        [] {
            TempBundle bundle;
            QTimer::singleShot(0, [] {
                auto splash = GetImplicitWindow("Window1.Window1");
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
