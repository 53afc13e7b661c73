// The four pictures, each case in a fresh process: a picture once loaded stays for the whole run.

#include "shell/Pictures.h"

#include <QImage>
#include <array>
#include <memory>
#include <vector>

#include "ShellTesting.h"
#include "framework/Picture.h"
#include "framework/qt/Bridge.h"
#include "shell/Window1.h"

namespace {

struct Kind {
    std::shared_ptr<Picture> (*picture)();
    const char* file;
    Qt::GlobalColor colour;  // of the right half of the file put for it
};
constexpr std::array<Kind, 4> kPictures = {{{Board, "Board.bmp", Qt::darkYellow},
                                            {pGameOver, "GameOver.bmp", Qt::darkRed},
                                            {Splash, "Splash.bmp", Qt::darkBlue},
                                            {MorvLogo2x1, "MorvLogo2x1.bmp", Qt::red}}};

void PutAllFour(const TempBundle& bundle) {
    for (const Kind& kind : kPictures)
        bundle.PutPicture(kind.file, kind.colour);
}

TEST(Pictures, AMissIsNilWithoutAnExceptionAndIsTriedAgainUntilTheFileIsThere) {
    InFreshProcess([] {
        TempBundle bundle;
        for (const Kind& kind : kPictures)  // no Resources folder
            EXPECT_EQ(kind.picture(), nullptr) << kind.file;
        std::filesystem::create_directories(bundle.Resources());
        for (const Kind& kind : kPictures)  // the folder, but no file in it
            EXPECT_EQ(kind.picture(), nullptr) << kind.file;
        PutAllFour(bundle);
        for (const Kind& kind : kPictures)
            EXPECT_NE(kind.picture(), nullptr) << kind.file;
    });
}

TEST(Pictures, EachIsReadOnceEvenForTheSplashAndOnlyTheLogoLosesItsWhiteOnlyAsItIsLoaded) {
    InFreshProcess([] {
        TempBundle bundle;
        PutAllFour(bundle);
        const int64_t readsBefore = RuntimePictureFileReads();
        std::vector<std::shared_ptr<Picture>> first;
        for (const Kind& kind : kPictures)
            first.push_back(kind.picture());
        for (int round = 0; round < 3; ++round) {
            if (round == 2) std::filesystem::remove_all(bundle.Resources());
            for (size_t i = 0; i < kPictures.size(); ++i)
                EXPECT_EQ(kPictures[i].picture(), first[i]) << kPictures[i].file;
        }
        NewAppInstance();
        const QImage splash = ContentOf(*Window1::Shared())->grab().toImage();  // shows the kept picture
        EXPECT_EQ(splash.pixelColor(12, 2), QColor(Qt::darkBlue));
        EXPECT_EQ(RuntimePictureFileReads(), readsBefore + 4);

        for (size_t i = 0; i < kPictures.size(); ++i) {
            const QImage& image = ImageOf(*first[i]);
            const bool logo = kPictures[i].picture == MorvLogo2x1;
            EXPECT_EQ(first[i]->Transparent(), logo ? 1 : 0) << kPictures[i].file;
            EXPECT_EQ(image.pixelColor(2, 2).alpha(), logo ? 0 : 255) << kPictures[i].file;  // the white half
            EXPECT_EQ(image.pixelColor(12, 2), QColor(kPictures[i].colour)) << kPictures[i].file;
        }
        first.back()->SetTransparent(0);
        EXPECT_EQ(MorvLogo2x1()->Transparent(), 0);  // not set again when found kept
    });
}

}  // namespace
