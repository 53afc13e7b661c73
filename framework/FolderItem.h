#pragma once
// Files and folders, the application bundle and its resources.

#include <filesystem>
#include <memory>
#include <string>

#include "framework/Object.h"

class Picture;

class FolderItem : public Object {
public:
    explicit FolderItem(std::filesystem::path path) : path_(std::move(path)) {}
    static const ClassInfo& Lookup();
    const ClassInfo& ClassRecord() const override { return Lookup(); }

    const std::filesystem::path& Path() const { return path_; }
    std::string Name() const { return path_.filename().string(); }
    bool Exists() const;
    bool Directory() const;

    // The item of that name in this folder, whether or not it exists; nil for a name that is not one plain
    // file name (empty, ".", "..", or holding a path separator).
    std::shared_ptr<FolderItem> Child(const std::string& name) const;
    // The enclosing folder; nil at the root.
    std::shared_ptr<FolderItem> Parent() const;
    // The file read as a picture (BMP, PNG, ...); nil when it is missing or cannot be read as one.
    std::shared_ptr<Picture> OpenAsPicture() const;

private:
    std::filesystem::path path_;
};

// The program's own executable file.
std::shared_ptr<FolderItem> RuntimeApplicationFile();
// Lets a test stand the program somewhere else; an empty path restores the real executable.
void RuntimeSetApplicationFile(const std::filesystem::path& executable);
// The bundle's resources folder: the executable's folder's parent's child "Resources"; nil when that folder
// does not exist. NilObjectException when the executable or either parent is missing.
std::shared_ptr<FolderItem> GetApplicationBundleResources();
// How many pictures have been read from files in this run (a figure for tests).
int64_t RuntimePictureFileReads();
