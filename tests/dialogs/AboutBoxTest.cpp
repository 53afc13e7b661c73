// The About box's web-address label opens itself when a click is released over it.
#include "dialogs/Dialog3.h"
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

TEST_F(AboutBox, TheLinkOpensItsOwnTextOnceWhenTheReleaseIsOverItAndNothingElseOpens) {
    Browser browser;
    for (const char* scheme : {"http", "https", "mailto"})  // nothing reaches a real browser
        QDesktopServices::setUrlHandler(scheme, &browser, "open");
    Type(*game, "Ctrl+A");
    const auto about = Dialog3::Shared();
    ControlOf<TabPanel>(*about, "TabPanel1").SetValue(1);  // "Contact Info"
    const StaticText& label = ControlOf<StaticText>(*about, "StaticText12");
    const QPoint link = CentreOf(label), email = CentreOf(ControlOf<StaticText>(*about, "StaticText10"));
    const QPoint logo = CentreOf(ControlOf<Canvas>(*about, "Canvas1")), beside = link + QPoint(label.Width(), 0);
    const QPoint empty{10, 230};                        // outside the panel, where no control stands
    Mouse(*about, empty + QPoint(1, 1), false, false);  // the pointer enters where nothing stands
    const QStringList address{QString::fromStdString(label.Caption())};
    EXPECT_TRUE(label.Caption().starts_with("https://"));
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
    EXPECT_TRUE(about->Visible());
    for (const char* scheme : {"http", "https", "mailto"})
        QDesktopServices::unsetUrlHandler(scheme);
}

}  // namespace

#include "AboutBoxTest.moc"
