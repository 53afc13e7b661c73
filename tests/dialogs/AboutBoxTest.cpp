// The About box: its three pages, and the web-address label that opens itself when a click is released
// over it, and nothing else.
#include "DialogTest.h"
#include "dialogs/Dialog3.h"
#include "shell/Pictures.h"

#include <QDesktopServices>
#include <QImage>
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

class AboutBox : public DialogTest {
  protected:
    void SetUp() override {
        DialogTest::SetUp();
        for (const char* scheme : {"http", "https", "mailto"})
            QDesktopServices::setUrlHandler(scheme, &browser, "open");
        about = Dialog3::Shared();
        about->Show();
        // The pointer comes into the window where nothing stands (a move to where it already is counts for
        // nothing, and an earlier test may have left it there).
        MoveTo(*about, Empty() + QPoint(1, 1));
        MoveTo(*about, Empty());
    }
    void TearDown() override {
        for (const char* scheme : {"http", "https", "mailto"})
            QDesktopServices::unsetUrlHandler(scheme);
        about.reset();
        DialogTest::TearDown();
    }

    TabPanel& Panel() { return NotNil(ControlOf<TabPanel>(*about, "TabPanel1")); }
    StaticText& Link() { return NotNil(ControlOf<StaticText>(*about, "StaticText12")); }
    QPoint OnLink() { return CentreOf(Link()); }
    // A spot of the window outside the panel, where no control stands.
    static QPoint Empty() { return {10, 230}; }

    Browser browser;
    std::shared_ptr<Dialog3> about;
};

TEST_F(AboutBox, HasThreePagesAndOpensOnTheFirstWithTheLogoOnContactInfo) {
    EXPECT_EQ(Panel().Pages(), (std::vector<std::string>{"About", "Contact Info", "How to Play"}));
    EXPECT_EQ(Panel().Value(), kAbout);
    EXPECT_FALSE(about->InHTTP);

    auto& logo = NotNil(ControlOf<Canvas>(*about, "Canvas1"));
    ASSERT_NE(MorvLogo2x1(), nullptr) << "the bundle's logo picture";
    EXPECT_EQ(logo.Backdrop(), MorvLogo2x1());
    EXPECT_EQ(logo.TabPanelIndex(), kContactInfo + 1);
}

TEST_F(AboutBox, TheThirdPagesTextIsReadOnlyAndFitsWithoutScrolling) {
    Panel().SetValue(kThirdPage);
    auto& text = NotNil(ControlOf<TextArea>(*about, "EditField1"));
    EXPECT_TRUE(text.ReadOnly());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(TopLevelOf(*about)));
    auto* area = static_cast<QPlainTextEdit*>(text.Widget());
    EXPECT_EQ(area->verticalScrollBar()->maximum(), 0) << "the box has no scroll bar to reach the rest";
    EXPECT_TRUE(area->toPlainText().contains("New Game"));
}

TEST_F(AboutBox, AClickOnTheLinkOpensTheLabelsOwnTextOnce) {
    Panel().SetValue(kContactInfo);
    Click(*about, OnLink());

    EXPECT_EQ(browser.opened, QStringList{QString::fromStdString(Link().Caption())});
    EXPECT_TRUE(Link().Caption().starts_with("https://"));
    EXPECT_TRUE(about->Visible());

    Click(*about, OnLink());
    EXPECT_EQ(browser.opened.size(), 2) << "once per click";
}

TEST_F(AboutBox, AClickAnywhereElseOpensNothing) {
    Panel().SetValue(kContactInfo);
    Click(*about, CentreOf(NotNil(ControlOf<StaticText>(*about, "StaticText10")))); // the e-mail address
    Click(*about, CentreOf(NotNil(ControlOf<Canvas>(*about, "Canvas1"))));          // the logo
    Click(*about, Empty());
    Click(*about, {Link().Left() + Link().Width() + 20, OnLink().y()}); // beside the link

    MoveTo(*about, OnLink());
    Panel().SetValue(kAbout); // the link leaves with its page from under the pointer
    Click(*about, OnLink());
    Panel().SetValue(kThirdPage);
    Click(*about, OnLink());

    EXPECT_TRUE(browser.opened.isEmpty()) << browser.opened.join(", ").toStdString();
}

TEST_F(AboutBox, TheReleaseDecides) {
    Panel().SetValue(kContactInfo);

    MoveTo(*about, OnLink());
    Press(*about, OnLink());
    MoveTo(*about, Empty());
    Release(*about, Empty());
    EXPECT_TRUE(browser.opened.isEmpty()) << "pressed on the link, released off it";

    browser.opened.clear();
    MoveTo(*about, Empty());
    Press(*about, Empty());
    MoveTo(*about, OnLink());
    Release(*about, OnLink());
    EXPECT_EQ(browser.opened.size(), 1) << "pressed off the link, released on it";
}

TEST_F(AboutBox, TheLinkLooksTheSameUnderThePointer) {
    Panel().SetValue(kContactInfo);
    MoveTo(*about, Empty());
    const QImage away = Link().Widget()->grab().toImage();

    MoveTo(*about, OnLink());
    ASSERT_TRUE(about->InHTTP);
    EXPECT_EQ(Link().Widget()->grab().toImage(), away);

    MoveTo(*about, Empty());
    EXPECT_FALSE(about->InHTTP);
}

TEST_F(AboutBox, ANewAboutBoxStartsOnTheFirstPageWithTheFlagDown) {
    Panel().SetValue(kContactInfo);
    MoveTo(*about, OnLink());
    ASSERT_TRUE(about->InHTTP);

    about->Close();
    auto fresh = Dialog3::Shared();
    ASSERT_NE(fresh, about);
    EXPECT_FALSE(fresh->InHTTP);
    EXPECT_EQ(NotNil(ControlOf<TabPanel>(*fresh, "TabPanel1")).Value(), kAbout);
}

} // namespace

#include "AboutBoxTest.moc"
