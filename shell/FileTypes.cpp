#include "shell/FileTypes.h"

#include <string>

#include "framework/FileType.h"

namespace FileTypes {

std::shared_ptr<FileType> pText;

void Initialize() {
    pText = RuntimeNewObject<FileType>();
    FileType& type = NotNil(pText);
    type.SetName("text");
    type.SetExtensions("");
    type.SetMacType("TEXT");
    type.SetMacCreator("R*ch");
    // The conversion is what registers the type; the name it yields is of no use here.
    static_cast<void>(static_cast<std::string>(type));
}

void Release() { pText.reset(); }

}  // namespace FileTypes
