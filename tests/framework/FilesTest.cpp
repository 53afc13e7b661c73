// Files and folders, the bundle's resources folder, the compiled-in icons and the document file types.
#include "FrameworkTest.h"
#include "framework/FileType.h"
#include "framework/ResourceFork.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <stdlib.h>

namespace fs = std::filesystem;

namespace {

// A fresh folder of its own for each test.
class Files : public FrameworkTest {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "quillomar-files-XXXXXX").string();
        root = ::mkdtemp(pattern.data());
    }
    void TearDown() override {
        FrameworkTest::TearDown();
        fs::remove_all(root);
    }
    fs::path root;
};

}  // namespace

TEST_F(Files, NameOnlyPlainChildrenAndReadAPictureOrGiveNil) {
    FolderItem folder(root);
    EXPECT_EQ(NotNil(NotNil(folder.Child("Board.bmp")).Parent()).Path(), root);
    EXPECT_EQ(FolderItem("/").Parent(), nullptr);
    for (const std::string name : {"..", ".", "a/b", "", "/etc"})
        EXPECT_EQ(folder.Child(name), nullptr) << '"' << name << '"';

    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 0));
    ASSERT_TRUE(image.save(QString::fromStdString((root / "Red.bmp").string()), "BMP"));
    auto red = FolderItem(root / "Red.bmp").OpenAsPicture();
    ASSERT_NE(red, nullptr);
    EXPECT_EQ(ImageOf(*red).pixelColor(4, 3), QColor(255, 0, 0));

    std::ofstream(root / "Garbage.bmp") << "this is no picture at all";
    fs::create_directory(root / "Folder.bmp");
    for (const char* name : {"Missing.bmp", "Garbage.bmp", "Folder.bmp"})
        EXPECT_EQ(FolderItem(root / name).OpenAsPicture(), nullptr) << name;
}

TEST_F(Files, FindTheBundlesResourcesBesideTheExecutablesFolder) {
    fs::create_directories(root / "bin");
    RuntimeSetApplicationFile(root / "bin" / "prog");
    EXPECT_EQ(GetApplicationBundleResources(), nullptr) << "no Resources folder yet";
    std::ofstream(root / "Resources") << "a file, not a folder";
    EXPECT_EQ(GetApplicationBundleResources(), nullptr);
    fs::remove(root / "Resources");
    fs::create_directory(root / "Resources");
    auto resources = GetApplicationBundleResources();
    ASSERT_NE(resources, nullptr);
    EXPECT_EQ(fs::weakly_canonical(resources->Path()), fs::weakly_canonical(root / "Resources"));
}

TEST(ResourceForkIcons, AreNilForANumberWithoutAnIcon) {
    auto fork = Application().ResourceFork();
    ASSERT_NE(fork, nullptr);
    for (int32_t id : {5000, 127, -1})
        EXPECT_EQ(fork->Getcicn(id), nullptr) << id;
}

TEST(FileTypes, RegisterOnceThroughTheConversionToStringAndLeaveWhenDestroyed) {
    auto text = std::make_shared<FileType>();
    const auto registered = [type = text.get()] {
        const auto types = FileType::RegisteredTypes();
        return std::count(types.begin(), types.end(), type);
    };
    EXPECT_EQ(registered(), 0);
    for (int i = 0; i < 2; ++i)
        static_cast<void>(static_cast<std::string>(*text));
    EXPECT_EQ(registered(), 1);
    text.reset();
    EXPECT_EQ(registered(), 0);
}
