#pragma once
// The program's spine: the class records, start-up, the run, and the release of the module-level objects.
// main() calls these in order: RuntimeInit, ModuleInitialize, Main, ModuleFinalize, RuntimeExit.

// Builds every class record, the framework's first, then the program's; creates no object of the program.
void ModuleInitialize();
// Hands Startup to the framework and runs the event loop. Whatever escapes either goes to
// UnhandledException, and Main returns normally so that finalisation and exit still run.
void Main();
// Called once by the framework before the first user event: file type, application object with its menu
// bar, then the splash window.
void Startup();
// Releases the module-level objects: the framework's first, then the file type, then the shared menu bar.
void ModuleFinalize();

// Startup's application step: a new App, given the shared menu bar, registered with the framework.
void NewAppInstance();
