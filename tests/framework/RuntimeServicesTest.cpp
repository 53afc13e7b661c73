// The run's services: the Double to Int32 conversion, opening web addresses, and the background-task yield.
#include "FrameworkTest.h"

#include <QDesktopServices>
#include <QTimer>
#include <QUrl>
#include <cmath>

// Records the addresses that the desktop was asked to open.
class UrlReceiver : public QObject {
    Q_OBJECT
public:
    QStringList opened;
public slots:
    void Open(const QUrl& url) { opened << url.toString(); }
};

TEST(DoubleToInt32, TruncatesSaturatesAndMakesNaNZero) {
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max(), kMin = std::numeric_limits<int32_t>::min();
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    const std::vector<std::pair<double, int32_t>> cases = {
        {9.99, 9},    {-1.5, -1},    {0.5, 0},          {-0.99, 0},         {2147483646.9, 2147483646},
        {1e10, kMax}, {-1e10, kMin}, {kInfinity, kMax}, {-kInfinity, kMin}, {std::nan(""), 0},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(ToInt32(value), expected) << value;
}

TEST(ShowURL, HandsOnlyAWebAddressToTheDesktop) {
    UrlReceiver receiver;
    const char* const schemes[] = {"https", "http", "file", "javascript", "ftp"};
    for (const char* scheme : schemes)
        QDesktopServices::setUrlHandler(scheme, &receiver, "Open");
    for (const std::string text : {"", "not a url", "javascript:alert(1)", "file:///etc/passwd", "https://",
                                   "ftp://example.com/", "example.com", "https://exa mple.com/"})
        EXPECT_FALSE(ShowURL(text)) << '"' << text << '"';
    EXPECT_TRUE(ShowURL("https://example.com/quillomar?from=about"));
    EXPECT_EQ(receiver.opened, QStringList{"https://example.com/quillomar?from=about"});
    for (const char* scheme : schemes)
        QDesktopServices::unsetUrlHandler(scheme);
}

TEST(BackgroundTask, DispatchesNoEvent) {
    bool dispatched = false;
    QTimer::singleShot(0, [&] { dispatched = true; });
    RuntimeBackgroundTask();
    EXPECT_FALSE(dispatched) << "an event ran inside the yield";
    QCoreApplication::processEvents();
    EXPECT_TRUE(dispatched);
}

#include "RuntimeServicesTest.moc"
