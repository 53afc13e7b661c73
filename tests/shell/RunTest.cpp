// Whole runs as main() drives them, each in a fresh copy of the test program, for what lives for a whole run
// (the picture caches, the shared bar, the application object, the splash): start-up, the pictures, the end
// of the run, and what an exception that nothing caught does to it.

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QPainter>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <iostream>

#include "framework/Application.h"
#include "framework/FolderItem.h"
#include "framework/Picture.h"
#include "framework/Window.h"
#include "framework/qt/Bridge.h"
#include "shell/Pictures.h"
#include "shell/Startup.h"

namespace fs = std::filesystem;

// <root>/bin/quillomar beside an empty <root>/Resources: the program believes it runs from there while this
// lives.
class TempBundle {
public:
    TempBundle() : root(::mkdtemp((fs::temp_directory_path() / "quillomar-shell-XXXXXX").string().data())) {
        fs::create_directories(root / "Resources");
        RuntimeSetApplicationFile(root / "bin" / "quillomar");
    }
    ~TempBundle() {
        RuntimeSetApplicationFile({});
        fs::remove_all(root);
    }
    const fs::path root;
};

// Runs `run` in a new copy of this test program and exits with its status, as main() does. gtest shows nothing
// that fails in such a child, so its failed expectations go to standard error and make the status 98.
template <class Predicate> void InFreshProcess(const std::function<int()>& run, Predicate ends, const char* pattern) {
    const auto reporting = [&] {
        testing::TestPartResultArray failures;
        testing::ScopedFakeTestPartResultReporter gather(
            testing::ScopedFakeTestPartResultReporter::INTERCEPT_ALL_THREADS, &failures);
        const int status = run();
        for (int i = 0; i < failures.size(); ++i)
            std::cerr << failures.GetTestPartResult(i) << '\n';
        return failures.size() > 0 ? 98 : status;
    };
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::exit(reporting()), ends, pattern);
}

// What main() does after RuntimeInit, which the test program has done already; a run left waiting ends with 99.
int32_t RunAsMain() {
    QTimer::singleShot(5000, [] { Quit(99); });
    ModuleInitialize();
    Main();
    ModuleFinalize();
    std::cerr << "finalised\n";
    return RuntimeExit();
}

// Each picture accessor, its file and the colour of the right half of the file put for it.
const std::vector<std::tuple<std::shared_ptr<Picture> (*)(), const char*, QColor>> kPictures = {
    {Board, "Board.bmp", Qt::darkYellow},
    {pGameOver, "GameOver.bmp", Qt::darkRed},
    {Splash, "Splash.bmp", Qt::darkBlue},
    {MorvLogo2x1, "MorvLogo2x1.bmp", Qt::red}};

TEST(Run, ShowsTheSplashCentredKeepsEachPictureReadOnceAndQuitEndsTheRunWith0AfterFinalisation) {
    InFreshProcess(
        [] {
            TempBundle bundle;
            for (const auto& [picture, file, colour] : kPictures) {
                EXPECT_EQ(picture(), nullptr) << file;  // a miss is tried again
                QImage image(16, 16, QImage::Format_RGB32);
                image.fill(Qt::white);
                QPainter(&image).fillRect(8, 0, 8, 16, colour);
                image.save(QString::fromStdString((bundle.root / "Resources" / file).string()), "BMP");
            }
            const int64_t readsBefore = RuntimePictureFileReads();
            QTimer::singleShot(0, [&] {  // the first pass of the event loop: start-up is over
                auto splash = GetImplicitWindow("Window1.Window1");
                ASSERT_EQ(RuntimeWindowsFrontToBack(), std::vector{splash});
                QWidget& top = *TopLevelOf(*splash);
                auto screen = Screen::At(0);
                EXPECT_EQ(top.geometry(), QRect((screen->Width() - 256) / 2, (screen->Height() - 256) / 2, 256, 256));
                EXPECT_TRUE(top.isVisible() && top.windowFlags().testFlag(Qt::FramelessWindowHint));

                std::vector<std::shared_ptr<Picture>> first;
                for (const auto& [picture, file, colour] : kPictures)
                    first.push_back(picture());
                fs::remove_all(bundle.root / "Resources");
                for (size_t i = 0; i < kPictures.size(); ++i) {
                    const auto& [picture, file, colour] = kPictures[i];
                    EXPECT_EQ(picture(), first[i]) << file;
                    const QImage& image = ImageOf(NotNil(first[i]));
                    EXPECT_EQ(image.pixelColor(2, 2).alpha(), picture == MorvLogo2x1 ? 0 : 255) << file;  // white
                    EXPECT_EQ(image.pixelColor(12, 2), colour) << file;
                }
                EXPECT_EQ(RuntimePictureFileReads(), readsBefore + 4);
                QTest::keyClick(&top, Qt::Key_Q, Qt::ControlModifier);
            });
            return RunAsMain();
        },
        testing::ExitedWithCode(0), "\nfinalised\n$");
}

// main() returned a non-zero status, and not for a failed expectation in the child.
bool FailedStatus(int status) { return WIFEXITED(status) && WEXITSTATUS(status) != 0 && WEXITSTATUS(status) != 98; }

TEST(Run, AnExceptionOutOfStartUpOrAClickIsReportedInOneSentenceAndTheRunEndsAfterFinalisation) {
    // A program at the root of the file system has no bundle: building a window raises NilObjectException.
    InFreshProcess(
        [] {
            RuntimeSetApplicationFile("/quillomar");
            return RunAsMain();
        },
        FailedStatus, "NilObjectException[^\n]*\\.\nfinalised\n$");
    InFreshProcess(
        [] {
            TempBundle bundle;
            QTimer::singleShot(0, [] {
                auto splash = GetImplicitWindow("Window1.Window1");
                RuntimeSetApplicationFile("/quillomar");
                QTest::mouseClick(ContentOf(*splash), Qt::LeftButton, {}, QPoint(128, 128));
                if (splash->Visible()) std::cerr << "splash still shown\n";
            });
            return RunAsMain();
        },
        FailedStatus, "NilObjectException[^\n]*\\.\nsplash still shown\nfinalised\n$");
}
