#include "shell/Startup.h"

#include "dialogs/Dialog2.h"
#include "dialogs/Dialog3.h"
#include "dialogs/Dialog4.h"
#include "framework/Application.h"
#include "framework/Controls.h"
#include "framework/Delegate.h"
#include "framework/FileType.h"
#include "framework/FolderItem.h"
#include "framework/Menu.h"
#include "framework/Picture.h"
#include "framework/ResourceFork.h"
#include "framework/Window.h"
#include "game/Dialog1.h"
#include "shell/App.h"
#include "shell/FileTypes.h"
#include "shell/Menu.h"
#include "shell/Window1.h"

namespace {

void InitFileTypes() { FileTypes::Initialize(); }

// The application itself handles no menu command: the game window does.
void ApplicationAddMenuHandlers() {}

// Building the splash shows it; the framework keeps it from then on.
void MakeDefaultView() { Window1::Shared(); }

}  // namespace

void ModuleInitialize() {
    Object::Lookup();
    Delegate::Lookup();
    Application::Lookup();
    Screen::Lookup();
    FileType::Lookup();
    FolderItem::Lookup();
    Picture::Lookup();
    ResourceFork::Lookup();
    MenuItem::Lookup();
    MenuBar::Lookup();
    QuitMenuItem::Lookup();
    AppleMenuItem::Lookup();
    Window::Lookup();
    Control::Lookup();
    RectControl::Lookup();
    TextControl::Lookup();
    Canvas::Lookup();
    PushButton::Lookup();
    StaticText::Lookup();
    TabPanel::Lookup();
    TextArea::Lookup();

    Window1::Lookup();
    Menu::Lookup();
    Dialog1::Lookup();
    Dialog1::Canvas2::Lookup();
    Dialog1::Canvas1::Lookup();
    Dialog2::Lookup();
    Dialog3::Lookup();
    Dialog4::Lookup();
    App::Lookup();
}

void Main() {
    try {
        // The callback is needed only while the framework initialises.
        auto startup = RuntimeCreateDelegate(&Startup, "(  )");
        RunFrameworkInitialization(startup);
        startup.reset();
        RuntimeRun();
    } catch (const std::exception& error) {
        UnhandledException(error);
    } catch (...) {
        UnhandledException();
    }
}

void Startup() {
    // The framework's external classes and plug-in table need nothing here: the program has neither.
    InitFileTypes();
    NewAppInstance();
    ApplicationAddMenuHandlers();
    MakeDefaultView();
}

void NewAppInstance() {
    // The first call of Menu::Shared() in a run: the whole bar exists before any window.
    auto app = RuntimeNewObject<App>();
    NotNil(app).SetMenuBar(Menu::Shared());
    RuntimeRegisterAppObject(app);
}

void ModuleFinalize() {
    RuntimeReleaseModuleObjects();
    FileTypes::Release();
    Menu::ReleaseShared();
}
