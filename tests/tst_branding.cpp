#include "appearance/appicondesign.h"
#include "controllerfixture.h"
#include "manualtime.h"
#include "model/panemodel.h"
#include "testmain.h"
#include "ui/aboutwindow.h"
#include "ui/appiconpainter.h"
#include "ui/focusregistry.h"
#include "ui/mainwindow.h"
#include "ui/splashoverlay.h"

#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>

using namespace std::chrono_literals;

namespace {

QImage windowIconImage()
{
    return QApplication::windowIcon()
        .pixmap(QSize(512, 512))
        .toImage()
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QList<AboutWindow *> openAboutWindows()
{
    QList<AboutWindow *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *about = qobject_cast<AboutWindow *>(widget); about && about->isVisible())
            windows.append(about);
    }
    return windows;
}

QImage iconShownBy(const AboutWindow &about)
{
    return about.findChildren<QLabel *>().first()->pixmap().toImage();
}

} // namespace

class BrandingTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetHome(); }

    void designsRenderAtEverySize_data();
    void designsRenderAtEverySize();
    void windowIconFollowsTheDesign();
    void splashFollowsTheSetting_data();
    void splashFollowsTheSetting();
    void keysReachThePaneDuringTheSplash();
    void aboutWindow();
};

void BrandingTest::designsRenderAtEverySize_data()
{
    QTest::addColumn<AppIconDesign>("design");
    QTest::addColumn<int>("pixels");
    for (AppIconDesign design : allAppIconDesigns()) {
        for (int pixels : {16, 128, 1024})
            QTest::addRow("%s %d", qPrintable(rawValue(design)), pixels) << design << pixels;
    }
}

// Each design comes out as a PNG of the asked size: a tile with transparent rounded corners,
// unlike every other design.
void BrandingTest::designsRenderAtEverySize()
{
    QFETCH(AppIconDesign, design);
    QFETCH(int, pixels);
    const QImage rendered = renderAppIcon(design, pixels);
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("icon.png"));
    QVERIFY(rendered.save(file, "PNG"));
    const QImage icon = QImage(file).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(icon.size(), QSize(pixels, pixels));
    QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
    QVERIFY(qAlpha(icon.pixel(pixels / 2, pixels / 2)) > 0);

    for (AppIconDesign other : allAppIconDesigns()) {
        if (other != design)
            QVERIFY(renderAppIcon(other, pixels) != rendered);
    }
}

// The window icon is the chosen design at once, and dualPanels for a value that names none.
void BrandingTest::windowIconFollowsTheDesign()
{
    ControllerFixture f;
    MainWindow window(f.state());
    QCOMPARE(windowIconImage(), renderAppIcon(AppIconDesign::dualPanels, 512));
    f.preferences.setValue(Pref::appIconDesign, QStringLiteral("glassSwap"));
    QCOMPARE(windowIconImage(), renderAppIcon(AppIconDesign::glassSwap, 512));
    f.preferences.setValue(Pref::appIconDesign, QStringLiteral("noSuchDesign"));
    QCOMPARE(windowIconImage(), renderAppIcon(AppIconDesign::dualPanels, 512));
}

void BrandingTest::splashFollowsTheSetting_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("click");
    QTest::newRow("off") << false << false;
    QTest::newRow("on, left alone") << true << false;
    QTest::newRow("on, clicked") << true << true;
}

// Off, the splash is never made. On, it covers the whole window and goes, after its display
// time or at once on a click, for good.
void BrandingTest::splashFollowsTheSetting()
{
    QFETCH(bool, enabled);
    QFETCH(bool, click);
    ManualTime time;
    ControllerFixture f;
    f.preferences.setValue(Pref::showSplashScreen, enabled);
    f.preferences.setValue(Pref::appIconDesign, QStringLiteral("retroBlue"));
    MainWindow window(f.state());
    window.resize(900, 600);
    QPointer<SplashOverlay> splash = window.findChild<SplashOverlay *>();
    QCOMPARE(bool(splash), enabled);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    if (!enabled)
        return;

    QCOMPARE(splash->geometry(), window.rect());
    const auto fading = [&] {
        return splash->testAttribute(Qt::WA_TransparentForMouseEvents);
    };
    if (click) {
        QTest::mouseClick(splash, Qt::LeftButton);
    } else {
        time.advance(SplashOverlay::kDisplayTime - 1ms);
        QVERIFY(!fading());
        time.advance(1ms);
    }
    QVERIFY(fading());
    QTRY_VERIFY_WITH_TIMEOUT(!splash, 15000);
    window.resize(1000, 700);
    window.hide();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!window.findChild<SplashOverlay *>());
}

// The splash never takes the keyboard: a key pressed while it shows moves the pane's selection.
void BrandingTest::keysReachThePaneDuringTheSplash()
{
    for (const char *name : {"Alpha", "Beta"})
        QDir().mkpath(home(QLatin1String(name)));
    ControllerFixture f;
    MainWindow window(f.state());
    // Shown long enough for the test, however slow the machine.
    auto *splash = new SplashOverlay(AppIconDesign::twoPanels, window, 1h);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(isFileView(QApplication::focusWidget()));
    QVERIFY(splash->isVisible());
    f.state().left().setSelection({home(QStringLiteral("Alpha"))});

    QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_Down);
    QCOMPARE(f.state().left().selection(), QSet<QString>({home(QStringLiteral("Beta"))}));
    QVERIFY(isFileView(QApplication::focusWidget()));
    QVERIFY(splash->isVisible());
}

// One About window at most, with the version line, following the chosen design; Escape
// closes it.
void BrandingTest::aboutWindow()
{
    QCoreApplication::setApplicationVersion(QStringLiteral("2.5.1"));
    ControllerFixture f;
    MainWindow window(f.state());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.showAbout();
    window.showAbout();
    QTRY_COMPARE(openAboutWindows().size(), 1);
    AboutWindow *about = openAboutWindows().first();
    QCOMPARE(about->windowTitle(), QStringLiteral("Über Bivane"));
    QVERIFY(about->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(about->minimumSize(), about->maximumSize());
    QCOMPARE(about->findChild<QLabel *>(QStringLiteral("version"))->text(),
             QStringLiteral("Version 2.5.1"));

    const QImage before = iconShownBy(*about);
    f.preferences.setValue(Pref::appIconDesign, QStringLiteral("bivaneFolders"));
    QVERIFY(iconShownBy(*about) != before);

    QTest::keyClick(about, Qt::Key_Escape);
    QTRY_VERIFY(openAboutWindows().isEmpty());
    window.showAbout();
    QTRY_COMPARE(openAboutWindows().size(), 1);
}

BIVANE_GUI_TEST_MAIN(BrandingTest)
#include "tst_branding.moc"
