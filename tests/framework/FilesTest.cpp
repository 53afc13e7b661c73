// Folder items: plain children only, pictures read from files or nil, and the bundle's resources folder.
#include "FrameworkTest.h"

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

using Files = FrameworkTest;

TEST_F(Files, NamePlainChildrenOnlyReadAPictureOrGiveNilAndFindTheResourcesBesideTheExecutablesFolder) {
    const fs::path root = ::mkdtemp((fs::temp_directory_path() / "quillomar-files-XXXXXX").string().data());
    EXPECT_EQ(NotNil(FolderItem(root).Child("Red.bmp")).Path(), root / "Red.bmp");
    for (const std::string name : {"..", ".", "a/b", "", "/etc"})
        EXPECT_EQ(FolderItem(root).Child(name), nullptr) << '"' << name << '"';

    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 0));
    ASSERT_TRUE(image.save(QString::fromStdString((root / "Red.bmp").string()), "BMP"));
    EXPECT_EQ(ImageOf(NotNil(FolderItem(root / "Red.bmp").OpenAsPicture())).pixelColor(4, 3), QColor(255, 0, 0));
    std::ofstream(root / "Garbage.bmp") << "this is no picture at all";
    for (const char* name : {"Missing.bmp", "Garbage.bmp", ""})
        EXPECT_EQ(FolderItem(root / name).OpenAsPicture(), nullptr) << name;

    RuntimeSetApplicationFile(root / "bin" / "prog");
    fs::create_directories(root / "bin" / "Resources");
    EXPECT_EQ(GetApplicationBundleResources(), nullptr) << "beside the executable is not the bundle's";
    fs::create_directory(root / "Resources");
    EXPECT_EQ(NotNil(GetApplicationBundleResources()).Path(), root / "Resources");
    fs::remove_all(root);
}
