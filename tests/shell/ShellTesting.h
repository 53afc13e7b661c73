#pragma once
// What the shell's tests share: a bundle of their own on disk, and a fresh copy of the test program for what
// lives for a whole run (the picture caches, the shared menu bar, the application object).

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "framework/Application.h"
#include "framework/FolderItem.h"

// A bundle in a temporary folder: <root>/bin/quillomar beside <root>/Resources. The program is made to
// believe it runs from there for as long as the bundle exists.
class TempBundle {
public:
    TempBundle() {
        std::string pattern = (std::filesystem::temp_directory_path() / "quillomar-shell-XXXXXX").string();
        root_ = mkdtemp(pattern.data());
        std::filesystem::create_directories(root_ / "bin");
        RuntimeSetApplicationFile(root_ / "bin" / "quillomar");
    }
    ~TempBundle() {
        RuntimeSetApplicationFile({});
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    TempBundle(const TempBundle&) = delete;
    TempBundle& operator=(const TempBundle&) = delete;

    std::filesystem::path Resources() const { return root_ / "Resources"; }
    void MakeResources() const { std::filesystem::create_directories(Resources()); }

    void PutPicture(const std::string& name, const QImage& image) const {
        MakeResources();
        ASSERT_TRUE(image.save(QString::fromStdString((Resources() / name).string()), "BMP"));
    }
    void PutBytes(const std::string& name, const std::string& bytes) const {
        MakeResources();
        std::FILE* file = std::fopen((Resources() / name).c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }

private:
    std::filesystem::path root_;
};

// A small picture: white on the left half, the colour on the right.
inline QImage HalfWhite(QColor colour, int width = 16, int height = 16) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < height; ++y)
        for (int x = width / 2; x < width; ++x)
            image.setPixelColor(x, y, colour);
    return image;
}

// Runs the body with its failed expectations gathered and written to standard error, where the test that
// started this process sees them (gtest reports nothing itself from such a process). Gives the body's status,
// or 98 when an expectation failed.
inline int ReportingFailures(const std::function<int()>& body) {
    testing::TestPartResultArray failures;
    int status = 0;
    {
        testing::ScopedFakeTestPartResultReporter gather(
            testing::ScopedFakeTestPartResultReporter::INTERCEPT_ALL_THREADS, &failures);
        status = body();
    }
    for (int i = 0; i < failures.size(); ++i) {
        const testing::TestPartResult& failure = failures.GetTestPartResult(i);
        std::fprintf(stderr, "%s:%d: %s\n", failure.file_name() ? failure.file_name() : "?",
                     failure.line_number(), failure.message());
    }
    return failures.size() > 0 ? 98 : status;
}

// Runs `run` in a new copy of this test program (gtest starts it again, up to this point, in a child
// process), for what lives for a whole run: the picture caches, the class records, the shared bar, the
// application object. The child exits with what `run` returns, through exit() as main() does; `ends` judges
// that status and `stderrPattern` what the child wrote on standard error.
template <class Predicate>
void ExpectInFreshProcess(const std::function<int()>& run, Predicate ends, const std::string& stderrPattern) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::exit(ReportingFailures(run)), ends, stderrPattern);
}

// The same for a body that only checks: it passes when no expectation in it failed. The runtime ends as the
// test program's own main() ends it.
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
