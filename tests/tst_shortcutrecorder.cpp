// Recording key combinations into the settings draft, and the shortcut list that shows the
// store, through the real widgets and key presses.
#include "appearance/settingseditor.h"
#include "controllerfixture.h"
#include "platform/localization.h"
#include "shortcuts/command.h"
#include "testmain.h"
#include "ui/shortcutrecorder.h"
#include "ui/shortcutslistview.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolButton>
#include <algorithm>

namespace {

struct Press
{
    Qt::Key key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

// A key press as the keyboard makes it: to the window that has the keyboard.
void press(const Press &keys)
{
    QTest::keyClick(QGuiApplication::focusWindow(), keys.key, keys.modifiers);
}

// The texts of the list's labels in reading order: block titles, action titles, key caps.
QStringList labelTexts(const QWidget &list)
{
    QStringList texts;
    for (const QLabel *label : list.findChildren<QLabel *>())
        texts.append(label->text());
    return texts;
}

} // namespace

Q_DECLARE_METATYPE(Press)
Q_DECLARE_METATYPE(QList<Press>)

class ShortcutRecorderTest : public QObject
{
    Q_OBJECT

private slots:
    void records_data();
    void records();
    void movedCombinationReachesTheStoreOnSave();
    void clearButtonEmptiesTheSlot();
    void listShowsTheStore_data();
    void listShowsTheStore();
    void listClosesFromTheKeyboard();
};

// Both slots of `open` and `rename` as recorders in one shown window.
struct RecorderWindow
{
    explicit RecorderWindow(ControllerFixture &f)
        : editor(f.preferences, f.shortcuts)
    {
        auto *layout = new QHBoxLayout(&window);
        for (ShortcutAction action : {ShortcutAction::open, ShortcutAction::rename}) {
            for (int slot : {0, 1}) {
                auto *recorder = new ShortcutRecorder(editor, f.shortcuts, action, slot);
                layout->addWidget(recorder);
                recorders.insert({action, slot}, recorder);
            }
        }
        window.show();
        window.activateWindow();
    }

    SettingsEditor editor;
    QWidget window;
    QMap<std::pair<ShortcutAction, int>, ShortcutRecorder *> recorders;
};

void ShortcutRecorderTest::records_data()
{
    QTest::addColumn<ShortcutAction>("action");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QList<Press>>("presses");
    QTest::addColumn<QString>("shown");        // the slot's text afterwards
    QTest::addColumn<QString>("otherSlot");    // the action's other slot afterwards
    QTest::addColumn<QString>("conflictNote"); // empty: none
    QTest::addColumn<QString>("formerAction"); // the action that lost the combination

    const QList<Press> ctrlShiftK{{Qt::Key_Shift, Qt::ShiftModifier},
                                  {Qt::Key_Control, Qt::ControlModifier | Qt::ShiftModifier},
                                  {Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier}};
    QTest::newRow("modifiers alone wait for the key")
        << ShortcutAction::rename << 1 << ctrlShiftK << "Strg+Umschalt+K"
        << "F2" << QString() << QString();
    QTest::newRow("a function key that is bound elsewhere moves here")
        << ShortcutAction::rename << 0 << QList<Press>{{Qt::Key_F5}} << "F5"
        << "–"
        << "F5 war bei „Ins andere Panel kopieren“ belegt und wurde dort entfernt."
        << "copyToOther";
    QTest::newRow("escape leaves the slot as it was")
        << ShortcutAction::open << 1
        << QList<Press>{{Qt::Key_Shift, Qt::ShiftModifier}, {Qt::Key_Escape}} << "Strg+↓"
        << "Eingabe" << QString() << QString();
    QTest::newRow("return is recorded like any key")
        << ShortcutAction::rename << 1 << QList<Press>{{Qt::Key_Return}} << "Eingabe"
        << "F2"
        << "Eingabe war bei „Öffnen“ belegt und wurde dort entfernt."
        << "open";
    QTest::newRow("the other slot's combination moves over without a note")
        << ShortcutAction::open << 1 << QList<Press>{{Qt::Key_Return}} << "Eingabe"
        << "–" << QString() << QString();
}

void ShortcutRecorderTest::records()
{
    QFETCH(ShortcutAction, action);
    QFETCH(int, slot);
    QFETCH(QList<Press>, presses);
    QFETCH(QString, shown);
    QFETCH(QString, otherSlot);
    QFETCH(QString, conflictNote);
    QFETCH(QString, formerAction);
    ControllerFixture f;
    RecorderWindow window(f);
    QVERIFY(QTest::qWaitForWindowActive(&window.window));
    const ShortcutBindings stored = f.shortcuts.bindings();
    ShortcutRecorder *recorder = window.recorders.value({action, slot});
    ShortcutRecorder *other = window.recorders.value({action, 1 - slot});

    // Space on the focused slot starts recording, and the main window's keys stand still.
    recorder->comboButton()->setFocus();
    press({Qt::Key_Space});
    QVERIFY(recorder->isRecording());
    QVERIFY(f.shortcuts.isRecording());
    QCOMPARE(recorder->comboButton()->text(), QStringLiteral("Taste drücken …"));
    for (qsizetype index = 0; index + 1 < presses.size(); ++index) {
        press(presses.at(index));
        QVERIFY(recorder->isRecording());
    }
    press(presses.last());

    QVERIFY(!recorder->isRecording());
    QVERIFY(!f.shortcuts.isRecording());
    QCOMPARE(recorder->comboButton()->text(), shown);
    QCOMPARE(other->comboButton()->text(), otherSlot);
    QCOMPARE(window.editor.conflictMessage(), conflictNote);
    if (!formerAction.isEmpty()) {
        const ShortcutAction former = *shortcutActionFromRawValue(formerAction);
        const SettingsDraft &draft = window.editor.draft();
        QCOMPARE(std::ranges::count(draft.shortcuts.value(former), draft.slotCombo(action, slot)),
                 0);
    }
    // Only the draft changed: the store keeps its bindings until the settings are saved.
    QCOMPARE(f.shortcuts.bindings(), stored);
}

void ShortcutRecorderTest::movedCombinationReachesTheStoreOnSave()
{
    ControllerFixture f;
    RecorderWindow window(f);
    QVERIFY(QTest::qWaitForWindowActive(&window.window));
    ShortcutRecorder *rename = window.recorders.value({ShortcutAction::rename, 1});
    QTest::mouseClick(rename->comboButton(), Qt::LeftButton);
    press({Qt::Key_F5});
    QCOMPARE(f.shortcuts.action(96, 0), ShortcutAction::copyToOther);

    window.editor.save();
    QCOMPARE(f.shortcuts.action(96, 0), ShortcutAction::rename);
    QVERIFY(f.shortcuts.combos(ShortcutAction::copyToOther).isEmpty());
    QCOMPARE(f.shortcuts.combos(ShortcutAction::rename).size(), 2);
}

void ShortcutRecorderTest::clearButtonEmptiesTheSlot()
{
    ControllerFixture f;
    RecorderWindow window(f);
    ShortcutRecorder *filled = window.recorders.value({ShortcutAction::open, 0});
    ShortcutRecorder *empty = window.recorders.value({ShortcutAction::rename, 1});
    QVERIFY(!empty->clearButton()->isVisible());
    QVERIFY(!empty->clearButton()->isEnabled());

    QTest::mouseClick(filled->clearButton(), Qt::LeftButton);
    QCOMPARE(filled->comboButton()->text(), QStringLiteral("–"));
    QVERIFY(!filled->clearButton()->isEnabled());
    QCOMPARE(window.editor.draft().slotCombo(ShortcutAction::open, 1)->label, QStringLiteral("↓"));
    QVERIFY(window.editor.conflictMessage().isEmpty());
}

void ShortcutRecorderTest::listShowsTheStore_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("navigation");
    QTest::addColumn<QString>("open");
    QTest::addColumn<QStringList>("keys"); // open's two, Ctrl+C, Ctrl+V, Ctrl+,, Ctrl+F, Ctrl+K
    QTest::newRow("German")
        << "de"
        << "Navigation"
        << "Öffnen"
        << QStringList{"Eingabe", "Strg+↓", "Strg+C", "Strg+V", "Strg+,", "Strg+F", "Strg+K"};
    QTest::newRow("English")
        << "en"
        << "Navigation"
        << "Open"
        << QStringList{"Enter", "Ctrl+↓", "Ctrl+C", "Ctrl+V", "Ctrl+,", "Ctrl+F", "Ctrl+K"};
}

// The list names every key as the rest of the program does, the fixed keys too.
void ShortcutRecorderTest::listShowsTheStore()
{
    QFETCH(QString, language);
    QFETCH(QString, navigation);
    QFETCH(QString, open);
    QFETCH(QStringList, keys);
    installTranslation(language);
    ControllerFixture f;
    QWidget window;
    window.show();
    ShortcutsListView list(f.state(), f.shortcuts, &window, &window);
    f.state().setShowShortcuts(true);
    QTRY_VERIFY(list.isVisible());

    // Every action in its group with its combinations, the fixed keys last.
    QStringList texts = labelTexts(list);
    QCOMPARE(texts.mid(texts.indexOf(navigation), 5),
             QStringList({navigation, open, keys[0], keys[1], title(ShortcutAction::goUp)}));
    for (ShortcutAction action : allShortcutActions())
        QVERIFY2(texts.contains(title(action)), qPrintable(title(action)));
    const qsizetype fixedKeys = texts.indexOf(Bv::tr("Feste Tasten"));
    QVERIFY(fixedKeys > texts.indexOf(title(ShortcutAction::syncPanes)));
    const QString copyPaste =
        title(Command::copyFiles) + QStringLiteral(" / ") + title(Command::pasteFiles);
    QCOMPARE(texts.mid(texts.indexOf(copyPaste), 3), QStringList({copyPaste, keys[2], keys[3]}));
    QCOMPARE(texts.mid(texts.indexOf(Bv::tr("Einstellungen (System)")), 2),
             QStringList({Bv::tr("Einstellungen (System)"), keys[4]}));
    QCOMPARE(texts.mid(texts.indexOf(Bv::tr("Suchen")), 2),
             QStringList({Bv::tr("Suchen"), keys[5]}));
    // No key reads in the symbols of another desktop, and no note explains them.
    for (const QString &text : std::as_const(texts))
        QVERIFY2(!text.contains(QRegularExpression(QStringLiteral("[⌘⌥⌃⇧]"))), qPrintable(text));

    // A saved rebinding shows at once; an action without any shows "–".
    ShortcutBindings bindings = f.shortcuts.bindings();
    bindings[ShortcutAction::open] = {std::nullopt, std::nullopt};
    bindings[ShortcutAction::goUp] = {KeyCombo{40, ModifierBit::command, QStringLiteral("K")},
                                      std::nullopt};
    f.shortcuts.replaceAll(bindings);
    texts = labelTexts(list);
    QCOMPARE(texts.mid(texts.indexOf(open), 4),
             QStringList({open, QStringLiteral("–"), title(ShortcutAction::goUp), keys[6]}));
    installTranslation(QStringLiteral("de"));
}

void ShortcutRecorderTest::listClosesFromTheKeyboard()
{
    ControllerFixture f;
    QWidget window;
    window.show();
    ShortcutsListView list(f.state(), f.shortcuts, &window, &window);
    for (const Press &close :
         {Press{Qt::Key_Escape}, Press{Qt::Key_F1}, Press{Qt::Key_Slash, Qt::ControlModifier}}) {
        f.state().setShowShortcuts(true);
        QTRY_VERIFY(list.isVisible());
        QTRY_COMPARE(QGuiApplication::focusWindow(), list.windowHandle());
        press(close);
        QTRY_VERIFY(!list.isVisible());
        QVERIFY(!f.state().showShortcuts());
    }
}

BIVANE_GUI_TEST_MAIN(ShortcutRecorderTest)
#include "tst_shortcutrecorder.moc"
