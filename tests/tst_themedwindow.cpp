// The theme on real widgets: palettes, fonts and dividers follow the settings at once; the
// sidebar handle and the window size.
#include "manualtime.h"
#include "platform/preferences.h"
#include "testmain.h"
#include "testtree.h"
#include "ui/settledwrite.h"
#include "ui/themedpieces.h"
#include "ui/themedroot.h"
#include "ui/windowsizer.h"

#include <QDialog>
#include <QLabel>
#include <QVBoxLayout>

using namespace std::chrono_literals;

class ThemedWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void presetsRepaintTheWindow_data();
    void presetsRepaintTheWindow();
    void sidebarHandleDrags();
    void windowKeepsItsSize();
};

void ThemedWindowTest::presetsRepaintTheWindow_data()
{
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QString>("base"); // the list background; empty: the desktop's own
    QTest::addColumn<bool>("fixedPitch");
    QTest::newRow("system") << "system"
                            << "" << false;
    QTest::newRow("light") << "light"
                           << "#ffffff" << false;
    QTest::newRow("amber") << "amber"
                           << "#000000" << true;
}

void ThemedWindowTest::presetsRepaintTheWindow()
{
    QFETCH(QString, preset);
    QFETCH(QString, base);
    QFETCH(bool, fixedPitch);
    TestTree config;
    Preferences preferences(config.root());
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *label = new QLabel(QStringLiteral("Datei"));
    auto *divider = new ThemedDivider(ThemedDivider::Orientation::horizontal);
    layout->addWidget(label);
    layout->addWidget(divider);
    ThemedRoot root(window, preferences, ThemedRoot::Font::apply);
    QDialog sheet(&window);
    const QColor desktopBase = window.palette().color(QPalette::Base);

    // Changed anywhere, the setting reaches the window, its children and its dialogs at once.
    preferences.setValue(Pref::themePreset, preset);
    preferences.setValue(Pref::themeFontSize, 15.0);
    const QColor expected = base.isEmpty() ? desktopBase : QColor(base);
    QTRY_COMPARE(label->palette().color(QPalette::Base), expected);
    QTRY_COMPARE(sheet.palette().color(QPalette::Base), expected);
    QTRY_COMPARE(QFontInfo(label->font()).fixedPitch(), fixedPitch);
    QTRY_COMPARE(QFontInfo(label->font()).pixelSize(), 15);
    QCOMPARE(ThemedRoot::themeOf(&sheet).isRetro(), fixedPitch);
    window.resize(200, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(divider->height(), fixedPitch ? 1 : divider->sizeHint().height());

    // And back: the system preset shows the desktop's colours again.
    preferences.setValue(Pref::themePreset, QStringLiteral("system"));
    QTRY_COMPARE(label->palette().color(QPalette::Base), desktopBase);
    QTRY_VERIFY(!QFontInfo(label->font()).fixedPitch());
}

void ThemedWindowTest::sidebarHandleDrags()
{
    QWidget window;
    auto *handle = new SidebarResizeHandle(200, SidebarResizeHandle::Grows::toRight, &window);
    auto *mirrored = new SidebarResizeHandle(200, SidebarResizeHandle::Grows::toLeft, &window);
    mirrored->move(100, 0);
    window.resize(300, 200);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const auto drag = [](QWidget *widget, const QList<int> &moves) {
        const QPoint start(4, 50);
        QTest::mousePress(widget, Qt::LeftButton, {}, start);
        for (int dx : moves)
            QTest::mouseMove(widget, start + QPoint(dx, 0));
        QTest::mouseRelease(widget, Qt::LeftButton, {}, start + QPoint(moves.last(), 0));
    };
    drag(handle, {50, 500});
    QCOMPARE(handle->sidebarWidth(), 340.0);
    drag(handle, {-100, -150});
    QCOMPARE(handle->sidebarWidth(), 190.0); // again from where the last drag ended
    drag(handle, {-400});
    QCOMPARE(handle->sidebarWidth(), 110.0);
    drag(mirrored, {-30});
    QCOMPARE(mirrored->sidebarWidth(), 230.0);
}

void ThemedWindowTest::windowKeepsItsSize()
{
    TestTree config;
    Preferences preferences(config.root());
    preferences.setValue(Pref::windowStartWidth, 720.0);
    preferences.setValue(Pref::windowStartHeight, 440.0);
    preferences.setValue(Pref::windowRestoreSize, true);
    ManualTime time;
    {
        QWidget window;
        WindowSizer sizer(window, preferences);
        window.show();
        QCOMPARE(window.size(), QSize(720, 440));
        // What the sizer applies itself is not the user's size.
        time.advance(WindowSizer::kTrackAfter - 1ms);
        QVERIFY(!sizer.isTracking());
        time.advance(1ms);
        QVERIFY(sizer.isTracking());
        QVERIFY(!preferences.stored(Pref::windowLastWidth));
        // The user's size is stored once the resizing has settled.
        window.resize(760, 420);
        QTRY_COMPARE(time.untilNext(), std::optional(SettledWrite::kSettleTime));
        time.advance(SettledWrite::kSettleTime - 1ms);
        window.resize(800, 450);
        QTRY_COMPARE(time.untilNext(), std::optional(SettledWrite::kSettleTime));
        time.advance(SettledWrite::kSettleTime - 1ms);
        QVERIFY(!preferences.stored(Pref::windowLastWidth));
        time.advance(1ms);
        QCOMPARE(preferences.numberValue(Pref::windowLastWidth), 800.0);
    }
    // The next start opens at the last size.
    QWidget again;
    WindowSizer sizer(again, preferences);
    QCOMPARE(again.size(), QSize(800, 450));
}

BIVANE_GUI_TEST_MAIN(ThemedWindowTest)
#include "tst_themedwindow.moc"
