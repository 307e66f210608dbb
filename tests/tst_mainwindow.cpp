#include "appearance/theme.h"
#include "cannotrun.h"
#include "controllerfixture.h"
#include "filelease.h"
#include "itemnames.h"
#include "keyboard.h"
#include "model/panemodel.h"
#include "platform/localization.h"
#include "testmain.h"
#include "transfer/transferprogress.h"
#include "ui/elidedlabel.h"
#include "ui/focusregistry.h"
#include "ui/functionkeybar.h"
#include "ui/mainwindow.h"
#include "ui/panelistview.h"
#include "ui/paneview.h"
#include "ui/pathbar.h"
#include "ui/progresswindow.h"
#include "ui/questionsheet.h"
#include "ui/settingswindow.h"
#include "ui/sidebarview.h"
#include "windowat.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {

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

// The program's language for one test; the German tables and the earlier locale after it.
struct ChosenLanguage
{
    explicit ChosenLanguage(const QString &language) { useLanguage(language); }
    ~ChosenLanguage()
    {
        installTranslation(QStringLiteral("de"));
        QLocale::setDefault(before);
    }
    const QLocale before;
};

// The room the header's style leaves for a column's title, beside its sort mark.
int titleRoom(const QHeaderView &header, FileColumn column)
{
    QStyleOptionHeader option;
    option.initFrom(&header);
    option.orientation = Qt::Horizontal;
    option.state |= QStyle::State_Horizontal;
    option.rect = QRect(0, 0, header.sectionSize(int(column)), header.height());
    option.sortIndicator = header.sortIndicatorSection() == int(column)
                               ? QStyleOptionHeader::SortDown
                               : QStyleOptionHeader::None;
    return header.style()->subElementRect(QStyle::SE_HeaderLabel, &option, &header).width();
}

QString describe(const QWidget &widget)
{
    return QStringLiteral("%1 \"%2\" at %3,%4 %5x%6")
        .arg(QLatin1String(widget.metaObject()->className()), widget.objectName())
        .arg(widget.x())
        .arg(widget.y())
        .arg(widget.width())
        .arg(widget.height());
}

// The shown child widgets of `parent` lie inside it, none over another.
void expectSideBySide(const QWidget &parent)
{
    QList<const QWidget *> placed;
    for (const QWidget *child : parent.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!child->isVisible() || child->isWindow() || child->geometry().isEmpty())
            continue;
        QVERIFY2(parent.rect().contains(child->geometry()),
                 qPrintable(describe(*child) + QStringLiteral(" outside ") + describe(parent)));
        for (const QWidget *other : placed)
            QVERIFY2(!other->geometry().intersects(child->geometry()),
                     qPrintable(describe(*child) + QStringLiteral(" over ") + describe(*other)));
        placed.append(child);
    }
}

// A text shown whole, or cut with "…" at its end and then fitting its room.
void expectWholeOrEllipsis(const QString &shown, const QString &text, int shownWidth, int room)
{
    const QString context = shown + QStringLiteral(" of ") + text;
    QVERIFY2(shownWidth <= room, qPrintable(context));
    if (shown != text)
        QVERIFY2(shown.endsWith(QChar(0x2026)) && text.startsWith(shown.chopped(1)),
                 qPrintable(context));
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
    void everyControlIsNamed();
    void errorAlert_data();
    void errorAlert();
    void themeReachesEveryWindow();
    void defaultWindowShowsColumnsWhole_data();
    void defaultWindowShowsColumnsWhole();
    void panesShareTheWidthEqually();
    void narrowestWindowCutsNothing_data();
    void narrowestWindowCutsNothing();
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
    QTRY_VERIFY(!state.transfers().active());
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
    // A focus request for the list, at once and once its events are through, leaves the
    // keyboard in its rename field.
    const QPointer<QWidget> renameField = QApplication::focusWidget();
    window.requestFocus(FocusZone::leftList);
    QCoreApplication::processEvents();
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

// A screen reader names every button, field and choice of the window, and each tells its
// command and key in its tool tip, under the function-key bar's theme too.
void MainWindowTest::everyControlIsNamed()
{
    ControllerFixture f;
    f.preferences.setValue(Pref::themePreset, QStringLiteral("greenTerminal"));
    f.preferences.setValue(Pref::themeShowFunctionBar, true);
    MainWindow window(f.state());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.findChild<FunctionKeyBar *>()->isVisible());
    QList<QWidget *> controls;
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (qobject_cast<QAbstractButton *>(widget) || qobject_cast<QComboBox *>(widget) ||
            qobject_cast<QLineEdit *>(widget) ||
            widget->objectName() == QLatin1String("viewModeControl"))
            controls.append(widget);
    }
    QVERIFY(controls.size() > 20);
    for (QWidget *control : std::as_const(controls)) {
        // Hidden ones do not count; Qt's own overflow buttons ("qt_…") are Qt's to name.
        if (!control->isVisible() || control->objectName().startsWith(QLatin1String("qt_")))
            continue;
        // What a screen reader says: the accessible name, else the control's own text.
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
        QVERIFY2(accessible && !accessible->text(QAccessible::Name).trimmed().isEmpty(),
                 qPrintable(describe(*control)));
        QVERIFY2(!control->toolTip().isEmpty(), qPrintable(describe(*control)));
    }
    auto *copy = qobject_cast<FunctionKey *>(window.findChild<FunctionKeyBar *>()->keys().at(4));
    QCOMPARE(copy->accessibleName(), QStringLiteral("Ins andere Panel kopieren"));
    QCOMPARE(copy->toolTip(), QStringLiteral("Ins andere Panel kopieren (F5)"));
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
    // The theme's 13 is 13 pixels, the unit of every width the window is laid out in; the
    // folder's name above the list is a fifth larger.
    QCOMPARE(QFontInfo(table->font()).pixelSize(), 13);
    const auto *title = window.findChild<QLabel *>(QStringLiteral("folderTitle"));
    QCOMPARE(QFontInfo(title->font()).pixelSize(), 16);
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

void MainWindowTest::defaultWindowShowsColumnsWhole_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("dateTitle");
    QTest::newRow("de") << "de"
                        << "Änderungsdatum";
    QTest::newRow("en") << "en"
                        << "Date Modified";
    QTest::newRow("tr") << "tr"
                        << "Değiştirilme Tarihi";
    QTest::newRow("fr") << "fr"
                        << "Date de modification";
}

// At the default size both lists show name, date, size and kind side by side, every title and
// every date whole, in each language: a file from each month, late in the day.
void MainWindowTest::defaultWindowShowsColumnsWhole()
{
    QFETCH(QString, language);
    QFETCH(QString, dateTitle);
    ChosenLanguage chosen(language);
    for (int month = 1; month <= 12; ++month) {
        const QString path = home(QStringLiteral("Downloads/Monat %1.txt").arg(month));
        writeFile(path, "a few bytes");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime(QDate(2026, month, 28), QTime(23, 58)),
                                 QFileDevice::FileModificationTime));
    }
    ControllerFixture f;
    MainWindow window(f.state());
    showAt(window, {1280, 720});

    const QList<PaneListView *> lists = window.findChildren<PaneListView *>();
    QCOMPARE(lists.size(), 2);
    for (PaneListView *list : lists) {
        QHeaderView *header = list->horizontalHeader();
        QCOMPARE(list->model()->headerData(int(FileColumn::modified), Qt::Horizontal), dateTitle);
        int columnsWidth = 0;
        for (FileColumn column :
             {FileColumn::name, FileColumn::modified, FileColumn::size, FileColumn::kind}) {
            QVERIFY(!header->isSectionHidden(int(column)));
            const QString title = list->model()->headerData(int(column), Qt::Horizontal).toString();
            QCOMPARE(
                header->fontMetrics().elidedText(title, Qt::ElideRight, titleRoom(*header, column)),
                title);
            columnsWidth += header->sectionSize(int(column));
        }
        // All in view: the name takes what the others leave, no more.
        QCOMPARE(columnsWidth, list->viewport()->width());
        QCOMPARE(list->horizontalScrollBar()->maximum(), 0);

        QStyleOptionViewItem option;
        option.initFrom(list);
        option.font = list->font();
        option.fontMetrics = list->fontMetrics();
        option.widget = list;
        for (int row = 0; row < list->model()->rowCount(); ++row) {
            const QModelIndex date = list->model()->index(row, int(FileColumn::modified));
            QVERIFY2(list->itemDelegate()->sizeHint(option, date).width() <=
                         list->visualRect(date).width(),
                     qPrintable(date.data().toString()));
        }
    }
    QVERIFY(lists.first()->model()->rowCount() + lists.last()->model()->rowCount() >= 12);
}

// Both panes start equally wide and keep equal shares when the window changes size or a pane
// hides its sidebar; the pane without one gives its list the room.
void MainWindowTest::panesShareTheWidthEqually()
{
    ControllerFixture f;
    MainWindow window(f.state());
    showAt(window, {1280, 720});
    QList<PaneView *> panes = window.findChildren<PaneView *>();
    QCOMPARE(panes.size(), 2);
    if (panes[0]->mapTo(&window, QPoint()).x() > panes[1]->mapTo(&window, QPoint()).x())
        panes.swapItemsAt(0, 1); // left first
    const auto shares = [&panes] {
        return QList<int>{panes[0]->parentWidget()->width(), panes[1]->parentWidget()->width()};
    };
    const auto expectEqual = [](const QList<int> &widths) {
        QVERIFY2(std::abs(widths[0] - widths[1]) <= 1,
                 qPrintable(QStringLiteral("%1 and %2").arg(widths[0]).arg(widths[1])));
    };
    expectEqual({panes[0]->width(), panes[1]->width()});
    expectEqual(shares());

    f.state().left().setShowSidebar(false);
    QTRY_VERIFY(panes[0]->width() > panes[1]->width());
    expectEqual(shares());
    window.resize(1000, 600);
    QTRY_COMPARE(window.width(), 1000);
    expectEqual(shares());
    f.state().left().setShowSidebar(true);
    QTRY_COMPARE(panes[0]->width(), panes[1]->width());
    expectEqual(shares());
}

void MainWindowTest::narrowestWindowCutsNothing_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("preset");
    const char *const cases[][3] = {{"German, desktop theme", "de", "system"},
                                    {"French, dark", "fr", "dark"},
                                    {"Turkish, desktop theme", "tr", "system"},
                                    {"Turkish, amber", "tr", "amber"}};
    for (const auto &[row, language, preset] : cases)
        QTest::newRow(row) << QString::fromLatin1(language) << QString::fromLatin1(preset);
}

// At the least size the sidebars narrow first, the panes keep their least width, and in the
// pane headers, the path bars, the status lines, the toolbar and the function-key bar nothing
// lies over anything else; a text without room ends in "…".
void MainWindowTest::narrowestWindowCutsNothing()
{
    QFETCH(QString, language);
    QFETCH(QString, preset);
    ChosenLanguage chosen(language);
    const QString deep =
        home(QStringLiteral("Projekte/Kunden 2026/Dezember/Angebote und Entwürfe"));
    writeFile(deep + QStringLiteral("/Ein ziemlich langer Dateiname für ein Angebot.txt"));
    ControllerFixture f;
    f.preferences.setValue(Pref::themePreset, preset);
    f.preferences.setValue(Pref::themeShowFunctionBar, true);
    f.state().left().navigate(deep);
    f.state().left().setSelection(
        {deep + QStringLiteral("/Ein ziemlich langer Dateiname für ein Angebot.txt")});
    MainWindow window(f.state());
    showAt(window, {1, 1});
    QTRY_COMPARE(window.centralWidget()->size(), QSize(700, 420));

    for (const PaneView *pane : window.findChildren<PaneView *>()) {
        QVERIFY(pane->parentWidget()->width() >= 300);
        expectSideBySide(*pane->parentWidget());
        expectSideBySide(*pane);
        expectSideBySide(*pane->findChild<QWidget *>(QStringLiteral("paneHeader")));
        const PathBar *pathBar = pane->findChild<PathBar *>();
        for (const QToolButton *folder : pathBar->findChildren<QToolButton *>()) {
            if (!folder->isVisible())
                continue;
            const QRect shown(folder->mapTo(pathBar->viewport(), QPoint(0, 0)), folder->size());
            QVERIFY2(pathBar->viewport()->rect().contains(shown), qPrintable(folder->text()));
        }
    }
    for (const ElidedLabel *label : window.findChildren<ElidedLabel *>()) {
        if (!label->isVisible())
            continue;
        expectWholeOrEllipsis(label->shownText(),
                              label->text(),
                              label->fontMetrics().horizontalAdvance(label->shownText()),
                              label->contentsRect().width());
    }
    const auto *bar = window.findChild<FunctionKeyBar *>();
    QVERIFY(bar->isVisible());
    expectSideBySide(*bar);
    for (const FunctionKey *key : bar->keys())
        QVERIFY2(key->shownText() == key->text() || key->shownText().endsWith(QChar(0x2026)),
                 qPrintable(key->shownText()));
    expectSideBySide(*window.findChild<QToolBar *>());

    // The lists need no sideways scrolling: columns at the right give way while the window is
    // this narrow, and come back, as the user left them, when it is wide again. A column count
    // of 0 marks a list that scrolls sideways or lost its names.
    const QList<PaneListView *> lists = window.findChildren<PaneListView *>();
    const auto shownColumns = [&lists] {
        QList<int> shown;
        for (const PaneListView *list : lists) {
            const QHeaderView *header = list->horizontalHeader();
            if (list->isVisible())
                shown << (header->isSectionHidden(int(FileColumn::name)) ||
                                  header->length() > list->viewport()->width()
                              ? 0
                              : header->count() - header->hiddenSectionCount());
        }
        return shown;
    };
    const QList<int> narrow = shownColumns();
    if (narrow.isEmpty())
        return; // the retro list has columns of its own
    QVERIFY2(!narrow.contains(0), qPrintable(QStringLiteral("%1").arg(narrow.first())));
    const ColumnCustomization stored = f.state().columnCustomization();
    window.resize(1280, 720);
    QTRY_COMPARE(shownColumns(), QList<int>(narrow.size(), 4));
    QCOMPARE(f.state().columnCustomization(), stored);
}

// A preference file with numbers no setting offers, NaN and infinities included, still gives a
// window one can work in: readable text, sidebars of a sound width, list columns that fit.
void MainWindowTest::numbersOutOfRangeLeaveAUsableWindow()
{
    TestTree config;
    const QByteArray layout = R"({"order":[],"hidden":[],"widths":{"modified":1e308,"size":-1}})";
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

    QCOMPARE(QApplication::font().pixelSize(), int(Pref::fontSizes.maximum));
    // The stored widths in their range; shown as wide as the window leaves room for.
    QCOMPARE(state.left().sidebarWidth(), 170.0);
    QCOMPARE(state.right().sidebarWidth(), 340.0);
    for (SidebarView *sidebar : window.findChildren<SidebarView *>()) {
        const double stored = state.pane(sideOf(sidebar->zone())).sidebarWidth();
        QVERIFY(sidebar->width() >= 110 && sidebar->width() <= stored);
    }
    // Column widths in their range; the list leaves out what it has no room for.
    const ColumnCustomization columns = state.columnCustomization();
    QCOMPARE(columns.widths.value(FileColumn::modified), Pref::columnWidths.maximum);
    QCOMPARE(columns.widths.value(FileColumn::size), Pref::columnWidths.minimum);
    const QTableView *list = window.findChild<QTableView *>();
    QVERIFY(list->horizontalHeader()->length() <= list->viewport()->width());
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
        CANNOT_RUN_HERE("no leases on this file system");
    const QString destination = home(QStringLiteral("Downloads/folder"));
    ControllerFixture f;
    BivaneState &state = f.state();
    auto window = std::make_unique<MainWindow>(state);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));

    state.transfers().start({home(QStringLiteral("Work/folder"))},
                            home(QStringLiteral("Downloads")),
                            TransferKind::copy);
    QVERIFY(state.transfers().active());
    QTRY_COMPARE(state.transfers().active()->currentName(), QStringLiteral("folder"));
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
        QTRY_VERIFY(!state.transfers().active());
        QCOMPARE(state.errorMessage(), QString());
    }
    QVERIFY(!QFileInfo::exists(destination));
    QCOMPARE(namesIn(home(QStringLiteral("Work/folder"))),
             QStringList({QStringLiteral("copied"), QStringLiteral("held")}));
    QVERIFY(lease.keepsReadersWaiting());
}

BIVANE_GUI_TEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
