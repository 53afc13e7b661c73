#include "framework/ResourceFork.h"

#include <QString>

#include "framework/qt/Bridge.h"

const ClassInfo& ResourceFork::Lookup() {
    static const ClassInfo& record = ClassRegistry::Register(ClassInfo("ResourceFork", &Object::Lookup()));
    return record;
}

std::shared_ptr<Picture> ResourceFork::Getcicn(int32_t id) const {
    // The icons are compiled into the program, uncompressed, as ":/shapes/<id>.bmp".
    return ReadPicture(QStringLiteral(":/shapes/%1.bmp").arg(id), "bmp");
}
