#pragma once
// The application object, start-up, the event loop and the run's small global services.

#include <cstdint>
#include <memory>
#include <string>

#include "framework/Object.h"

class Delegate;
class MenuBar;
class ResourceFork;

class Application : public Object {
public:
    static const ClassInfo& Lookup();
    const ClassInfo& ClassRecord() const override { return Lookup(); }

    std::shared_ptr<::MenuBar> MenuBar() const { return menuBar_; }
    void SetMenuBar(std::shared_ptr<::MenuBar> bar) { menuBar_ = std::move(bar); }
    // The application's own resource file: the colour icons.
    std::shared_ptr<::ResourceFork> ResourceFork() const;

private:
    std::shared_ptr<::MenuBar> menuBar_;
};

// Brings up the toolkit; must run first, on the thread that runs the event loop.
void RuntimeInit(int& argc, char** argv);
// Releases the application object and the toolkit; returns the run's exit status.
int32_t RuntimeExit();
// Calls the start-up callback once, before any user event is handled. A nil callback does nothing.
void RunFrameworkInitialization(const std::shared_ptr<Delegate>& startup);
// The event loop: returns when the program quits.
void RuntimeRun();
// Ends the event loop with this exit status (also before the loop runs: it then returns at once).
void Quit(int32_t code = 0);
// Whether Quit (or an unhandled exception) has ended the run, and with which status.
bool RuntimeQuitRequested();
int32_t RuntimeExitStatus();
// Lets a test that quit go on with a running framework.
void RuntimeCancelQuit();
// Reports an exception that no handler caught in one sentence on standard error, and ends the event loop
// with a non-zero status. Every place where the toolkit calls into the framework ends here on an exception.
void UnhandledException(const std::exception& error);
void UnhandledException();

std::shared_ptr<Application> GetAppObject();
void RuntimeRegisterAppObject(std::shared_ptr<Application> app);

// The yield that long loops call. It dispatches no user event, so no handler can run inside it.
void RuntimeBackgroundTask();
int64_t RuntimeBackgroundTaskCount();

// Releases the framework's module-level objects: the implicit windows and the window lists.
void RuntimeReleaseModuleObjects();

// A uniformly distributed Double, at least 0 and below 1.
double Rnd();
void RndSeed(uint64_t seed);

// The Double to Int32 conversion: truncation toward zero, saturating outside the Int32 range, 0 for NaN.
int32_t ToInt32(double value);

// Opens a web or mail address with the desktop's handler, never through a shell. A text that is not a
// complete http, https or mailto address opens nothing; the result tells whether it was handed on.
bool ShowURL(const std::string& address);

class Screen : public Object {
public:
    Screen(int32_t left, int32_t top, int32_t width, int32_t height)
        : left_(left), top_(top), width_(width), height_(height) {}
    static const ClassInfo& Lookup();
    const ClassInfo& ClassRecord() const override { return Lookup(); }

    // Screen 0 is the main screen; nil for a screen that does not exist.
    static std::shared_ptr<Screen> At(int32_t index);

    int32_t Left() const { return left_; }
    int32_t Top() const { return top_; }
    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }

private:
    int32_t left_, top_, width_, height_;
};
