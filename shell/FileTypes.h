#pragma once
// The program's one document type, declared to the system at start-up. Nothing opens or saves documents.

#include <memory>

class FileType;

namespace FileTypes {

extern std::shared_ptr<FileType> pText;

// Defines "text" (type "TEXT", creator "R*ch", no extension) and registers it.
void Initialize();
// Lets go of the type at the end of the run; the framework deregisters it as it goes.
void Release();

}  // namespace FileTypes
