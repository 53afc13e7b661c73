// The run's services: exceptions that escape a handler, random numbers, the Double to Int32 conversion,
// opening web addresses and the background-task yield.
#include "FrameworkTest.h"

#include <QDesktopServices>
#include <QObject>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <numeric>

namespace {

// Records the addresses that the desktop was asked to open.
class UrlReceiver : public QObject {
    Q_OBJECT
public:
    QStringList opened;
public slots:
    void Open(const QUrl& url) { opened << url.toString(); }
};

// Made only to be gone, so that its menu handler raises NilObjectException.
class GoneWindow : public TestWindow<GoneWindow> {
public:
    static constexpr const char* kClassName = "Tests.GoneWindow";
    bool mnuFail_Action() { return true; }
};

void ThrowNoException() { throw 42; }

}  // namespace

using UnhandledExceptions = FrameworkTest;

TEST_F(UnhandledExceptions, AreReportedInOneSentenceAndEndTheRunWithAFailureStatus) {
    Quit(3);
    Quit(4);
    EXPECT_EQ(RuntimeExitStatus(), 3) << "the first reason to end the run is the one reported";

    // The failing handlers belong to windows that are gone at once, or throw what is no exception.
    auto failing = [](const std::string& event) { return RuntimeNewObject<LogWindow>()->Handler(event); };
    auto window = ImplicitWindow<LogWindow>();
    auto pit = window->Add<Canvas>("Pit", Bounds(10, 10, 40, 40), {"MouseDown"});
    InstallInstanceEventHandler(*pit, "MouseUp", failing("MouseUp"));
    InstallInstanceEventHandler(*window->Add<Canvas>("Orphan", Bounds(10, 60, 40, 40)), "MouseDown",
                                failing("MouseDown"));
    auto button = window->Add<PushButton>("Button", Bounds(60, 10, 30, 20));
    InstallInstanceEventHandler(*button, "Action", RuntimeCreateDelegate(&ThrowNoException, "(  )"));
    window->SetMenuBar(std::make_shared<MenuBar>());
    Entry(*Entry(*window->MenuBar(), "mnuTests", "Tests"), "mnuFail", "Fail", "Cmd+F");
    window->AddMenuHandler("mnuFail", RuntimeCreateDelegate(RuntimeNewObject<GoneWindow>().get(),
                                                            &GoneWindow::mnuFail_Action, "(  ) as Boolean"));
    window->Show();

    const std::vector<std::tuple<const char*, std::function<void()>, const char*>> cases = {
        {"MouseDown", [&] { Click(*window, 20, 70); }, "NilObjectException"},
        {"MouseUp", [&] { Click(*window, 20, 20); }, "NilObjectException"},
        {"a menu command chosen by key", [&] { QTest::keyClick(TopLevelOf(*window), Qt::Key_F, Qt::ControlModifier); },
         "NilObjectException"},
        {"a throw of no exception", [&] { button->Push(); }, "unknown"},
        {"after Quit(0)",
         [&] {
             Quit(0);
             Click(*window, 20, 20);
         },
         "NilObjectException"},
        {"Paint",
         [&] {
             InstallInstanceEventHandler(*pit, "Paint", failing("Paint"));
             ContentOf(*window)->grab();
         },
         "NilObjectException"},
    };
    for (const auto& [what, raise, name] : cases) {
        RuntimeCancelQuit();
        testing::internal::CaptureStderr();
        raise();
        const std::string report = testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 1) << what << ": " << report;
        EXPECT_TRUE(report.ends_with(".\n")) << what << ": " << report;
        EXPECT_NE(report.find(name), std::string::npos) << what << ": " << report;
        EXPECT_TRUE(RuntimeQuitRequested()) << what;
        EXPECT_NE(RuntimeExitStatus(), 0) << what;
    }
}

TEST(RandomNumbers, LieInZeroToOneAndRepeatForTheSameSeed) {
    auto sequence = [](uint64_t seed) {
        RndSeed(seed);
        std::vector<double> values(10000);
        std::generate(values.begin(), values.end(), Rnd);
        return values;
    };
    const std::vector<double> values = sequence(42);
    EXPECT_EQ(values, sequence(42));
    EXPECT_NE(values, sequence(43));
    EXPECT_TRUE(std::all_of(values.begin(), values.end(), [](double value) { return value >= 0 && value < 1; }));
    EXPECT_NEAR(std::accumulate(values.begin(), values.end(), 0.0) / 10000, 0.5, 0.02);
}

TEST(DoubleToInt32, TruncatesSaturatesAndMakesNaNZero) {
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max(), kMin = std::numeric_limits<int32_t>::min();
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    const std::vector<std::pair<double, int32_t>> cases = {
        {9.99, 9},    {-1.5, -1},    {0.5, 0},          {-0.99, 0},         {2147483646.9, 2147483646},
        {1e10, kMax}, {-1e10, kMin}, {kInfinity, kMax}, {-kInfinity, kMin}, {std::nan(""), 0},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(ToInt32(value), expected) << value;
}

TEST(ShowURL, HandsOnlyAWebAddressToTheDesktop) {
    UrlReceiver receiver;
    const char* const schemes[] = {"https", "http", "file", "javascript", "ftp"};
    for (const char* scheme : schemes)
        QDesktopServices::setUrlHandler(scheme, &receiver, "Open");
    for (const std::string text : {"", "not a url", "javascript:alert(1)", "file:///etc/passwd", "https://",
                                   "ftp://example.com/", "example.com", "https://exa mple.com/"})
        EXPECT_FALSE(ShowURL(text)) << '"' << text << '"';
    EXPECT_TRUE(ShowURL("https://example.com/quillomar?from=about"));
    EXPECT_EQ(receiver.opened, QStringList{"https://example.com/quillomar?from=about"});
    for (const char* scheme : schemes)
        QDesktopServices::unsetUrlHandler(scheme);
}

TEST(BackgroundTask, DispatchesNoEvent) {
    bool dispatched = false;
    QTimer::singleShot(0, [&] { dispatched = true; });
    for (int i = 0; i < 15; ++i)
        RuntimeBackgroundTask();
    EXPECT_FALSE(dispatched) << "a user event ran inside the yield";
    QCoreApplication::processEvents();
    EXPECT_TRUE(dispatched);
}

#include "RuntimeServicesTest.moc"
