// The document type: declared once at start-up, gone when the program lets go of it.

#include "shell/FileTypes.h"

#include <gtest/gtest.h>

#include "framework/FileType.h"

namespace {

TEST(FileTypes, InitializeRegistersTheTextTypeAndReleaseTakesItBack) {
    ASSERT_TRUE(FileType::RegisteredTypes().empty());

    FileTypes::Initialize();
    ASSERT_EQ(FileType::RegisteredTypes().size(), 1u);
    const FileType& type = *FileType::RegisteredTypes().front();
    EXPECT_EQ(&type, FileTypes::pText.get());
    EXPECT_EQ(type.Name(), "text");
    EXPECT_EQ(type.Extensions(), "");
    EXPECT_EQ(type.MacType(), "TEXT");
    EXPECT_EQ(type.MacCreator(), "R*ch");

    // A second definition replaces the first rather than adding to it.
    FileTypes::Initialize();
    EXPECT_EQ(FileType::RegisteredTypes().size(), 1u);
    EXPECT_EQ(FileType::RegisteredTypes().front(), FileTypes::pText.get());

    FileTypes::Release();
    EXPECT_EQ(FileTypes::pText, nullptr);
    EXPECT_TRUE(FileType::RegisteredTypes().empty());
}

}  // namespace
