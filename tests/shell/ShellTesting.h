#pragma once
// What the shell's tests share: a bundle of their own on disk, and fresh copies of the test program for what
// lives for a whole run (the picture caches, the class records, the shared bar, the application object).

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>

#include "framework/Application.h"
#include "framework/FolderItem.h"
#include "shell/App.h"
#include "shell/Startup.h"

// <root>/bin/quillomar beside <root>/Resources: the program believes it runs from there while this lives.
class TempBundle {
public:
    TempBundle() {
        std::string pattern = (std::filesystem::temp_directory_path() / "quillomar-shell-XXXXXX").string();
        root_ = mkdtemp(pattern.data());
        RuntimeSetApplicationFile(root_ / "bin" / "quillomar");
    }
    ~TempBundle() {
        RuntimeSetApplicationFile({});
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }

    std::filesystem::path Resources() const { return root_ / "Resources"; }
    // A 16 by 16 picture, white on its left half and `right` on the other.
    void PutPicture(const std::string& name, QColor right) const {
        QImage image(16, 16, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter(&image).fillRect(8, 0, 8, 16, right);
        std::filesystem::create_directories(Resources());
        ASSERT_TRUE(image.save(QString::fromStdString((Resources() / name).string()), "BMP"));
    }

private:
    std::filesystem::path root_;
};

// In this process: the application object with the shared bar, and a bundle without pictures, so that no
// picture gets loaded and kept for the rest of the run.
class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!App::Shared()) NewAppInstance();
    }
    void TearDown() override {
        RuntimeReleaseModuleObjects();
        RuntimeCancelQuit();
    }
    TempBundle bundleWithoutPictures;
};

// Runs `run` in a new copy of this test program and exits with its status, as main() does. gtest shows
// nothing that fails in such a child, so its failed expectations go to standard error and make the status 98.
template <class Predicate>
void ExpectInFreshProcess(const std::function<int()>& run, Predicate ends, const std::string& stderrPattern) {
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
    EXPECT_EXIT(std::exit(reporting()), ends, stderrPattern);
}

// The same for a body that only checks; the runtime ends as the test program's main() ends it.
inline void InFreshProcess(const std::function<void()>& body) {
    ExpectInFreshProcess(
        [&] {
            body();
            RuntimeReleaseModuleObjects();
            RuntimeExit();
            return 0;
        },
        testing::ExitedWithCode(0), "");
}
