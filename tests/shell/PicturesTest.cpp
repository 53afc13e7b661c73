// The four pictures: read from the bundle's resources folder once, kept, and looked for again after a miss.
// Each case runs in a fresh process: a picture once loaded stays for the whole run.

#include "shell/Pictures.h"

#include <QImage>
#include <array>
#include <memory>

#include "ShellTesting.h"
#include "framework/FolderItem.h"
#include "framework/Picture.h"
#include "framework/qt/Bridge.h"

namespace {

using Accessor = std::shared_ptr<Picture> (*)();
constexpr std::array<Accessor, 4> kAccessors = {Board, pGameOver, Splash, MorvLogo2x1};

void PutAllFour(const TempBundle& bundle) {
    bundle.PutPicture("Board.bmp", HalfWhite(Qt::darkYellow));
    bundle.PutPicture("GameOver.bmp", HalfWhite(Qt::darkRed));
    bundle.PutPicture("Splash.bmp", HalfWhite(Qt::darkBlue));
    bundle.PutPicture("MorvLogo2x1.bmp", HalfWhite(Qt::red));
}

TEST(Pictures, AMissFindsNothingAndIsTriedAgainUntilTheFilesAreThere) {
    InFreshProcess([] {
        TempBundle bundle;
        const int64_t readsBefore = RuntimePictureFileReads();

        // No resources folder at all: nil, and no exception.
        for (Accessor picture : kAccessors)
            EXPECT_EQ(picture(), nullptr);

        // The folder, but no files.
        bundle.MakeResources();
        for (Accessor picture : kAccessors)
            EXPECT_EQ(picture(), nullptr);

        // A file that is not a picture.
        bundle.PutBytes("Board.bmp", "not a picture");
        EXPECT_EQ(Board(), nullptr);

        // Once the files are there, the next call of each accessor finds its picture.
        PutAllFour(bundle);
        for (Accessor picture : kAccessors)
            EXPECT_NE(picture(), nullptr);
        EXPECT_EQ(ImageOf(*Splash()).pixelColor(12, 4), QColor(Qt::darkBlue));
        EXPECT_GT(RuntimePictureFileReads(), readsBefore);
    });
}

TEST(Pictures, EachFileIsReadOnceHoweverOftenItsAccessorIsCalled) {
    InFreshProcess([] {
        TempBundle bundle;
        PutAllFour(bundle);
        const int64_t readsBefore = RuntimePictureFileReads();

        std::array<std::shared_ptr<Picture>, 4> first;
        for (size_t i = 0; i < kAccessors.size(); ++i)
            first[i] = kAccessors[i]();
        EXPECT_EQ(RuntimePictureFileReads(), readsBefore + 4);

        // Later calls get the same objects without touching the files...
        for (int round = 0; round < 3; ++round)
            for (size_t i = 0; i < kAccessors.size(); ++i)
                EXPECT_EQ(kAccessors[i](), first[i]);
        EXPECT_EQ(RuntimePictureFileReads(), readsBefore + 4);

        // ...which they no longer need.
        std::filesystem::remove_all(bundle.Resources());
        for (size_t i = 0; i < kAccessors.size(); ++i)
            EXPECT_EQ(kAccessors[i](), first[i]);
    });
}

TEST(Pictures, OnlyTheLogoLosesItsWhiteAndOnlyAsItIsLoaded) {
    InFreshProcess([] {
        TempBundle bundle;
        PutAllFour(bundle);

        auto logo = MorvLogo2x1();
        ASSERT_NE(logo, nullptr);
        EXPECT_EQ(logo->Transparent(), 1);
        EXPECT_EQ(ImageOf(*logo).pixelColor(2, 2).alpha(), 0);     // the white half
        EXPECT_EQ(ImageOf(*logo).pixelColor(12, 2).alpha(), 255);  // the red half
        for (Accessor other : {Board, pGameOver, Splash}) {
            EXPECT_EQ(other()->Transparent(), 0);
            EXPECT_EQ(ImageOf(*other()).pixelColor(2, 2), QColor(Qt::white));
        }

        // A call that finds the logo kept does not set it again.
        logo->SetTransparent(0);
        EXPECT_EQ(MorvLogo2x1()->Transparent(), 0);
    });
}

}  // namespace
