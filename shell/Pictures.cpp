#include "shell/Pictures.h"

#include <string>

#include "framework/FolderItem.h"
#include "framework/Picture.h"

namespace {

// Loads into the accessor's own cache when it is empty. A failed load is not remembered, so the next call
// tries again; a picture once loaded is kept for the rest of the run.
std::shared_ptr<Picture> Cached(std::shared_ptr<Picture>& pic, const std::string& fileName,
                                bool whiteTransparent = false) {
    if (!pic) {
        if (auto resources = GetApplicationBundleResources()) {
            pic = NotNil(resources->Child(fileName)).OpenAsPicture();
            // Only on a fresh load: a cached logo keeps whatever its users did with it since.
            if (pic && whiteTransparent) pic->SetTransparent(1);
        }
    }
    return pic;
}

}  // namespace

std::shared_ptr<Picture> Board() {
    static std::shared_ptr<Picture> pic;
    return Cached(pic, "Board.bmp");
}

std::shared_ptr<Picture> pGameOver() {
    static std::shared_ptr<Picture> pic;
    return Cached(pic, "GameOver.bmp");
}

std::shared_ptr<Picture> Splash() {
    static std::shared_ptr<Picture> pic;
    return Cached(pic, "Splash.bmp");
}

std::shared_ptr<Picture> MorvLogo2x1() {
    static std::shared_ptr<Picture> pic;
    return Cached(pic, "MorvLogo2x1.bmp", true);
}
