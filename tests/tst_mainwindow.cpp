#include "bivanestate.h"
#include "mainwindow.h"
#include "panemodel.h"
#include "preferences.h"
#include "questionsheet.h"
#include "recordingdesktop.h"
#include "shortcutstore.h"
#include "testmain.h"
#include "testtree.h"

#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QTableView>

namespace {

QString home(const QString &child = {})
{
    return child.isEmpty() ? QDir::homePath() : QDir::homePath() + QLatin1Char('/') + child;
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void keyboardDrivesBothPanes();
    void themeReachesEveryWindow();
};

void MainWindowTest::keyboardDrivesBothPanes()
{
    QDir().mkpath(home(QStringLiteral("Downloads")));
    QDir().mkpath(home(QStringLiteral("Alpha/inner")));
    QFile(home(QStringLiteral("Downloads/file.txt"))).open(QIODevice::WriteOnly);
    TestTree config;
    Preferences preferences(config.root());
    ShortcutStore shortcuts(preferences);
    RecordingDesktop desktop;
    BivaneState state(preferences, shortcuts, desktop);
    MainWindow window(state);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWindow *handle = window.windowHandle();

    // The left table has the keyboard, with the first entry selected.
    const auto focusedTable = [] {
        return qobject_cast<QTableView *>(QApplication::focusWidget());
    };
    QTRY_VERIFY(focusedTable());
    QCOMPARE(state.left().selection(), QSet<QString>({home(QStringLiteral("Alpha"))}));
    QCOMPARE(window.windowTitle(), QDir(home()).dirName());

    QTest::keyClick(handle, Qt::Key_Return);
    QCOMPARE(state.left().url(), home(QStringLiteral("Alpha")));
    QCOMPARE(window.windowTitle(), QStringLiteral("Alpha"));
    QTest::keyClick(handle, Qt::Key_Backspace);
    QCOMPARE(state.left().url(), home());
    QCOMPARE(state.left().selection(), QSet<QString>({home(QStringLiteral("Alpha"))}));

    QTableView *leftTable = focusedTable();
    QTest::keyClick(handle, Qt::Key_Tab);
    QCOMPARE(state.focusZone(), FocusZone::rightList);
    QTRY_VERIFY(focusedTable() && focusedTable() != leftTable);
    QCOMPARE(state.right().selection(),
             QSet<QString>({home(QStringLiteral("Downloads/file.txt"))}));
    QCOMPARE(window.windowTitle(), QStringLiteral("Downloads"));

    // A click into the other table moves the controller along.
    leftTable->setFocus(Qt::MouseFocusReason);
    QCOMPARE(state.focusZone(), FocusZone::leftList);
    QCOMPARE(state.active(), PaneSide::left);
}

void MainWindowTest::themeReachesEveryWindow()
{
    TestTree config;
    Preferences preferences(config.root());
    preferences.setValue(Pref::windowStartWidth, 640.0);
    preferences.setValue(Pref::windowStartHeight, 480.0);
    ShortcutStore shortcuts(preferences);
    RecordingDesktop desktop;
    BivaneState state(preferences, shortcuts, desktop);
    MainWindow window(state);
    QCOMPARE(window.size(), QSize(640, 480));
    auto *table = window.findChild<QTableView *>();
    const QColor desktopBase = table->palette().color(QPalette::Base);

    // Changed in the preference file, the preset reaches the tables, the sheets and the font
    // at once, and the retro presets set the controller's retro flag.
    preferences.setValue(Pref::themePreset, QStringLiteral("greenTerminal"));
    QVERIFY(state.isRetro());
    QTRY_COMPARE(table->palette().color(QPalette::Base), QColor(QRgb(0x000000)));
    QTRY_COMPARE(table->palette().color(QPalette::Text), QColor(QRgb(0x33ff33)));
    QTRY_VERIFY(QFontInfo(table->font()).fixedPitch());
    Question question;
    question.message = QStringLiteral("?");
    QuestionSheet sheet(question, &window);
    QCOMPARE(sheet.palette().color(QPalette::Window), QColor(QRgb(0x000000)));

    preferences.setValue(Pref::themePreset, QStringLiteral("system"));
    QVERIFY(!state.isRetro());
    QTRY_COMPARE(table->palette().color(QPalette::Base), desktopBase);
}

BIVANE_GUI_TEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
