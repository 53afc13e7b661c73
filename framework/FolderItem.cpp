#include "framework/FolderItem.h"

#include <QCoreApplication>
#include <system_error>

#include "framework/qt/Bridge.h"

namespace fs = std::filesystem;

namespace {
fs::path& ApplicationFileOverride() {
    static fs::path path;
    return path;
}

int64_t& PictureReads() {
    static int64_t reads = 0;
    return reads;
}
}  // namespace

const ClassInfo& FolderItem::Lookup() {
    static const ClassInfo& record = ClassRegistry::Register(ClassInfo("FolderItem", &Object::Lookup()));
    return record;
}

bool FolderItem::Exists() const {
    std::error_code error;
    return fs::exists(path_, error);
}

bool FolderItem::Directory() const {
    std::error_code error;
    return fs::is_directory(path_, error);
}

std::shared_ptr<FolderItem> FolderItem::Child(const std::string& name) const {
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos ||
        name.find('\0') != std::string::npos)
        return nullptr;
    return std::make_shared<FolderItem>(path_ / name);
}

std::shared_ptr<FolderItem> FolderItem::Parent() const {
    fs::path parent = path_.parent_path();
    if (parent.empty() || parent == path_) return nullptr;
    return std::make_shared<FolderItem>(parent);
}

std::shared_ptr<Picture> FolderItem::OpenAsPicture() const {
    // Whether it is a regular file is asked of the file as it is opened, not of its name beforehand.
    auto picture = ReadPicture(QString::fromStdString(path_.string()),
                               QByteArray::fromStdString(path_.extension().string()).mid(1));
    if (picture) ++PictureReads();
    return picture;
}

std::shared_ptr<FolderItem> RuntimeApplicationFile() {
    if (!ApplicationFileOverride().empty()) return std::make_shared<FolderItem>(ApplicationFileOverride());
    const QString path = QCoreApplication::applicationFilePath();
    if (path.isEmpty()) return nullptr;
    return std::make_shared<FolderItem>(fs::path(path.toStdString()));
}

void RuntimeSetApplicationFile(const fs::path& executable) { ApplicationFileOverride() = executable; }

std::shared_ptr<FolderItem> GetApplicationBundleResources() {
    auto executable = RuntimeApplicationFile();
    auto contents = NotNil(NotNil(executable).Parent()).Parent();
    auto resources = NotNil(contents).Child("Resources");
    if (!resources || !resources->Directory()) return nullptr;
    return resources;
}

int64_t RuntimePictureFileReads() { return PictureReads(); }
