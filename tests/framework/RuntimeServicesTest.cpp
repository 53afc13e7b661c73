// The run's services: exceptions that escape a handler, start-up, random numbers, the Double to Int32
// conversion, opening web addresses and the background-task yield.
#include "FrameworkTest.h"
#include "framework/Delegate.h"
#include "framework/Menu.h"

#include <QDesktopServices>
#include <QObject>
#include <QTimer>
#include <QUrl>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

// Records the addresses that the desktop was asked to open.
class UrlReceiver : public QObject {
    Q_OBJECT
  public:
    QStringList opened;
  public slots:
    void Open(const QUrl& url) { opened << url.toString(); }
};

// Each of its handlers raises NilObjectException, as a handler does that meets a nil object.
class FailingWindow : public TestWindow<FailingWindow> {
  public:
    static constexpr const char* kClassName = "Tests.FailingWindow";
    void Layout() override { SetProperties(*this, {{"Width", 100}, {"Height", 100}, {"Frame", 5}}); }
    void CreateControls() override {
        auto canvas = MakeControl<Canvas>(*this, "Canvas1", Bounds(10, 10, 80, 80));
        InstallInstanceEventHandler(
            *canvas, "MouseDown",
            RuntimeCreateDelegate(this, &FailingWindow::Down, "( Int32, Int32 ) as Boolean"));
        InstallInstanceEventHandler(*canvas, "MouseUp",
                                    RuntimeCreateDelegate(this, &FailingWindow::Up, "( Int32, Int32 )"));
        InstallInstanceEventHandler(*canvas, "Paint",
                                    RuntimeCreateDelegate(this, &FailingWindow::Paint, "( Graphics )"));
        InstallInstanceEventHandler(*MakeControl<PushButton>(*this, "Button", Bounds(10, 10, 10, 10)),
                                    "Action", RuntimeCreateDelegate(this, &FailingWindow::Action, "(  )"));
    }
    void AddMenuHandlers(Window& window) override {
        window.AddMenuHandler("mnuFail",
                              RuntimeCreateDelegate(this, &FailingWindow::mnuFail_Action, "(  ) as Boolean"));
    }

    bool Down(int32_t, int32_t) { return true; }
    void Up(int32_t, int32_t) { RaiseNilObjectException(); }
    void Paint(Graphics&) {
        if (failPaint) RaiseNilObjectException();
    }
    void Action() { throw 42; }
    bool mnuFail_Action() { RaiseNilObjectException(); }

    bool failPaint = false;
};

class UnhandledExceptions : public FrameworkTest {
  protected:
    void SetUp() override {
        window = ImplicitWindow<FailingWindow>();
        window->Show();
        testing::internal::CaptureStderr();
    }
    // What was reported: one sentence on one line.
    std::string Report() {
        std::string report = testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 1) << report;
        EXPECT_TRUE(report.size() >= 2 && report.substr(report.size() - 2) == ".\n") << report;
        EXPECT_TRUE(RuntimeQuitRequested());
        EXPECT_NE(RuntimeExitStatus(), 0);
        return report;
    }
    std::shared_ptr<FailingWindow> window;
};

int startups = 0;
void Startup() {
    ++startups;
}

} // namespace

TEST_F(UnhandledExceptions, FromAPaintHandlerAreReportedAndEndTheRun) {
    window->failPaint = true;
    ContentOf(*window)->grab();
    EXPECT_NE(Report().find("NilObjectException"), std::string::npos);
}

TEST_F(UnhandledExceptions, FromAMouseUpHandlerAreReportedAndEndTheRun) {
    Click(*window, 50, 50);
    EXPECT_NE(Report().find("NilObjectException"), std::string::npos);
}

TEST_F(UnhandledExceptions, FromAMenuCommandChosenByKeyAreReportedAndEndTheRun) {
    auto bar = std::make_shared<MenuBar>();
    auto menu = std::make_shared<MenuItem>();
    bar->Append(menu);
    auto item = std::make_shared<MenuItem>();
    item->SetName("mnuFail");
    item->SetKeyboardShortcut("Cmd+F");
    menu->Append(item);
    window->SetMenuBar(bar);
    QTest::keyClick(TopLevelOf(*window), Qt::Key_F, Qt::ControlModifier);
    EXPECT_NE(Report().find("NilObjectException"), std::string::npos);
}

TEST_F(UnhandledExceptions, OfAnUnknownKindAreReportedToo) {
    Cast<PushButton>(RuntimeWindowControlByName(*window, "Button"))->Push();
    EXPECT_NE(Report().find("unknown"), std::string::npos);
}

TEST_F(UnhandledExceptions, OutrankAQuitAlreadyAskedFor) {
    Quit(0);
    Click(*window, 50, 50);
    Report();
}

TEST_F(UnhandledExceptions, InTheEventLoopEndIt) {
    QTimer failsafe;
    failsafe.callOnTimeout([] { QCoreApplication::exit(99); });
    failsafe.start(5000);
    QTimer::singleShot(0, [this] { Click(*window, 50, 50); });
    RuntimeRun();
    EXPECT_NE(Report().find("NilObjectException"), std::string::npos);
    EXPECT_EQ(RuntimeExitStatus(), 1);
}

using EventLoop = FrameworkTest;

TEST_F(EventLoop, RunsUntilQuit) {
    QTimer failsafe;
    failsafe.callOnTimeout([] { QCoreApplication::exit(99); });
    failsafe.start(5000);
    bool ran = false;
    QTimer::singleShot(0, [&] {
        ran = true;
        Quit(0);
    });
    RuntimeRun();
    EXPECT_TRUE(ran);
    EXPECT_TRUE(RuntimeQuitRequested());
    EXPECT_EQ(RuntimeExitStatus(), 0);
}

TEST_F(EventLoop, ReturnsAtOnceWhenQuitCameFirst) {
    Quit(3);
    RuntimeRun(); // would wait for ever
    EXPECT_EQ(RuntimeExitStatus(), 3);
    Quit(4);
    EXPECT_EQ(RuntimeExitStatus(), 3) << "the first reason to end the run is the one reported";
}

TEST(Screens, GiveTheMainScreenAndNilForOnesThatDoNotExist) {
    auto main = Screen::At(0);
    ASSERT_NE(main, nullptr);
    EXPECT_GT(main->Width(), 0);
    EXPECT_GT(main->Height(), 0);
    EXPECT_EQ(Screen::At(-1), nullptr);
    EXPECT_EQ(Screen::At(99), nullptr);
}

TEST(Startup, RunsTheCallbackOnceAndANilCallbackNotAtAll) {
    startups = 0;
    RunFrameworkInitialization(RuntimeCreateDelegate(&Startup, "(  )"));
    EXPECT_EQ(startups, 1);
    EXPECT_NO_THROW(RunFrameworkInitialization(nullptr));
    EXPECT_EQ(startups, 1);
}

TEST(RandomNumbers, LieInZeroToOneAndRepeatForTheSameSeed) {
    RndSeed(7);
    double sum = 0;
    for (int i = 0; i < 10000; ++i) {
        const double value = Rnd();
        ASSERT_GE(value, 0.0);
        ASSERT_LT(value, 1.0);
        sum += value;
    }
    EXPECT_NEAR(sum / 10000, 0.5, 0.02);

    auto sequence = [](uint64_t seed) {
        RndSeed(seed);
        std::vector<double> values;
        for (int i = 0; i < 5; ++i)
            values.push_back(Rnd());
        return values;
    };
    EXPECT_EQ(sequence(42), sequence(42));
    EXPECT_NE(sequence(42), sequence(43));
}

TEST(DoubleToInt32, TruncatesSaturatesAndMakesNaNZero) {
    EXPECT_EQ(ToInt32(9.99), 9);
    EXPECT_EQ(ToInt32(-1.5), -1);
    EXPECT_EQ(ToInt32(0.5), 0);
    EXPECT_EQ(ToInt32(-0.99), 0);
    EXPECT_EQ(ToInt32(99.5), 99);
    EXPECT_EQ(ToInt32(2147483646.9), 2147483646);
    EXPECT_EQ(ToInt32(1e10), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(ToInt32(-1e10), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(ToInt32(std::numeric_limits<double>::infinity()), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(ToInt32(-std::numeric_limits<double>::infinity()), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(ToInt32(std::nan("")), 0);
}

class ShowingAddresses : public testing::Test {
  protected:
    void SetUp() override {
        for (const char* scheme : {"https", "http", "file", "javascript", "ftp"})
            QDesktopServices::setUrlHandler(scheme, &receiver, "Open");
    }
    void TearDown() override {
        for (const char* scheme : {"https", "http", "file", "javascript", "ftp"})
            QDesktopServices::unsetUrlHandler(scheme);
    }
    UrlReceiver receiver;
};

TEST_F(ShowingAddresses, HandsAWebAddressToTheDesktop) {
    EXPECT_TRUE(ShowURL("https://example.com/quillomar?from=about"));
    EXPECT_EQ(receiver.opened, QStringList{"https://example.com/quillomar?from=about"});
}

TEST_F(ShowingAddresses, RefusesTextsThatAreNoWebAddress) {
    for (const std::string text : {"", "not a url", "javascript:alert(1)", "file:///etc/passwd", "https://",
                                   "ftp://example.com/", "example.com", "https://exa mple.com/"})
        EXPECT_FALSE(ShowURL(text)) << '"' << text << '"';
    EXPECT_TRUE(receiver.opened.isEmpty()) << receiver.opened.join(", ").toStdString();
}

TEST(BackgroundTask, CountsItsCallsAndDispatchesNoEvent) {
    bool dispatched = false;
    QMetaObject::invokeMethod(
        qApp, [&] { dispatched = true; }, Qt::QueuedConnection);
    const int64_t before = RuntimeBackgroundTaskCount();
    for (int i = 0; i < 15; ++i)
        RuntimeBackgroundTask();
    EXPECT_EQ(RuntimeBackgroundTaskCount(), before + 15);
    EXPECT_FALSE(dispatched) << "a user event ran inside the yield";
    QCoreApplication::processEvents();
    EXPECT_TRUE(dispatched);
}

#include "RuntimeServicesTest.moc"
