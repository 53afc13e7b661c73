// Files and folders, the bundle's resources folder, the compiled-in icons and the document file type.
#include "FrameworkTest.h"
#include "framework/FileType.h"
#include "framework/FolderItem.h"
#include "framework/Picture.h"
#include "framework/ResourceFork.h"

#include <QImage>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A fresh folder of its own for each test.
class Files : public FrameworkTest {
  protected:
    void SetUp() override {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        root = fs::temp_directory_path() /
               ("quillomar-" + std::string(test->name()) + "-" + std::to_string(::getpid()));
        fs::remove_all(root);
        fs::create_directories(root);
    }
    void TearDown() override {
        FrameworkTest::TearDown();
        fs::remove_all(root);
    }
    fs::path root;
};

} // namespace

TEST_F(Files, NameChildrenAndParents) {
    FolderItem folder(root);
    auto child = folder.Child("Board.bmp");
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->Path(), root / "Board.bmp");
    EXPECT_EQ(child->Name(), "Board.bmp");
    EXPECT_FALSE(child->Exists());
    EXPECT_EQ(NotNil(child->Parent()).Path(), root);
    EXPECT_EQ(FolderItem("/").Parent(), nullptr);
}

TEST_F(Files, RefuseAChildNameThatIsNoPlainName) {
    FolderItem folder(root);
    for (const std::string name : {"..", ".", "a/b", "", "/etc"})
        EXPECT_EQ(folder.Child(name), nullptr) << '"' << name << '"';
}

TEST_F(Files, ReadAPictureOrGiveNil) {
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 0));
    ASSERT_TRUE(image.save(QString::fromStdString((root / "Red.bmp").string()), "BMP"));
    std::ofstream(root / "Garbage.bmp") << "this is no picture at all";
    fs::create_directory(root / "Folder.bmp");

    auto red = FolderItem(root / "Red.bmp").OpenAsPicture();
    ASSERT_NE(red, nullptr);
    EXPECT_EQ(red->Width(), 8);
    EXPECT_EQ(red->Height(), 6);
    EXPECT_EQ(ImageOf(*red).pixelColor(4, 3), QColor(255, 0, 0));

    EXPECT_EQ(FolderItem(root / "Missing.bmp").OpenAsPicture(), nullptr);
    EXPECT_EQ(FolderItem(root / "Garbage.bmp").OpenAsPicture(), nullptr);
    EXPECT_EQ(FolderItem(root / "Folder.bmp").OpenAsPicture(), nullptr);
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
    Application app;
    auto fork = app.ResourceFork();
    ASSERT_NE(fork, nullptr);
    EXPECT_EQ(fork->Getcicn(5000), nullptr);
    EXPECT_EQ(fork->Getcicn(127), nullptr);
    EXPECT_EQ(fork->Getcicn(-1), nullptr);
}

TEST(ResourceForkIcons, AreCompiledInOnceTheArtExists) {
    const fs::path art = fs::path(QUILLOMAR_BUNDLE_DIR).parent_path() / "shapes" / "128.png";
    if (!fs::exists(art)) GTEST_SKIP() << "the art has not been drawn: " << art;
    Application app;
    for (int32_t id : {128, 151}) {
        auto icon = app.ResourceFork()->Getcicn(id);
        ASSERT_NE(icon, nullptr) << id;
        EXPECT_GE(icon->Width(), 64) << id;
        EXPECT_GE(icon->Height(), 64) << id;
    }
}

namespace {
bool IsRegistered(const FileType* type) {
    auto types = FileType::RegisteredTypes();
    return std::find(types.begin(), types.end(), type) != types.end();
}
} // namespace

TEST(FileTypes, RegisterThroughTheConversionToStringAndLeaveWhenDestroyed) {
    const FileType* gone = nullptr;
    {
        auto text = std::make_shared<FileType>();
        text->SetName("text");
        text->SetExtensions("txt");
        EXPECT_FALSE(text->Registered());
        EXPECT_FALSE(IsRegistered(text.get()));

        EXPECT_EQ(static_cast<std::string>(*text), "text");
        EXPECT_EQ(static_cast<std::string>(*text), "text");
        EXPECT_TRUE(text->Registered());
        auto types = FileType::RegisteredTypes();
        EXPECT_EQ(std::count(types.begin(), types.end(), text.get()), 1) << "registered once only";
        gone = text.get();
    }
    EXPECT_FALSE(IsRegistered(gone));
}
