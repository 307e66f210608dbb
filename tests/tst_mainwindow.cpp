#include "controllerfixture.h"
#include "filelease.h"
#include "focusregistry.h"
#include "itemnames.h"
#include "mainwindow.h"
#include "panemodel.h"
#include "paneview.h"
#include "progresswindow.h"
#include "questionsheet.h"
#include "settingswindow.h"
#include "sidebarview.h"
#include "testmain.h"
#include "theme.h"
#include "transferprogress.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {

// The file view that has the keyboard, if one has.
QWidget *focusedFileView()
{
    QWidget *focused = QApplication::focusWidget();
    return isFileView(focused) ? focused : nullptr;
}

// A key press as the keyboard makes it: to the window that has the keyboard.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QGuiApplication::focusWindow(), key, modifiers);
}

void type(const QString &text)
{
    for (const QChar character : text)
        QTest::keyClick(QGuiApplication::focusWindow(), character.toLatin1());
}

QAction *toolBarAction(const MainWindow &window, const QString &text)
{
    for (QAction *action : window.findChild<QToolBar *>()->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

// The open alert or question that has the keyboard.
template<typename Sheet>
Sheet *sheetWithKeyboard()
{
    auto *sheet = qobject_cast<Sheet *>(QApplication::activeModalWidget());
    return sheet && sheet->windowHandle() == QGuiApplication::focusWindow() ? sheet : nullptr;
}

QColor backgroundBesidePanes(MainWindow &window)
{
    const QPoint margin = window.centralWidget()->mapTo(&window, QPoint(1, 1));
    return window.grab().toImage().pixelColor(margin);
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetHome(); }

    void keyboardSession();
    void toolbarFollowsActivePane();
    void searchFieldFromTheKeyboard_data();
    void searchFieldFromTheKeyboard();
    void settingsKey_data();
    void settingsKey();
    void renameUnderSearchText_data();
    void renameUnderSearchText();
    void toolTipsFollowBindings();
    void errorAlert_data();
    void errorAlert();
    void themeReachesEveryWindow();
    void treeSettingAndMinimumSizes();
    void numbersOutOfRangeLeaveAUsableWindow();
    void quittingStopsARunningCopy_data();
    void quittingStopsARunningCopy();
};

// Open a folder, filter it, copy two files to the other pane, rename one, trash another: all
// through key presses on the real window, the way a user works.
void MainWindowTest::keyboardSession()
{
    for (const char *name : {"notes.txt", "report-a.txt", "report-b.txt", "summary.txt"})
        writeFile(home(QStringLiteral("Work/") + QLatin1String(name)), name);
    ControllerFixture f;
    BivaneState &state = f.state();
    MainWindow window(state);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(focusedFileView());
    QWidget *leftList = focusedFileView();
    const QString work = home(QStringLiteral("Work"));

    press(Qt::Key_Down); // from Downloads to Work
    press(Qt::Key_Return);
    QCOMPARE(state.left().url(), work);
    QCOMPARE(window.windowTitle(), QStringLiteral("Work"));

    // The user clicks into the search field. Tab leaves it for the next area; three more,
    // through both sidebars, come back to the left list.
    auto *search = window.findChild<QLineEdit *>(QStringLiteral("searchField"));
    QTest::mouseClick(search, Qt::LeftButton);
    QTRY_COMPARE(QApplication::focusWidget(), search);
    type(QStringLiteral("report"));
    QCOMPARE(state.left().searchText(), QStringLiteral("report"));
    QCOMPARE(namesOf(state.left().visibleItems()),
             QStringList({QStringLiteral("report-a.txt"), QStringLiteral("report-b.txt")}));
    press(Qt::Key_Tab);
    QCOMPARE(state.focusZone(), FocusZone::rightList);
    QCOMPARE(search->text(), QString()); // the right pane's own search text
    for (int zone = 0; zone < 3; ++zone)
        press(Qt::Key_Tab);
    QTRY_COMPARE(focusedFileView(), leftList);
    QCOMPARE(search->text(), QStringLiteral("report"));

    press(Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(state.left().selection(),
             QSet<QString>(
                 {work + QStringLiteral("/report-a.txt"), work + QStringLiteral("/report-b.txt")}));
    press(Qt::Key_F5);
    QTRY_VERIFY(sheetWithKeyboard<QuestionSheet>());
    press(Qt::Key_Return);
    QTRY_VERIFY(!state.activeTransfer());
    QTRY_VERIFY(!window.findChild<ProgressWindow *>());
    QCOMPARE(namesIn(home(QStringLiteral("Downloads"))),
             QStringList({QStringLiteral("report-a.txt"), QStringLiteral("report-b.txt")}));

    QTRY_COMPARE(focusedFileView(), leftList);
    press(Qt::Key_Down);
    QCOMPARE(state.left().selection(), QSet<QString>({work + QStringLiteral("/report-b.txt")}));
    press(Qt::Key_F2);
    // Whatever editor the rename shows, it takes the keyboard with the name in it.
    QTRY_VERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()) &&
                QApplication::focusWidget() != search);
    // A focus request for the list that lands late leaves the keyboard in its rename field.
    const QPointer<QWidget> renameField = QApplication::focusWidget();
    window.requestFocus(FocusZone::leftList);
    QTest::qWait(3 * FocusRegistry::kFocusDelayMilliseconds);
    QVERIFY(renameField && QApplication::focusWidget() == renameField);
    press(Qt::Key_A, Qt::ControlModifier);
    type(QStringLiteral("report-final.txt"));
    press(Qt::Key_Return);
    QTRY_COMPARE(namesIn(work),
                 QStringList({QStringLiteral("notes.txt"),
                              QStringLiteral("report-a.txt"),
                              QStringLiteral("report-final.txt"),
                              QStringLiteral("summary.txt")}));

    QTRY_COMPARE(focusedFileView(), leftList);
    press(Qt::Key_Up);
    QCOMPARE(state.left().selection(), QSet<QString>({work + QStringLiteral("/report-a.txt")}));
    press(Qt::Key_F8);
    QTRY_VERIFY(sheetWithKeyboard<QuestionSheet>());
    press(Qt::Key_Return);
    QTRY_COMPARE(f.desktop.trashed, QStringList({work + QStringLiteral("/report-a.txt")}));

    QCOMPARE(namesIn(work),
             QStringList({QStringLiteral("notes.txt"),
                          QStringLiteral("report-final.txt"),
                          QStringLiteral("summary.txt")}));
    QFile renamed(work + QStringLiteral("/report-final.txt"));
    QVERIFY(renamed.open(QIODevice::ReadOnly));
    QCOMPARE(renamed.readAll(), QByteArray("report-b.txt"));
    QCOMPARE(namesIn(home(QStringLiteral("Downloads"))),
             QStringList({QStringLiteral("report-a.txt"), QStringLiteral("report-b.txt")}));
    QCOMPARE(state.errorMessage(), QString());
}

void MainWindowTest::searchFieldFromTheKeyboard_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QString>("searchText");
    QTest::newRow("Escape clears") << Qt::Key_Escape << QString();
    QTest::newRow("Return keeps") << Qt::Key_Return << QStringLiteral("report");
    QTest::newRow("Enter keeps") << Qt::Key_Enter << QStringLiteral("report");
    QTest::newRow("Down keeps") << Qt::Key_Down << QStringLiteral("report");
}

// The find key takes the keyboard into the search field, ready to overwrite the text there;
// Escape, Return and Down give it back to the list.
void MainWindowTest::searchFieldFromTheKeyboard()
{
    QFETCH(Qt::Key, key);
    QFETCH(QString, searchText);
    for (const char *name : {"notes.txt", "report-a.txt", "report-b.txt"})
        writeFile(home(QStringLiteral("Work/") + QLatin1String(name)), name);
    ControllerFixture f;
    BivaneState &state = f.state();
    state.left().navigate(home(QStringLiteral("Work")));
    state.left().setSearchText(QStringLiteral("txt"));
    MainWindow window(state);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(focusedFileView());
    QWidget *leftList = focusedFileView();
    auto *search = window.findChild<QLineEdit *>(QStringLiteral("searchField"));

    press(Qt::Key_F, Qt::ControlModifier);
    QTRY_COMPARE(QApplication::focusWidget(), search);
    QCOMPARE(search->selectedText(), QStringLiteral("txt"));
    type(QStringLiteral("report"));
    QCOMPARE(state.left().searchText(), QStringLiteral("report"));

    press(key);
    QTRY_COMPARE(focusedFileView(), leftList);
    QCOMPARE(state.focusZone(), FocusZone::leftList);
    QCOMPARE(state.left().searchText(), searchText);
    QCOMPARE(search->text(), searchText);
}

void MainWindowTest::settingsKey_data()
{
    QTest::addColumn<bool>("fromSearchField");
    QTest::addColumn<bool>("bound"); // the key given to "Benutzerordner"
    QTest::newRow("from the list") << false << false;
    QTest::newRow("from the search field") << true << false;
    QTest::newRow("a binding of the key comes first") << false << true;
}

// Ctrl+, opens the settings window, as the shortcut list says, unless a binding has the key.
void MainWindowTest::settingsKey()
{
    QFETCH(bool, fromSearchField);
    QFETCH(bool, bound);
    ControllerFixture f;
    if (bound) {
        ShortcutBindings bindings = f.shortcuts.bindings();
        bindings[ShortcutAction::goHome] = {KeyCombo{43, ModifierBit::command, QStringLiteral(",")},
                                            std::nullopt};
        f.shortcuts.replaceAll(bindings);
    }
    BivaneState &state = f.state();
    state.left().navigate(home(QStringLiteral("Downloads")));
    MainWindow window(state);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(focusedFileView());
    if (fromSearchField) {
        press(Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
    }

    press(Qt::Key_Comma, Qt::ControlModifier);
    if (bound) {
        QCOMPARE(state.left().url(), home());
        QVERIFY(!window.findChild<SettingsWindow *>());
    } else {
        QTRY_VERIFY(window.findChild<SettingsWindow *>());
        QTRY_VERIFY(window.findChild<SettingsWindow *>()->isVisible());
    }
}

void MainWindowTest::renameUnderSearchText_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QString>("name");
    QTest::newRow("new folder") << Qt::Key_F7 << QStringLiteral("Neuer Ordner");
    QTest::newRow("selected entry the filter hides") << Qt::Key_F2 << QStringLiteral("notes.txt");
}

// The entry being renamed shows with its name field while the search text would hide it, and
// hides again when the rename ends.
void MainWindowTest::renameUnderSearchText()
{
    QFETCH(Qt::Key, key);
    QFETCH(QString, name);
    for (const char *file : {"notes.txt", "report-a.txt"})
        writeFile(home(QStringLiteral("Work/") + QLatin1String(file)), file);
    const QString work = home(QStringLiteral("Work"));
    const QString target = work + QLatin1Char('/') + name;
    ControllerFixture f;
    BivaneState &state = f.state();
    state.left().navigate(work);
    MainWindow window(state);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(focusedFileView());
    QWidget *leftList = focusedFileView();
    QCOMPARE(state.left().selection(), QSet<QString>({work + QStringLiteral("/notes.txt")}));
    auto *search = window.findChild<QLineEdit *>(QStringLiteral("searchField"));

    press(Qt::Key_F, Qt::ControlModifier);
    QTRY_COMPARE(QApplication::focusWidget(), search);
    type(QStringLiteral("report"));
    press(Qt::Key_Return);
    QTRY_COMPARE(focusedFileView(), leftList);
    QCOMPARE(namesOf(state.left().visibleItems()), QStringList({QStringLiteral("report-a.txt")}));

    press(key);
    QTRY_VERIFY(state.left().isRenaming());
    QCOMPARE(state.left().renameTarget(), target);
    auto *field = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(field && field != search && field->isVisible());
    QVERIFY(leftList->isAncestorOf(field));
    QCOMPARE(field->text(), name);
    QCOMPARE(state.left().searchText(), QStringLiteral("report"));
    QVERIFY(namesOf(state.left().visibleItems()).contains(name));

    press(Qt::Key_Escape);
    QTRY_VERIFY(!state.left().isRenaming());
    QCOMPARE(namesOf(state.left().visibleItems()), QStringList({QStringLiteral("report-a.txt")}));
    QTRY_COMPARE(focusedFileView(), leftList);
    QVERIFY(QFileInfo::exists(target));
}

void MainWindowTest::toolbarFollowsActivePane()
{
    QDir().mkpath(home(QStringLiteral("Alpha")));
    ControllerFixture f;
    BivaneState &state = f.state();
    state.left().setSearchText(QStringLiteral("al"));
    MainWindow window(state);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *search = window.findChild<QLineEdit *>(QStringLiteral("searchField"));
    const QList<QToolButton *> segments =
        window.findChild<QWidget *>(QStringLiteral("viewModeControl"))
            ->findChildren<QToolButton *>();
    QCOMPARE(segments.size(), 3);
    const auto checkedMode = [&segments] {
        for (qsizetype mode = 0; mode < segments.size(); ++mode) {
            if (segments[mode]->isChecked())
                return ViewMode(mode);
        }
        return ViewMode(-1);
    };

    QCOMPARE(window.windowTitle(), QDir(home()).dirName());
    QCOMPARE(checkedMode(), ViewMode::list);
    QCOMPARE(search->text(), QStringLiteral("al"));

    QTRY_VERIFY(focusedFileView());
    QWidget *leftList = focusedFileView();
    QTest::keyClick(window.windowHandle(), Qt::Key_Tab);
    QCOMPARE(state.active(), PaneSide::right);
    QTRY_VERIFY(focusedFileView() && focusedFileView() != leftList);
    QCOMPARE(window.windowTitle(), QStringLiteral("Downloads"));
    QCOMPARE(search->text(), QString());

    // A segment sets the active pane only.
    QTest::mouseClick(segments[int(ViewMode::columns)], Qt::LeftButton);
    QCOMPARE(state.right().viewMode(), ViewMode::columns);
    QCOMPARE(state.left().viewMode(), ViewMode::list);
    QCOMPARE(checkedMode(), ViewMode::columns);

    // A click into the left list makes the left pane active again.
    leftList->setFocus(Qt::MouseFocusReason);
    QCOMPARE(state.active(), PaneSide::left);
    QCOMPARE(window.windowTitle(), QDir(home()).dirName());
    QCOMPARE(checkedMode(), ViewMode::list);
    QCOMPARE(search->text(), QStringLiteral("al"));
}

void MainWindowTest::toolTipsFollowBindings()
{
    ControllerFixture f;
    MainWindow window(f.state());
    QAction *copy = toolBarAction(window, QStringLiteral("Kopieren"));
    QAction *trash = toolBarAction(window, QStringLiteral("Löschen"));
    QCOMPARE(copy->toolTip(), QStringLiteral("Ins andere Panel kopieren (F5)"));
    QCOMPARE(trash->toolTip(), QStringLiteral("In den Papierkorb legen (F8)"));

    ShortcutBindings bindings = f.shortcuts.bindings();
    bindings[ShortcutAction::copyToOther] = {KeyCombo{97, ModifierBit::shift, QStringLiteral("F6")},
                                             std::nullopt};
    bindings[ShortcutAction::trash] = {std::nullopt, std::nullopt};
    f.shortcuts.replaceAll(bindings);
    QCOMPARE(copy->toolTip(), QStringLiteral("Ins andere Panel kopieren (Umschalt+F6)"));
    QCOMPARE(trash->toolTip(), QStringLiteral("In den Papierkorb legen (–)"));

    // The keyboard button shows the shortcut list's state and switches it like its key.
    QAction *shortcutList = nullptr;
    for (QAction *action : window.findChild<QToolBar *>()->actions()) {
        if (action->toolTip().startsWith(QStringLiteral("Liste der Tastenkürzel")))
            shortcutList = action;
    }
    QVERIFY(shortcutList);
    shortcutList->trigger();
    QVERIFY(f.state().showShortcuts());
    QVERIFY(shortcutList->isChecked());
    f.state().perform(ShortcutAction::showShortcuts);
    QVERIFY(!shortcutList->isChecked());
}

void MainWindowTest::errorAlert_data()
{
    QTest::addColumn<QString>("message");

    QTest::newRow("plain failure") << QStringLiteral("„a.txt“ konnte nicht kopiert werden.");
    QTest::newRow("with reason and hint")
        << QStringLiteral("„a.txt“ konnte nicht kopiert werden.\n\n~/a.txt: Keine "
                          "Berechtigung\n\n„a.txt“ gehört root (-rw-------).");
    QTest::newRow("name that looks like markup")
        << QStringLiteral("„<b>x</b>“ konnte nicht gelöscht werden.");
}

void MainWindowTest::errorAlert()
{
    QFETCH(QString, message);
    ControllerFixture f;
    BivaneState &state = f.state();
    MainWindow window(state);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    state.setErrorMessage(message);
    QTRY_VERIFY(sheetWithKeyboard<QMessageBox>());
    QPointer<QMessageBox> alert = sheetWithKeyboard<QMessageBox>();
    QCOMPARE(alert->windowTitle(), QStringLiteral("Fehler"));
    QCOMPARE(alert->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))->text(), message);
    QCOMPARE(alert->textFormat(), Qt::PlainText);
    QStringList buttons;
    for (const QAbstractButton *button : alert->buttons())
        buttons.append(button->text());
    QCOMPARE(buttons, QStringList({QStringLiteral("OK")}));

    press(Qt::Key_Return);
    QTRY_VERIFY(!alert);
    QCOMPARE(state.errorMessage(), QString());

    // The next failure opens a fresh alert; one after it while that is open replaces its text.
    state.setErrorMessage(QStringLiteral("Zweiter Fehler"));
    QTRY_VERIFY(sheetWithKeyboard<QMessageBox>());
    alert = sheetWithKeyboard<QMessageBox>();
    QCOMPARE(alert->text(), QStringLiteral("Zweiter Fehler"));
    state.setErrorMessage(QStringLiteral("Dritter Fehler"));
    QCOMPARE(window.findChildren<QMessageBox *>().size(), 1);
    QCOMPARE(alert->text(), QStringLiteral("Dritter Fehler"));
    press(Qt::Key_Escape);
    QTRY_VERIFY(!alert);
    QCOMPARE(state.errorMessage(), QString());
}

void MainWindowTest::themeReachesEveryWindow()
{
    ControllerFixture f;
    f.preferences.setValue(Pref::windowStartWidth, 720.0);
    f.preferences.setValue(Pref::windowStartHeight, 500.0);
    f.preferences.setValue(Pref::themePreset, QStringLiteral("dark"));
    BivaneState &state = f.state();
    MainWindow window(state);
    QCOMPARE(window.size(), QSize(720, 500));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!state.isRetro());
    auto *table = window.findChild<QTableView *>();

    // Changed in the preference file, the preset reaches the tables, the sheets, the font and
    // the window's background at once, and the retro presets set the controller's retro flag.
    f.preferences.setValue(Pref::themePreset, QStringLiteral("amber"));
    const Palette amber = Theme{ThemePreset::amber}.palette(QPalette());
    QVERIFY(state.isRetro());
    QTRY_COMPARE(table->palette().color(QPalette::Base), amber.background);
    QTRY_COMPARE(table->palette().color(QPalette::Text), amber.text);
    QTRY_VERIFY(QFontInfo(table->font()).fixedPitch());
    QTRY_COMPARE(backgroundBesidePanes(window), amber.background);
    Question question;
    question.message = QStringLiteral("?");
    QuestionSheet sheet(question, &window);
    QCOMPARE(sheet.palette().color(QPalette::Window), amber.background);

    f.preferences.setValue(Pref::themePreset, QStringLiteral("light"));
    QVERIFY(!state.isRetro());
    const QPalette light = schemePalette(ColorScheme::light, QPalette());
    QTRY_COMPARE(table->palette().color(QPalette::Base), light.color(QPalette::Base));
    QTRY_COMPARE(backgroundBesidePanes(window), light.color(QPalette::Window));
}

void MainWindowTest::treeSettingAndMinimumSizes()
{
    ControllerFixture f;
    f.preferences.setValue(Pref::listTreeView, true);
    BivaneState &state = f.state();
    MainWindow window(state);
    QVERIFY(state.left().treeMode() && state.right().treeMode());
    f.preferences.setValue(Pref::listTreeView, false);
    QVERIFY(!state.left().treeMode() && !state.right().treeMode());
    f.preferences.setValue(Pref::listTreeView, true);
    QVERIFY(state.left().treeMode() && state.right().treeMode());

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.resize(200, 200);
    QTRY_VERIFY(window.centralWidget()->width() >= 700);
    QVERIFY(window.centralWidget()->height() >= 420);
    const QList<PaneView *> panes = window.findChildren<PaneView *>();
    QCOMPARE(panes.size(), 2);
    for (const PaneView *pane : panes)
        QVERIFY(pane->width() >= 300);
}

// A preference file with numbers no setting offers, NaN and infinities included, still gives a
// window one can work in: readable text, sidebars of a sound width, list columns that fit.
void MainWindowTest::numbersOutOfRangeLeaveAUsableWindow()
{
    TestTree config;
    const QByteArray layout = R"({"order":[],"hidden":[],"widths":{"name":1e308,"size":-1}})";
    config.makeFile(QStringLiteral("bivane.json"),
                    R"({"showSplashScreen": false, "themeFontSize": 100000,
                        "sidebarWidths": {"left": "nan", "right": 1e5},
                        "windowStartWidth": "inf", "windowStartHeight": -1e308,
                        "tableColumnCustomization": {"@data": ")" +
                        layout.toBase64() + R"("}})");
    Preferences preferences(config.root());
    ShortcutStore shortcuts(preferences);
    RecordingDesktop desktop;
    BivaneState state(preferences, shortcuts, desktop);
    MainWindow window(state);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(QApplication::font().pointSizeF(), Pref::fontSizes.maximum);
    for (SidebarView *sidebar : window.findChildren<SidebarView *>())
        QTRY_COMPARE(sidebar->width(), sidebar->zone() == FocusZone::leftSidebar ? 170 : 340);
    const QHeaderView *header = window.findChild<QTableView *>()->horizontalHeader();
    QCOMPARE(header->sectionSize(int(FileColumn::name)), int(Pref::columnWidths.maximum));
    QCOMPARE(header->sectionSize(int(FileColumn::size)), int(Pref::columnWidths.minimum));
    QVERIFY(window.centralWidget()->height() >= 420);
}

namespace {

enum class Ending { closeWindow, quitKey, destroyEverything };

} // namespace

void MainWindowTest::quittingStopsARunningCopy_data()
{
    QTest::addColumn<Ending>("ending");
    QTest::newRow("the window is closed") << Ending::closeWindow;
    QTest::newRow("Strg+Q") << Ending::quitKey;
    QTest::newRow("the program ends without closing it") << Ending::destroyEverything;
}

// Closing the window or quitting during a copy asks nothing: the run stops as on a cancel
// request, removes what it made, and nothing waits for the file it was held up at.
void MainWindowTest::quittingStopsARunningCopy()
{
    QFETCH(Ending, ending);
    writeFile(home(QStringLiteral("Work/folder/copied")), "copied");
    const QString held = home(QStringLiteral("Work/folder/held"));
    writeFile(held, "held by another program");
    FileLease lease(held);
    if (!lease.isHeld())
        QSKIP("no leases on this file system");
    const QString destination = home(QStringLiteral("Downloads/folder"));
    ControllerFixture f;
    BivaneState &state = f.state();
    auto window = std::make_unique<MainWindow>(state);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));

    state.startTransfer({home(QStringLiteral("Work/folder"))},
                        home(QStringLiteral("Downloads")),
                        TransferKind::copy);
    QVERIFY(state.activeTransfer());
    QTRY_COMPARE(state.activeTransfer()->currentName(), QStringLiteral("folder"));
    QTRY_VERIFY(QFileInfo::exists(destination)); // a partial copy
    if (ending == Ending::destroyEverything) {
        window.reset();
        f.controller.reset();
    } else {
        // The program's event loop ends, also over the progress window, which has the keyboard.
        QTRY_VERIFY(window->findChild<ProgressWindow *>()->isVisible());
        QTRY_VERIFY(sheetWithKeyboard<ProgressWindow>());
        if (ending == Ending::closeWindow) {
            QTimer::singleShot(0, window.get(), &QWidget::close);
        } else {
            QTimer::singleShot(0, window.get(), [] { press(Qt::Key_Q, Qt::ControlModifier); });
        }
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!window->isVisible());
        QTRY_VERIFY(!state.activeTransfer());
        QCOMPARE(state.errorMessage(), QString());
    }
    QVERIFY(!QFileInfo::exists(destination));
    QCOMPARE(namesIn(home(QStringLiteral("Work/folder"))),
             QStringList({QStringLiteral("copied"), QStringLiteral("held")}));
    QVERIFY(lease.keepsReadersWaiting());
}

BIVANE_GUI_TEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
