#include "framework/Application.h"

#include <QApplication>
#include <QDesktopServices>
#include <QScreen>
#include <QUrl>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string_view>
#include <vector>

#include "framework/Delegate.h"
#include "framework/Menu.h"
#include "framework/ResourceFork.h"
#include "framework/qt/Runtime.h"

namespace {
struct RuntimeState {
    // Deleted by RuntimeExit only: a process that ends without it must not tear Qt down among the statics.
    QApplication* application = nullptr;
    std::shared_ptr<Application> appObject;
    int32_t exitStatus = 0;
    bool quitRequested = false;
    int64_t backgroundTasks = 0;
    std::mt19937_64 random{std::random_device{}()};
};

RuntimeState& State() {
    static RuntimeState state;
    return state;
}

std::string ProgramName() {
    auto name = QCoreApplication::applicationName().toStdString();
    return name.empty() ? "The program" : name;
}
}  // namespace

const ClassInfo& Application::Lookup() {
    static const ClassInfo& record = ClassRegistry::Register(ClassInfo("Application", &Object::Lookup()));
    return record;
}

std::shared_ptr<::ResourceFork> Application::ResourceFork() const {
    static const auto fork = std::make_shared<::ResourceFork>();
    return fork;
}

namespace {
// What Qt says while it starts, held back until it is known whether it started.
struct StartMessages {
    QtMessageHandler previous = nullptr;
    std::vector<std::string> held;
    std::string platform;  // the platform Qt tries, as given
};

StartMessages& Starting() {
    static StartMessages messages;
    return messages;
}

void ReleaseStartMessages() {
    for (const auto& line : Starting().held)
        std::fprintf(stderr, "%s\n", line.c_str());
    Starting().held.clear();
}

// As Qt picks it: a -platform argument, else QT_QPA_PLATFORM, else the X display.
std::string PlatformTried(int argc, char** argv) {
    std::string platform = "xcb";
    if (const char* named = std::getenv("QT_QPA_PLATFORM"); named && *named) platform = named;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string_view(argv[i]) == "-platform" || std::string_view(argv[i]) == "--platform") platform = argv[++i];
    return platform;
}

// A fatal message while Qt starts means no window can be shown, whatever its words: Qt would abort with a plea
// to reinstall. Instead one sentence names the display or platform tried, and the status is 1.
void HoldStartMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    auto& start = Starting();
    if (type != QtFatalMsg) {
        start.held.push_back(qFormatLogMessage(type, context, message).toStdString());
        return;
    }
    const std::string name = ProgramName();
    const char* display = std::getenv("DISPLAY");
    if (start.platform != "xcb" && !start.platform.starts_with("xcb:"))
        std::fprintf(stderr, "%s cannot show a window: the display platform \"%s\" could not be started.\n",
                     name.c_str(), start.platform.c_str());
    else if (display && *display)
        std::fprintf(stderr, "%s needs a graphical display, but none answered at DISPLAY=\"%s\".\n", name.c_str(),
                     display);
    else
        std::fprintf(stderr, "%s needs a graphical display, but DISPLAY is not set.\n", name.c_str());
    std::_Exit(1);  // Qt is half built: nothing may be torn down
}
}  // namespace

void RuntimeInit(int& argc, char** argv) {
    auto& state = State();
    if (state.application) return;
    Starting().platform = PlatformTried(argc, argv);
    Starting().previous = qInstallMessageHandler(HoldStartMessage);
    // Menu bars belong to their windows; without this each new bar first asks the session bus for a global menu.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    state.application = new QApplication(argc, argv);
    qInstallMessageHandler(Starting().previous);
    ReleaseStartMessages();
    // Windows are the program's to close; the run ends only through Quit.
    QApplication::setQuitOnLastWindowClosed(false);
    InstallShortcutFilter(*state.application);
}

int32_t RuntimeExit() {
    auto& state = State();
    state.appObject.reset();
    delete state.application;
    state.application = nullptr;
    return state.exitStatus;
}

void RunFrameworkInitialization(const std::shared_ptr<Delegate>& startup) {
    if (startup) startup->Invoke<void>();
}

void RuntimeRun() {
    auto& state = State();
    if (state.quitRequested || !state.application) return;
    state.application->exec();
}

void Quit(int32_t code) {
    auto& state = State();
    if (state.quitRequested) return;  // the first reason to end the run is the one reported
    state.quitRequested = true;
    state.exitStatus = code;
    QCoreApplication::exit(code);
}

bool RuntimeQuitRequested() { return State().quitRequested; }

int32_t RuntimeExitStatus() { return State().exitStatus; }

void RuntimeCancelQuit() {
    State().quitRequested = false;
    State().exitStatus = 0;
}

namespace {
void QuitAfterFailure() {
    Quit(1);
    State().exitStatus = 1;  // a failure outranks a quit that was already asked for
}
}  // namespace

void UnhandledException(const std::exception& error) {
    const auto* runtime = dynamic_cast<const RuntimeException*>(&error);
    std::string name = runtime ? runtime->Name() : "exception";
    // stdio, not iostream: the stream library would cost every run memory for this one message.
    std::fprintf(stderr, "%s stopped because of an unhandled %s: %s.\n", ProgramName().c_str(), name.c_str(),
                 error.what());
    QuitAfterFailure();
}

void UnhandledException() {
    std::fprintf(stderr, "%s stopped because of an unhandled exception of unknown kind.\n", ProgramName().c_str());
    QuitAfterFailure();
}

void Guarded(const std::function<void()>& work) {
    try {
        work();
    } catch (const std::exception& error) {
        UnhandledException(error);
    } catch (...) {
        UnhandledException();
    }
}

std::shared_ptr<Application> GetAppObject() { return State().appObject; }

void RuntimeRegisterAppObject(std::shared_ptr<Application> app) { State().appObject = std::move(app); }

void RuntimeBackgroundTask() { ++State().backgroundTasks; }

int64_t RuntimeBackgroundTaskCount() { return State().backgroundTasks; }

double Rnd() { return std::uniform_real_distribution<double>(0.0, 1.0)(State().random); }

void RndSeed(uint64_t seed) { State().random.seed(seed); }

int32_t ToInt32(double value) {
    if (std::isnan(value)) return 0;
    if (value >= 2147483647.0) return std::numeric_limits<int32_t>::max();
    if (value <= -2147483648.0) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);  // truncates toward zero
}

bool ShowURL(const std::string& address) {
    QUrl url(QString::fromStdString(address), QUrl::StrictMode);
    if (!url.isValid() || url.isRelative()) return false;
    const QString scheme = url.scheme().toLower();
    bool web = (scheme == "http" || scheme == "https") && !url.host().isEmpty();
    bool mail = scheme == "mailto" && !url.path().isEmpty();
    if (!web && !mail) return false;
    return QDesktopServices::openUrl(url);
}

const ClassInfo& Screen::Lookup() {
    static const ClassInfo& record = ClassRegistry::Register(ClassInfo("Screen", &Object::Lookup()));
    return record;
}

std::shared_ptr<Screen> Screen::At(int32_t index) {
    const auto screens = QGuiApplication::screens();
    if (index < 0 || index >= screens.size()) return nullptr;
    QScreen* screen = index == 0 ? QGuiApplication::primaryScreen() : screens.at(index);
    if (!screen) return nullptr;
    const QRect area = screen->geometry();
    return std::make_shared<Screen>(area.x(), area.y(), area.width(), area.height());
}
