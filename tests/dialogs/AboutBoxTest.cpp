// The About box: three pages, and a web-address label that opens itself when a click is released over it.
#include "dialogs/Dialog3.h"
#include "shell/Pictures.h"
#include "support/GameFixture.h"

#include <QDesktopServices>
#include <QObject>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStringList>
#include <QUrl>

// Stands in for the browser: records every address handed to the desktop.
class Browser : public QObject {
    Q_OBJECT
  public:
    QStringList opened;
  public slots:
    void open(const QUrl& url) { opened << url.toString(); }
};

namespace {

constexpr int32_t kAbout = 0, kContactInfo = 1, kThirdPage = 2;

class AboutBox : public GameFixture {
  protected:
    void SetUp() override {
        GameFixture::SetUp();
        for (const char* scheme : {"http", "https", "mailto"})
            QDesktopServices::setUrlHandler(scheme, &browser, "open");
        about = Dialog3::Shared();
        about->Show();
        // The pointer enters where nothing stands (a move to where it already is counts for nothing, and an
        // earlier test may have left it there).
        MoveTo(*about, kEmpty + QPoint(1, 1));
        MoveTo(*about, kEmpty);
    }
    void TearDown() override {
        for (const char* scheme : {"http", "https", "mailto"})
            QDesktopServices::unsetUrlHandler(scheme);
        about.reset();
        GameFixture::TearDown();
    }

    TabPanel& Panel() { return NotNil(ControlOf<TabPanel>(*about, "TabPanel1")); }
    StaticText& Link() { return NotNil(ControlOf<StaticText>(*about, "StaticText12")); }
    static constexpr QPoint kEmpty{10, 230}; // outside the panel, where no control stands

    Browser browser;
    std::shared_ptr<Dialog3> about;
};

TEST_F(AboutBox, OpensOnTheFirstOfThreePagesWithTheLogoAndAReadOnlyTextThatFits) {
    EXPECT_EQ(Panel().Pages(), (std::vector<std::string>{"About", "Contact Info", "How to Play"}));
    EXPECT_EQ(Panel().Value(), kAbout);
    auto& logo = NotNil(ControlOf<Canvas>(*about, "Canvas1"));
    ASSERT_NE(MorvLogo2x1(), nullptr) << "the bundle's logo picture";
    EXPECT_EQ(logo.Backdrop(), MorvLogo2x1());
    EXPECT_EQ(logo.TabPanelIndex(), kContactInfo + 1);

    Panel().SetValue(kThirdPage);
    auto& text = NotNil(ControlOf<TextArea>(*about, "EditField1"));
    EXPECT_TRUE(text.ReadOnly());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(TopLevelOf(*about)));
    auto* area = static_cast<QPlainTextEdit*>(text.Widget());
    EXPECT_EQ(area->verticalScrollBar()->maximum(), 0) << "the box has no scroll bar to reach the rest";
    EXPECT_TRUE(area->toPlainText().contains("New Game"));
}

TEST_F(AboutBox, TheLinkOpensItsOwnTextOnceWhenTheReleaseIsOverItAndNothingElseOpens) {
    Panel().SetValue(kContactInfo);
    const QPoint link = CentreOf(Link());
    const QPoint email = CentreOf(NotNil(ControlOf<StaticText>(*about, "StaticText10")));
    const QPoint logo = CentreOf(NotNil(ControlOf<Canvas>(*about, "Canvas1")));
    const QPoint beside{Link().Left() + Link().Width() + 20, link.y()};
    const QStringList address{QString::fromStdString(Link().Caption())};
    EXPECT_TRUE(Link().Caption().starts_with("https://"));
    const struct {
        QPoint press, release;
        bool opens;
    } gestures[] = {
        {link, link, true},     {link, kEmpty, false},  {kEmpty, link, true},   {link, link, true},
        {email, email, false},  {logo, logo, false},    {kEmpty, kEmpty, false}, {beside, beside, false},
    };
    for (size_t i = 0; i < std::size(gestures); ++i) {
        browser.opened.clear();
        MoveTo(*about, gestures[i].press);
        PressAt(*about, gestures[i].press);
        MoveTo(*about, gestures[i].release);
        ReleaseAt(*about, gestures[i].release);
        EXPECT_EQ(browser.opened, gestures[i].opens ? address : QStringList()) << "gesture " << i;
    }
    EXPECT_TRUE(about->Visible());

    // The link leaves with its page from under the pointer.
    browser.opened.clear();
    MoveTo(*about, link);
    for (int32_t page : {kAbout, kThirdPage}) {
        Panel().SetValue(page);
        ClickAt(*about, link);
    }
    EXPECT_TRUE(browser.opened.isEmpty()) << browser.opened.join(", ").toStdString();
}

} // namespace

#include "AboutBoxTest.moc"
