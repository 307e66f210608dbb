// The settings window through its real widgets: nothing is written before "Speichern", saving
// writes every setting once, reset and the keyboard alone.
#include "appearance/settingseditor.h"
#include "controllerfixture.h"
#include "platform/localization.h"
#include "presetrows.h"
#include "testmain.h"
#include "ui/formtext.h"
#include "ui/mainwindow.h"
#include "ui/settingswindow.h"
#include "ui/shortcutrecorder.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>

namespace {

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QGuiApplication::focusWindow(), key, modifiers);
}

template<typename Widget>
Widget *withText(const QWidget &window, const QString &text)
{
    for (Widget *widget : window.findChildren<Widget *>()) {
        if (widget->text() == text)
            return widget;
    }
    return nullptr;
}

QLabel *labelContaining(const QWidget &window, const QString &part)
{
    for (QLabel *label : window.findChildren<QLabel *>()) {
        if (label->text().contains(part))
            return label;
    }
    return nullptr;
}

QPushButton *button(const QWidget &window, const QString &text)
{
    return withText<QPushButton>(window, text);
}

QComboBox *themePicker(const QWidget &window)
{
    for (QComboBox *picker : window.findChildren<QComboBox *>()) {
        if (picker->itemText(0) == QStringLiteral("System"))
            return picker;
    }
    return nullptr;
}

// The recorder of one slot in the shortcuts tab.
ShortcutRecorder *recorderOf(const QWidget &window, ShortcutAction action, int slot)
{
    const QList<ShortcutRecorder *> recorders = window.findChildren<ShortcutRecorder *>();
    return recorders.at(2 * int(action) + slot);
}

// The keys the settings window writes on save.
QStringList draftKeys()
{
    QStringList keys;
    for (const PreferenceKey &key : Pref::all()) {
        if (key != Pref::windowLastWidth && key != Pref::windowLastHeight &&
            key != Pref::customFavorites && key != Pref::customFavoriteNames &&
            key != Pref::tableColumnCustomization && key != Pref::sidebarWidths)
            keys.append(key.name);
    }
    for (ExternalTool tool : allExternalTools())
        keys.append(Pref::externalTool(rawValue(tool)).name);
    keys.sort();
    return keys;
}

// Whether `area` of `widget`, as drawn, holds a pixel a user tells from the window around it:
// the contrast of 3:1 a control's boundary needs.
bool standsOut(QWidget &widget, const QRect &area)
{
    const QImage image = widget.grab().toImage();
    const QColor window = widget.palette().color(QPalette::Window);
    const QRect pixels(area.topLeft() * image.devicePixelRatio(),
                       area.size() * image.devicePixelRatio());
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            if (contrastRatio(image.pixelColor(x, y), window) >= 3)
                return true;
        }
    }
    return false;
}

struct OpenSettings
{
    explicit OpenSettings(ControllerFixture &f)
        : window(SettingsWindow::openFor(f.state(), parent))
    {
        window->activateWindow();
    }

    QWidget parent;
    SettingsWindow *window;
};

} // namespace

class SettingsWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { installTranslation(QStringLiteral("de")); }
    void discardAndCloseWriteNothing();
    void saveWritesEveryKeyOnce();
    void resetRestoresDefaults();
    void keyboardAlone();
    void mainWindowOpensOneSettingsWindow();
    void tabTitlesShowWhole_data();
    void tabTitlesShowWhole();
    void controlsStandOutInEveryTheme_data();
    void controlsStandOutInEveryTheme();
};

void SettingsWindowTest::discardAndCloseWriteNothing()
{
    ControllerFixture f;
    f.preferences.setValue(Pref::themePreset, QStringLiteral("dark"));
    const QByteArray stored = fileBytes(QFile::encodeName(f.preferences.filePath()));
    OpenSettings open(f);
    QWidget &window = *open.window;
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QLabel *unsaved = withText<QLabel>(window, QStringLiteral("Ungespeicherte Änderungen"));
    QPushButton *save = button(window, QStringLiteral("Speichern"));
    QPushButton *discard = button(window, QStringLiteral("Verwerfen"));
    QVERIFY(!unsaved->isVisible() && !save->isEnabled() && !discard->isEnabled());

    // A retro theme brings the text-list look; a shortcut moves. Both only in the draft.
    QComboBox *picker = themePicker(window);
    picker->activated(int(ThemePreset::greenTerminal));
    auto *icons = withText<QCheckBox>(window, QStringLiteral("Icons anzeigen"));
    auto *functionBar =
        withText<QCheckBox>(window, QStringLiteral("Funktionstasten-Leiste unten anzeigen"));
    QVERIFY(!icons->isChecked() && functionBar->isChecked());
    open.window->tabs()->setCurrentIndex(2);
    recorderOf(window, ShortcutAction::rename, 1)->startRecording();
    press(Qt::Key_F5);
    QVERIFY(unsaved->isVisible() && save->isEnabled() && discard->isEnabled());

    QTest::mouseClick(discard, Qt::LeftButton);
    QCOMPARE(picker->currentIndex(), int(ThemePreset::dark));
    QCOMPARE(recorderOf(window, ShortcutAction::rename, 1)->comboButton()->text(),
             QStringLiteral("–"));
    QVERIFY(!unsaved->isVisible() && !save->isEnabled());

    // Closed with edits, the window opens again with what is stored.
    picker->activated(int(ThemePreset::light));
    QTest::mouseClick(button(window, QStringLiteral("Schließen")), Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QCOMPARE(SettingsWindow::openFor(f.state(), open.parent), open.window);
    QCOMPARE(picker->currentIndex(), int(ThemePreset::dark));
    QCOMPARE(fileBytes(QFile::encodeName(f.preferences.filePath())), stored);
}

void SettingsWindowTest::saveWritesEveryKeyOnce()
{
    ControllerFixture f;
    OpenSettings open(f);
    QWidget &window = *open.window;
    QSignalSpy written(&f.preferences, &Preferences::changed);
    auto *width = window.findChildren<QSpinBox *>().at(0);
    width->setValue(500);
    QTest::mouseClick(button(window, QStringLiteral("Speichern")), Qt::LeftButton);

    QStringList keys;
    for (const QList<QVariant> &signal : std::as_const(written))
        keys.append(signal.at(0).toString());
    keys.sort();
    QCOMPARE(keys, draftKeys());
    // Saved at the minimum width, and shown as saved.
    QCOMPARE(f.preferences.numberValue(Pref::windowStartWidth), SettingsDraft::kMinWidth);
    QCOMPARE(width->value(), int(SettingsDraft::kMinWidth));
    QVERIFY(!open.window->editor().hasChanges());
}

void SettingsWindowTest::resetRestoresDefaults()
{
    ControllerFixture f;
    f.preferences.setValue(Pref::themePreset, QStringLiteral("amber"));
    f.preferences.setValue(Pref::confirmDelete, false);
    f.preferences.setValue(Pref::externalTool(QStringLiteral("viewer")),
                           QStringLiteral("/bin/less"));
    ShortcutBindings bindings = f.shortcuts.bindings();
    bindings[ShortcutAction::open] = {std::nullopt, std::nullopt};
    bindings[ShortcutAction::pack] = {
        KeyCombo{35, ModifierBit::command | ModifierBit::option, QStringLiteral("P")},
        std::nullopt};
    f.shortcuts.replaceAll(bindings);
    OpenSettings open(f);
    QWidget &window = *open.window;
    QVERIFY(withText<QLabel>(window, QStringLiteral("less")));
    // The programs' note names their keys as bound now.
    const auto keysNote = [&window](const QString &keys) {
        return labelContaining(window, QStringLiteral("Die Tasten dafür (%1)").arg(keys));
    };
    QVERIFY(keysNote(QStringLiteral("F3, F4, Strg+Alt+P, Alt+F9")));

    QTest::mouseClick(button(window, QStringLiteral("Auf Standard zurücksetzen")), Qt::LeftButton);
    QCOMPARE(open.window->editor().draft(), SettingsDraft::defaults());
    QCOMPARE(themePicker(window)->currentIndex(), int(ThemePreset::system));
    QVERIFY(withText<QCheckBox>(window, QStringLiteral("Vor dem Löschen (Papierkorb) nachfragen"))
                ->isChecked());
    QVERIFY(withText<QLabel>(window, QStringLiteral("Standard: Schnellvorschau von Bivane")));
    QVERIFY(keysNote(QStringLiteral("F3, F4, Alt+F5, Alt+F9")));
    QCOMPARE(recorderOf(window, ShortcutAction::open, 0)->comboButton()->text(),
             QStringLiteral("Eingabe"));

    QTest::mouseClick(button(window, QStringLiteral("Speichern")), Qt::LeftButton);
    QCOMPARE(SettingsDraft::load(f.preferences, f.shortcuts), SettingsDraft::defaults());
}

// Tab, the arrows, Space and Return reach every setting; Return saves, except while a slot
// records, which takes the Return itself.
void SettingsWindowTest::keyboardAlone()
{
    ControllerFixture f;
    OpenSettings open(f);
    QVERIFY(QTest::qWaitForWindowActive(open.window));
    const QByteArray storedBindings = f.preferences.dataValue(Pref::shortcutBindings);

    // Tab bar → "Erscheinungsbild" → theme picker → "Hell"; on to "Festbreitenschrift".
    QTRY_VERIFY(QApplication::focusWidget());
    press(Qt::Key_Right);
    QCOMPARE(open.window->tabs()->currentIndex(), 1);
    press(Qt::Key_Tab);
    press(Qt::Key_Down);
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->property("text").toString(),
             QStringLiteral("Festbreitenschrift"));
    press(Qt::Key_Space);

    // Back to the tab bar, on to the shortcuts: Space records, Return is the new key.
    press(Qt::Key_Tab, Qt::ShiftModifier);
    press(Qt::Key_Tab, Qt::ShiftModifier);
    press(Qt::Key_Tab, Qt::ShiftModifier);
    press(Qt::Key_Right);
    QCOMPARE(open.window->tabs()->currentIndex(), 2);
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(),
             recorderOf(*open.window, ShortcutAction::open, 0)->comboButton());
    // Each slot is its button and its clear button.
    for (int stop = 0; stop < 4; ++stop)
        press(Qt::Key_Tab);
    ShortcutRecorder *goUp = recorderOf(*open.window, ShortcutAction::goUp, 0);
    QCOMPARE(QApplication::focusWidget(), goUp->comboButton());
    press(Qt::Key_Space);
    QVERIFY(goUp->isRecording());
    press(Qt::Key_Return);
    QCOMPARE(goUp->comboButton()->text(), QStringLiteral("Eingabe"));
    QCOMPARE(f.preferences.dataValue(Pref::shortcutBindings), storedBindings);
    QVERIFY(open.window->isVisible());

    // Return outside a push button is the window's: it saves.
    press(Qt::Key_Tab, Qt::ShiftModifier);
    press(Qt::Key_Return);
    QCOMPARE(f.preferences.stringValue(Pref::themePreset), QStringLiteral("light"));
    QVERIFY(f.preferences.boolValue(Pref::themeMonospaced));
    QCOMPARE(f.shortcuts.action(36, 0), ShortcutAction::goUp);
}

void SettingsWindowTest::mainWindowOpensOneSettingsWindow()
{
    ControllerFixture f;
    MainWindow window(f.state());
    window.show();
    QVERIFY(f.state().perform(ShortcutAction::settings));
    QVERIFY(f.state().perform(ShortcutAction::settings));
    const QList<SettingsWindow *> opened = window.findChildren<SettingsWindow *>();
    QCOMPARE(opened.size(), 1);
    QTRY_VERIFY(opened.first()->isVisible());
}

void SettingsWindowTest::tabTitlesShowWhole_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<double>("fontSize"); // 0: the desktop's own size
    for (const char *language : {"de", "en", "tr", "fr"}) {
        for (double size : {0.0, 10.0, 20.0}) {
            QTest::addRow("%s, font %g", language, size) << QString::fromLatin1(language) << size;
        }
    }
}

// Every tab gets the room of its icon and its whole title, inside the window, whatever the
// language and the font.
void SettingsWindowTest::tabTitlesShowWhole()
{
    QFETCH(QString, language);
    QFETCH(double, fontSize);
    QVERIFY(installTranslation(language));
    ControllerFixture f;
    OpenSettings open(f);
    if (fontSize > 0)
        open.window->setFont(platformFont(fontSize));
    QVERIFY(QTest::qWaitForWindowExposed(open.window));
    const QTabBar *bar = open.window->tabs()->tabBar();
    for (int i = 0; i < bar->count(); ++i) {
        const QString title = bar->tabText(i).replace(QStringLiteral("&&"), QStringLiteral("&"));
        const int needed = bar->fontMetrics().horizontalAdvance(title) + bar->iconSize().width();
        QTRY_VERIFY2(bar->tabRect(i).width() >= needed, qPrintable(title));
        const QRect shown(bar->mapTo(open.window, bar->tabRect(i).topLeft()),
                          bar->tabRect(i).size());
        QVERIFY2(open.window->rect().contains(shown), qPrintable(title));
    }
    QCOMPARE(open.window->height(), SettingsWindow::kSize.height());
    QVERIFY(open.window->width() >= SettingsWindow::kSize.width());
}

void SettingsWindowTest::controlsStandOutInEveryTheme_data()
{
    addThemePresetRows();
}

// A check box shows its box unchecked, checked and with the keyboard on it; fields, buttons and
// sliders show their frames, in every theme.
void SettingsWindowTest::controlsStandOutInEveryTheme()
{
    QFETCH(QString, preset);
    ControllerFixture f;
    f.preferences.setValue(Pref::themePreset, preset);
    OpenSettings open(f);
    QVERIFY(QTest::qWaitForWindowActive(open.window));
    auto *toggle = withText<QCheckBox>(*open.window,
                                       QStringLiteral("Ordner in der Liste als Baum aufklappen"));
    QStyleOptionButton option;
    option.initFrom(toggle);
    const QRect box =
        toggle->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, toggle);
    QVERIFY2(standsOut(*toggle, box), "unchecked");
    QTest::mouseClick(toggle, Qt::LeftButton, {}, box.center());
    QVERIFY(toggle->isChecked());
    QVERIFY2(standsOut(*toggle, box), "checked");
    const QImage withoutFocus = toggle->grab().toImage();
    press(Qt::Key_Tab);
    press(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), toggle);
    QVERIFY2(standsOut(*toggle, box), "focused");
    QVERIFY(toggle->grab().toImage().copy(box) != withoutFocus.copy(box));

    const auto leftEdge = [](const QWidget *widget) {
        return QRect(0, widget->height() / 4, 2, widget->height() / 2);
    };
    const auto rightEdge = [](const QWidget *widget) {
        return QRect(widget->width() - 2, widget->height() / 4, 2, widget->height() / 2);
    };
    QTabBar *bar = open.window->tabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    auto *slider = open.window->findChild<QSlider *>();
    QVERIFY2(standsOut(*slider, rightEdge(slider)), "font size slider");
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(6).center());
    auto *width = open.window->findChildren<QSpinBox *>().at(0);
    QVERIFY2(standsOut(*width, leftEdge(width)), "width field");
    QPushButton *takeSize =
        button(*open.window, QStringLiteral("Aktuelle Fenstergröße als Startgröße übernehmen"));
    QVERIFY2(standsOut(*takeSize, leftEdge(takeSize)), "button");
}

BIVANE_GUI_TEST_MAIN(SettingsWindowTest)
#include "tst_settingswindow.moc"
