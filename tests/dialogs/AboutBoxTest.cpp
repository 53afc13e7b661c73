// The About box: three pages with the logo, and a web-address label that opens itself when a click is
// released over it.
#include "dialogs/Dialog3.h"
#include "shell/Pictures.h"
#include "support/GameFixture.h"

#include <QDesktopServices>
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

using AboutBox = GameFixture;

TEST_F(AboutBox, HasThreePagesWithTheLogoAndALinkThatOpensOnlyWhenTheReleaseIsOverIt) {
    Browser browser;
    for (const char* scheme : {"http", "https", "mailto"})  // nothing reaches a real browser
        QDesktopServices::setUrlHandler(scheme, &browser, "open");
    Type(*game, "Ctrl+A");
    const auto about = Dialog3::Shared();
    auto& pages = ControlOf<TabPanel>(*about, "TabPanel1");
    EXPECT_EQ(pages.Pages(), (std::vector<std::string>{"About", "Contact Info", "How to Play"}));
    EXPECT_EQ(ControlOf<Canvas>(*about, "Canvas1").Backdrop().get(), &NotNil(MorvLogo2x1())) << "the logo";
    pages.SetValue(1);
    const StaticText& label = ControlOf<StaticText>(*about, "StaticText12");
    const QPoint link = CentreOf(label), email = CentreOf(ControlOf<StaticText>(*about, "StaticText10"));
    const QPoint logo = CentreOf(ControlOf<Canvas>(*about, "Canvas1")), beside = link + QPoint(label.Width(), 0);
    const QPoint empty{10, 230};                        // outside the panel, where no control stands
    Mouse(*about, empty + QPoint(1, 1), false, false);  // the pointer enters where nothing stands
    const QStringList address{QString::fromStdString(label.Caption())};
    const struct {
        QPoint press, release;
        bool opens;
    } gestures[] = {{link, link, true},    {link, empty, false}, {empty, link, true},   {link, link, true},
                    {email, email, false}, {logo, logo, false},  {empty, empty, false}, {beside, beside, false}};
    for (size_t i = 0; i < std::size(gestures); ++i) {
        browser.opened.clear();
        Mouse(*about, gestures[i].press, true, false);
        Mouse(*about, gestures[i].release, false, true);
        EXPECT_EQ(browser.opened, gestures[i].opens ? address : QStringList()) << "gesture " << i;
    }
    for (const char* scheme : {"http", "https", "mailto"})
        QDesktopServices::unsetUrlHandler(scheme);
}

}  // namespace

#include "AboutBoxTest.moc"
