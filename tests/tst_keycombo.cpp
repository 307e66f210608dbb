#include "platform/localization.h"
#include "shortcuts/keycombo.h"
#include "shortcuts/keymapping.h"
#include "shortcuts/shortcutaction.h"
#include "testmain.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QSet>
#include <linux/input-event-codes.h>

namespace {

constexpr quint32 shift = ModifierBit::shift;
constexpr quint32 control = ModifierBit::control;
constexpr quint32 option = ModifierBit::option;
constexpr quint32 command = ModifierBit::command;
// What xcb and Wayland add to the evdev code.
constexpr quint32 xkbOffset = 8;
// Every press carries Caps Lock in X11's native modifier state, which must not reach a combination.
constexpr quint32 x11LockMask = 0x2;

QKeyEvent keyPress(int key, Qt::KeyboardModifiers modifiers, const QString &text, quint32 scanCode)
{
    return QKeyEvent(QEvent::KeyPress, key, modifiers, scanCode, 0, x11LockMask, text);
}

} // namespace

class KeyComboTest : public QObject
{
    Q_OBJECT

private slots:
    void keyPressesBecomeCombos_data();
    void keyPressesBecomeCombos();
    void scanCodesAndQtKeysAgree();
    void displayText_data();
    void displayText();
    void menuShortcut_data();
    void menuShortcut();
    void matchingIgnoresLabel();
    void slotsDecodeStrictly_data();
    void slotsDecodeStrictly();
    void actionsByRawValue();
    void defaultsAreDistinctAndNamed();
};

void KeyComboTest::keyPressesBecomeCombos_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("qtModifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<uint>("scanCode");
    QTest::addColumn<int>("keyCode"); // -1: no combination
    QTest::addColumn<uint>("modifiers");
    QTest::addColumn<QString>("label");

    const int ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    QTest::newRow("Ctrl+Shift+. as >")
        << int(Qt::Key_Greater) << ctrlShift << ">" << 0u << 47 << 1179648u << ".";
    QTest::newRow("Ctrl+Shift+. by scan code")
        << int(Qt::Key_Greater) << ctrlShift << ">" << KEY_DOT + xkbOffset << 47 << 1179648u << ".";
    QTest::newRow("German Ctrl+Shift+. reports :")
        << int(Qt::Key_Colon) << ctrlShift << ":" << KEY_DOT + xkbOffset << 47 << 1179648u << ".";
    QTest::newRow("Ctrl+Shift+N") << int(Qt::Key_N) << ctrlShift << "N" << 0u << 45
                                  << shift + command << "N";
    QTest::newRow("Ctrl+N types a control character")
        << int(Qt::Key_N) << int(Qt::ControlModifier) << "\x0e" << KEY_N + xkbOffset << 45
        << command << "N";
    QTest::newRow("Super+Alt+A") << int(Qt::Key_A) << int(Qt::MetaModifier | Qt::AltModifier) << "a"
                                 << 0u << 0 << control + option << "A";
    QTest::newRow("AZERTY A sits on the Q key") << int(Qt::Key_A) << int(Qt::ControlModifier) << "a"
                                                << KEY_Q + xkbOffset << 12 << command << "A";
    QTest::newRow("German Shift+ä keeps its letter")
        << int(Qt::Key_Adiaeresis) << int(Qt::ShiftModifier) << "Ä" << KEY_APOSTROPHE + xkbOffset
        << 39 << shift << "Ä";
    QTest::newRow("Shift+Escape") << int(Qt::Key_Escape) << int(Qt::ShiftModifier) << "\x1b" << 0u
                                  << 53 << 131072u << "⎋";
    QTest::newRow("Shift+Tab as Backtab")
        << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << "" << 0u << 48 << shift << "⇥";
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "\r" << 0u
                                  << 76 << 0u << "⌅";
    QTest::newRow("keypad Enter without keypad flag")
        << int(Qt::Key_Enter) << 0 << "\r" << 0u << 76 << 0u << "⌅";
    QTest::newRow("keypad digit acts as digit") << int(Qt::Key_1) << int(Qt::KeypadModifier) << "1"
                                                << KEY_KP1 + xkbOffset << 18 << 0u << "1";
    QTest::newRow("F5 with keypad and group flags")
        << int(Qt::Key_F5) << int(Qt::KeypadModifier | Qt::GroupSwitchModifier) << ""
        << KEY_F5 + xkbOffset << 96 << 0u << "F5";
    QTest::newRow("unknown scan code falls back to the Qt key")
        << int(Qt::Key_F5) << 0 << "" << 700u << 96 << 0u << "F5";
    QTest::newRow("dead key") << int(Qt::Key_Dead_Acute) << 0 << "" << 0u << -1 << 0u << "";
    QTest::newRow("dead key with scan code")
        << int(Qt::Key_Dead_Circumflex) << 0 << "" << KEY_GRAVE + xkbOffset << -1 << 0u << "";
    QTest::newRow("Shift alone") << int(Qt::Key_Shift) << int(Qt::ShiftModifier) << ""
                                 << KEY_LEFTSHIFT + xkbOffset << -1 << 0u << "";
}

void KeyComboTest::keyPressesBecomeCombos()
{
    QFETCH(int, key);
    QFETCH(int, qtModifiers);
    QFETCH(QString, text);
    QFETCH(uint, scanCode);
    QFETCH(int, keyCode);
    QFETCH(uint, modifiers);
    QFETCH(QString, label);

    const QKeyEvent event = keyPress(key, Qt::KeyboardModifiers(qtModifiers), text, scanCode);
    const std::optional<KeyCombo> combo = KeyCombo::fromKeyEvent(event);
    if (keyCode < 0) {
        QVERIFY(!combo);
        return;
    }
    QVERIFY(combo);
    QCOMPARE(combo->keyCode, keyCode);
    QCOMPARE(combo->modifiers, modifiers);
    QCOMPARE(combo->label, label);
}

void KeyComboTest::scanCodesAndQtKeysAgree()
{
    // The same physical key seen through its evdev code and through the Qt key it reports on
    // a US layout, once plain and once shifted.
    // clang-format off
    const int letterScanCodes[26] = {
        KEY_A, KEY_B, KEY_C, KEY_D, KEY_E, KEY_F, KEY_G, KEY_H, KEY_I, KEY_J, KEY_K, KEY_L, KEY_M,
        KEY_N, KEY_O, KEY_P, KEY_Q, KEY_R, KEY_S, KEY_T, KEY_U, KEY_V, KEY_W, KEY_X, KEY_Y, KEY_Z};
    QList<std::tuple<int, int, int>> keys{
        {KEY_1, Qt::Key_1, Qt::Key_Exclam}, {KEY_2, Qt::Key_2, Qt::Key_At},
        {KEY_3, Qt::Key_3, Qt::Key_NumberSign}, {KEY_4, Qt::Key_4, Qt::Key_Dollar},
        {KEY_5, Qt::Key_5, Qt::Key_Percent}, {KEY_6, Qt::Key_6, Qt::Key_AsciiCircum},
        {KEY_7, Qt::Key_7, Qt::Key_Ampersand}, {KEY_8, Qt::Key_8, Qt::Key_Asterisk},
        {KEY_9, Qt::Key_9, Qt::Key_ParenLeft}, {KEY_0, Qt::Key_0, Qt::Key_ParenRight},
        {KEY_MINUS, Qt::Key_Minus, Qt::Key_Underscore}, {KEY_EQUAL, Qt::Key_Equal, Qt::Key_Plus},
        {KEY_LEFTBRACE, Qt::Key_BracketLeft, Qt::Key_BraceLeft},
        {KEY_RIGHTBRACE, Qt::Key_BracketRight, Qt::Key_BraceRight},
        {KEY_SEMICOLON, Qt::Key_Semicolon, Qt::Key_Colon},
        {KEY_APOSTROPHE, Qt::Key_Apostrophe, Qt::Key_QuoteDbl},
        {KEY_GRAVE, Qt::Key_QuoteLeft, Qt::Key_AsciiTilde},
        {KEY_BACKSLASH, Qt::Key_Backslash, Qt::Key_Bar}, {KEY_COMMA, Qt::Key_Comma, Qt::Key_Less},
        {KEY_DOT, Qt::Key_Period, Qt::Key_Greater}, {KEY_SLASH, Qt::Key_Slash, Qt::Key_Question},
        {KEY_ENTER, Qt::Key_Return, Qt::Key_Return}, {KEY_KPENTER, Qt::Key_Enter, Qt::Key_Enter},
        {KEY_TAB, Qt::Key_Tab, Qt::Key_Backtab}, {KEY_SPACE, Qt::Key_Space, Qt::Key_Space},
        {KEY_BACKSPACE, Qt::Key_Backspace, Qt::Key_Backspace},
        {KEY_DELETE, Qt::Key_Delete, Qt::Key_Delete}, {KEY_ESC, Qt::Key_Escape, Qt::Key_Escape},
        {KEY_LEFT, Qt::Key_Left, Qt::Key_Left}, {KEY_RIGHT, Qt::Key_Right, Qt::Key_Right},
        {KEY_UP, Qt::Key_Up, Qt::Key_Up}, {KEY_DOWN, Qt::Key_Down, Qt::Key_Down},
        {KEY_HOME, Qt::Key_Home, Qt::Key_Home}, {KEY_END, Qt::Key_End, Qt::Key_End},
        {KEY_PAGEUP, Qt::Key_PageUp, Qt::Key_PageUp},
        {KEY_PAGEDOWN, Qt::Key_PageDown, Qt::Key_PageDown}, {KEY_F1, Qt::Key_F1, Qt::Key_F1},
        {KEY_F2, Qt::Key_F2, Qt::Key_F2}, {KEY_F3, Qt::Key_F3, Qt::Key_F3},
        {KEY_F4, Qt::Key_F4, Qt::Key_F4}, {KEY_F5, Qt::Key_F5, Qt::Key_F5},
        {KEY_F6, Qt::Key_F6, Qt::Key_F6}, {KEY_F7, Qt::Key_F7, Qt::Key_F7},
        {KEY_F8, Qt::Key_F8, Qt::Key_F8}, {KEY_F9, Qt::Key_F9, Qt::Key_F9},
        {KEY_F10, Qt::Key_F10, Qt::Key_F10}, {KEY_F11, Qt::Key_F11, Qt::Key_F11},
        {KEY_F12, Qt::Key_F12, Qt::Key_F12},
    };
    // clang-format on
    for (int letter = 0; letter < 26; ++letter)
        keys.append({letterScanCodes[letter], Qt::Key_A + letter, Qt::Key_A + letter});
    QSet<quint16> codes;
    for (const auto &[evdev, plain, shifted] : keys) {
        const QString name = QKeySequence(plain).toString();
        const auto byScanCode = virtualKeyCode(keyPress(plain, {}, {}, evdev + xkbOffset));
        QVERIFY2(byScanCode, qPrintable(name));
        QCOMPARE(virtualKeyCode(keyPress(plain, {}, {}, 0)), byScanCode);
        QCOMPARE(virtualKeyCode(keyPress(shifted, Qt::ShiftModifier, {}, 0)), byScanCode);
        QCOMPARE(virtualKeyCode(keyPress(shifted, Qt::ShiftModifier, {}, evdev + xkbOffset)),
                 byScanCode);
        QCOMPARE(unshiftedKeyText(keyPress(shifted, Qt::ShiftModifier, {}, 0)),
                 unshiftedKeyText(keyPress(plain, {}, {}, 0)));
        QVERIFY2(!codes.contains(*byScanCode), qPrintable(name));
        codes.insert(*byScanCode);
    }
}

// The same combinations in each language, written as the desktop writes them.
void KeyComboTest::displayText_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("texts");

    QTest::newRow("German") << "de"
                            << QStringList{"Strg+Alt+K",
                                           "Umschalt+F6",
                                           "Alt+F5",
                                           "Entf",
                                           "Strg+,",
                                           "Strg+Alt+Umschalt+Super+A",
                                           "Leertaste",
                                           "Strg+Rücktaste",
                                           "Eingabe",
                                           "Strg+↓"};
    QTest::newRow("English") << "en"
                             << QStringList{"Ctrl+Alt+K",
                                            "Shift+F6",
                                            "Alt+F5",
                                            "Delete",
                                            "Ctrl+,",
                                            "Ctrl+Alt+Shift+Super+A",
                                            "Space",
                                            "Ctrl+Backspace",
                                            "Enter",
                                            "Ctrl+↓"};
}

void KeyComboTest::displayText()
{
    QFETCH(QString, language);
    QFETCH(QStringList, texts);
    const QList<KeyCombo> combos{
        {40, command | option, "K"},
        {97, shift, "F6"},
        {96, option, "F5"},
        {117, 0, "⌦"},
        {43, command, ","},
        // Set in another order than shown.
        {0, control | shift | option | command, "A"},
        {49, 0, "Space"},
        {51, command, "⌫"},
        {36, 0, "↩"},
        {125, command, "↓"},
    };
    QVERIFY(installTranslation(language));
    QStringList shown;
    for (const KeyCombo &combo : combos)
        shown.append(combo.displayText());
    installTranslation(QStringLiteral("de"));
    QCOMPARE(shown, texts);
}

void KeyComboTest::menuShortcut_data()
{
    QTest::addColumn<KeyCombo>("combo");
    QTest::addColumn<QKeySequence>("sequence"); // empty: none

    QTest::newRow("F1") << KeyCombo{122, 0, "F1"} << QKeySequence(Qt::Key_F1);
    QTest::newRow("F13") << KeyCombo{105, 0, "F13"} << QKeySequence();
    QTest::newRow("Home") << KeyCombo{115, 0, "Home"} << QKeySequence();
    QTest::newRow("keypad Enter") << KeyCombo{76, 0, "⌅"} << QKeySequence(Qt::Key_Return);
    QTest::newRow("Command+Backspace")
        << KeyCombo{51, command, "⌫"} << QKeySequence(Qt::CTRL | Qt::Key_Backspace);
    QTest::newRow("Command+Down") << KeyCombo{125, command, "↓"}
                                  << QKeySequence(Qt::CTRL | Qt::Key_Down);
    QTest::newRow("Shift+Command+N")
        << KeyCombo{45, shift | command, "N"} << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N);
    QTest::newRow("Control+Option+period")
        << KeyCombo{47, control | option, "."} << QKeySequence(Qt::META | Qt::ALT | Qt::Key_Period);
    QTest::newRow("two-letter label") << KeyCombo{27, 0, "SS"} << QKeySequence();
}

void KeyComboTest::menuShortcut()
{
    QFETCH(KeyCombo, combo);
    QFETCH(QKeySequence, sequence);
    QCOMPARE(combo.menuShortcut().value_or(QKeySequence()), sequence);
}

void KeyComboTest::matchingIgnoresLabel()
{
    const KeyCombo recorded{47, shift | command, "."};
    const KeyCombo edited{47, shift | command, ">"};
    QVERIFY(recorded != edited);
    QVERIFY(qHash(recorded) != qHash(edited));
    // Caps Lock's own flag (1 << 16) is not a modifier of a combination.
    for (const KeyCombo &combo : {recorded, edited}) {
        QVERIFY(combo.matches(47, shift | command | (1u << 16)));
        QVERIFY(!combo.matches(47, command));
        QVERIFY(!combo.matches(43, shift | command));
    }
}

void KeyComboTest::slotsDecodeStrictly_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<bool>("decodes");
    QTest::addColumn<KeyCombo>("combo"); // keyCode 0xFFFF: an empty slot

    const KeyCombo noCombo{0xFFFF, 0, {}};
    QTest::newRow("null") << QByteArray("null") << true << noCombo;
    QTest::newRow("complete") << QByteArray(R"({"keyCode":96,"modifiers":524288,"label":"F5"})")
                              << true << KeyCombo{96, 524288, "F5"};
    QTest::newRow("extra member") << QByteArray(
                                         R"({"keyCode":36,"modifiers":0,"label":"↩","note":1})")
                                  << true << KeyCombo{36, 0, "↩"};
    QTest::newRow("no label") << QByteArray(R"({"keyCode":36,"modifiers":0})") << false << noCombo;
    QTest::newRow("key code as string")
        << QByteArray(R"({"keyCode":"36","modifiers":0,"label":"↩"})") << false << noCombo;
    QTest::newRow("fractional key code")
        << QByteArray(R"({"keyCode":36.5,"modifiers":0,"label":"↩"})") << false << noCombo;
    QTest::newRow("key code too large")
        << QByteArray(R"({"keyCode":65536,"modifiers":0,"label":"↩"})") << false << noCombo;
    QTest::newRow("negative modifiers")
        << QByteArray(R"({"keyCode":36,"modifiers":-1,"label":"↩"})") << false << noCombo;
    QTest::newRow("array") << QByteArray("[36,0,\"x\"]") << false << noCombo;
}

void KeyComboTest::slotsDecodeStrictly()
{
    QFETCH(QByteArray, json);
    QFETCH(bool, decodes);
    QFETCH(KeyCombo, combo);

    const QJsonValue value = QJsonDocument::fromJson("[" + json + "]").array().first();
    const std::optional<std::optional<KeyCombo>> slot = slotFromJson(value);
    QCOMPARE(bool(slot), decodes);
    if (!slot)
        return;
    const std::optional<KeyCombo> expected =
        combo.keyCode == 0xFFFF ? std::nullopt : std::optional(combo);
    QCOMPARE(*slot, expected);
    QCOMPARE(slotFromJson(toJson(*slot)), slot);
}

void KeyComboTest::actionsByRawValue()
{
    QVERIFY(!shortcutActionFromRawValue(QStringLiteral("Open")));
    QCOMPARE(shortcutActionFromRawValue(QStringLiteral("syncPanes")), ShortcutAction::syncPanes);
    QCOMPARE(allShortcutActions().size(), 32);
    for (ShortcutAction action : allShortcutActions())
        QCOMPARE(shortcutActionFromRawValue(rawValue(action)), action);
}

void KeyComboTest::defaultsAreDistinctAndNamed()
{
    // No default shadows another, and named keys carry their name as label.
    QSet<QPair<quint16, quint32>> seen;
    for (ShortcutAction action : allShortcutActions()) {
        for (const std::optional<KeyCombo> &combo : defaultCombos(action)) {
            if (!combo)
                continue;
            const QPair<quint16, quint32> key(combo->keyCode, combo->modifiers);
            QVERIFY2(!seen.contains(key), qPrintable(rawValue(action)));
            seen.insert(key);
            QCOMPARE(keyNameTable().value(combo->keyCode, combo->label), combo->label);
        }
    }
}

BIVANE_TEST_MAIN(KeyComboTest)
#include "tst_keycombo.moc"
