// The shape chooser: each page previews its player's shape, and the arrows never give both players one shape.
#include "dialogs/Dialog4.h"
#include "support/GameFixture.h"

#include <tuple>

namespace {

class ShapeChooser : public GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        Type(*game, "Ctrl+S");
        chooser = Dialog4::Shared();
    }
    TabPanel& Panel() { return ControlOf<TabPanel>(*chooser, "TabPanel1"); }

    std::shared_ptr<Dialog4> chooser;
};

TEST_F(ShapeChooser, EachPagePreviewsItsPlayersShapeWhole) {
    EXPECT_EQ(Panel().Pages(), (std::vector<std::string>{"Player #1", "Player #2"}));
    for (auto [page, shape, other] : {std::tuple{0, 129, 128}, std::tuple{1, 128, 129}}) {
        Panel().SetValue(page);
        EXPECT_TRUE(Shows(Shot(*chooser), {121, 53}, NotNil(game->RFork->Getcicn(shape)))) << "page " << page;
        EXPECT_FALSE(Shows(Shot(*chooser), {121, 53}, NotNil(game->RFork->Getcicn(other)))) << "page " << page;
    }
}

TEST_F(ShapeChooser, ArrowsStopAtTheEndsSkipTheOtherPlayersShapeAndThePagesPreviewFollows) {
    const struct {
        int32_t p1, p2, page;
        const char* arrow;
        int32_t wantP1, wantP2;
    } cases[] = {{151, 128, 1, ">>", 151, 128}, {150, 151, 1, ">>", 150, 151}, {149, 150, 1, ">>", 151, 150},
                 {140, 128, 2, "<<", 140, 128}, {128, 129, 2, "<<", 128, 129}, {129, 130, 2, "<<", 129, 128},
                 {129, 128, 1, "<<", 129, 128}, {129, 128, 2, ">>", 129, 130}, {135, 140, 1, ">>", 136, 140},
                 {135, 140, 1, "<<", 134, 140}, {141, 140, 2, "<<", 141, 139}, {141, 140, 2, ">>", 141, 142}};
    // Whether the page's preview, as the screen shows it, is that player's shape.
    const auto previewed = [&](int32_t page, int32_t p1, int32_t p2) {
        return Shows(OnScreen(*chooser), {121, 53}, NotNil(game->RFork->Getcicn(page == 1 ? p1 : p2)));
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.arrow << " on page " << c.page << " from " << c.p1 << ", " << c.p2);
        std::tie(chooser->p1, chooser->p2) = std::pair(c.p1, c.p2);
        Panel().SetValue(c.page - 1);
        chooser->Refresh(true);
        ASSERT_TRUE(previewed(c.page, c.p1, c.p2));
        QTest::mouseClick(Button(*chooser, c.arrow, c.page).Widget(), Qt::LeftButton);
        EXPECT_EQ(std::pair(chooser->p1, chooser->p2), std::pair(c.wantP1, c.wantP2));
        EXPECT_TRUE(previewed(c.page, c.wantP1, c.wantP2)) << "the preview went stale";
    }
}

}  // namespace
