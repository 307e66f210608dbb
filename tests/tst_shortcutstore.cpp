#include "platform/preferences.h"
#include "shortcuts/command.h"
#include "shortcuts/fixedkeys.h"
#include "shortcuts/shortcutstore.h"
#include "testmain.h"
#include "testtree.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QSignalSpy>
#include <linux/input-event-codes.h>

namespace {

constexpr quint32 shift = ModifierBit::shift;
constexpr quint32 control = ModifierBit::control;
constexpr quint32 option = ModifierBit::option;
constexpr quint32 command = ModifierBit::command;

const KeyCombo f5{96, 0, "F5"};
const KeyCombo controlA{0, control, "A"};
const KeyCombo controlB{11, control, "B"};
const KeyCombo controlC{8, control, "C"};

ShortcutBindings defaultBindings()
{
    ShortcutBindings bindings;
    for (ShortcutAction action : allShortcutActions())
        bindings.insert(action, defaultCombos(action));
    return bindings;
}

ShortcutBindings defaultsWith(const QList<std::pair<ShortcutAction, ShortcutSlots>> &changes)
{
    ShortcutBindings bindings = defaultBindings();
    for (const auto &[action, bound] : changes)
        bindings.insert(action, bound);
    return bindings;
}

QJsonArray slotArray(const QList<std::optional<KeyCombo>> &slotList)
{
    QJsonArray array;
    for (const std::optional<KeyCombo> &slot : slotList)
        array.append(toJson(slot));
    return array;
}

QByteArray compact(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

// What a version without `missing` would have stored: every other action with its defaults.
QJsonObject storedDefaultsWithout(ShortcutAction missing)
{
    QJsonObject object;
    for (ShortcutAction action : allShortcutActions()) {
        if (action != missing) {
            const ShortcutSlots defaults = defaultCombos(action);
            object.insert(rawValue(action), slotArray({defaults[0], defaults[1]}));
        }
    }
    return object;
}

} // namespace

class ShortcutStoreTest : public QObject
{
    Q_OBJECT

private slots:
    void loadRepairsStoredData_data();
    void loadRepairsStoredData();
    void keyBarAndMenu_data();
    void keyBarAndMenu();
    void keyPressesFindActions_data();
    void keyPressesFindActions();
    void earlierActionWinsDuplicates();
    void replaceAllWritesEvenWhenEqual();
    void catalogueKeysDoNotCollide();
};

void ShortcutStoreTest::loadRepairsStoredData_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<ShortcutBindings>("expected");

    const ShortcutBindings defaults = defaultBindings();
    const ShortcutSlots empty;
    // Starts data that would empty goUp, were it to decode.
    const QByteArray defaultsBut = "{\"goUp\":[null,null],";

    QTest::newRow("not JSON") << QByteArray("{\"open\": [null, null]") << defaults;
    QTest::newRow("not an object") << QByteArray("[[null,null]]") << defaults;
    QTest::newRow("combination without label")
        << defaultsBut + R"("open":[{"keyCode":36,"modifiers":0},null]})" << defaults;
    QTest::newRow("member that is no array") << defaultsBut + R"("open":null})" << defaults;
    QTest::newRow("unknown member of the wrong shape")
        << defaultsBut + R"("gone":[{"keyCode":1}]})" << defaults;
    QTest::newRow("only open, both slots empty")
        << QByteArray(R"({"open":[null,null]})") << defaultsWith({{ShortcutAction::open, empty}});
    QTest::newRow("names are case-sensitive")
        << QByteArray(R"({"Open":[null,null],"GOUP":[null,null],"goUp":[null,null]})")
        << defaultsWith({{ShortcutAction::goUp, empty}});
    QTest::newRow("empty array") << QByteArray(R"({"open":[]})")
                                 << defaultsWith({{ShortcutAction::open, empty}});
    QTest::newRow("array of one") << compact({{"open", slotArray({controlA})}})
                                  << defaultsWith(
                                         {{ShortcutAction::open, {controlA, std::nullopt}}});
    QTest::newRow("array of three")
        << compact({{"open", slotArray({controlA, std::nullopt, controlC})},
                    {"goUp", slotArray({controlB, controlA, controlC})}})
        << defaultsWith({{ShortcutAction::open, {controlA, std::nullopt}},
                         {ShortcutAction::goUp, {controlB, controlA}}});

    QJsonObject renameHoldsF5 = storedDefaultsWithout(ShortcutAction::copyToOther);
    renameHoldsF5.insert("rename", slotArray({f5, controlA}));
    renameHoldsF5.insert("moveToOther", slotArray({controlB, f5}));
    QTest::newRow("new action takes its default from stored ones")
        << compact(renameHoldsF5)
        << defaultsWith({{ShortcutAction::rename, {std::nullopt, controlA}},
                         {ShortcutAction::moveToOther, {controlB, std::nullopt}}});
}

void ShortcutStoreTest::loadRepairsStoredData()
{
    QFETCH(QByteArray, data);
    QFETCH(ShortcutBindings, expected);

    TestTree tree;
    Preferences preferences(tree.root());
    preferences.setValue(Pref::shortcutBindings, data);
    const ShortcutStore store(preferences);

    QCOMPARE(store.bindings().size(), 32);
    for (ShortcutAction action : allShortcutActions())
        QVERIFY2(store.bindings().value(action) == expected.value(action),
                 qPrintable(rawValue(action)));
    // Loading repairs in memory only.
    QCOMPARE(preferences.dataValue(Pref::shortcutBindings), data);
}

void ShortcutStoreTest::keyBarAndMenu_data()
{
    QTest::addColumn<ShortcutSlots>("slotPair");
    QTest::addColumn<QString>("keyBar");
    QTest::addColumn<QString>("menu"); // empty: none

    QTest::newRow("trash prefers the Command slot for menus")
        << defaultCombos(ShortcutAction::trash) << "F8"
        << "Strg+Rücktaste";
    QTest::newRow("plain function key in the second slot")
        << ShortcutSlots{KeyCombo{96, option, "F5"}, KeyCombo{97, 0, "F6"}} << "F6"
        << "Alt+F5";
    QTest::newRow("function key with Shift")
        << ShortcutSlots{KeyCombo{97, shift, "F6"}, std::nullopt} << "Umschalt+F6"
        << "Umschalt+F6";
    QTest::newRow("Command slot without menu key")
        << ShortcutSlots{KeyCombo{99, 0, "F3"}, KeyCombo{115, command, "Home"}} << "F3"
        << QString();
    QTest::newRow("only the second slot")
        << ShortcutSlots{std::nullopt, KeyCombo{49, 0, "Space"}} << "Leertaste"
        << "Leertaste";
    QTest::newRow("both slots empty") << ShortcutSlots{} << "–" << QString();
}

void ShortcutStoreTest::keyBarAndMenu()
{
    QFETCH(ShortcutSlots, slotPair);
    QFETCH(QString, keyBar);
    QFETCH(QString, menu);

    TestTree tree;
    Preferences preferences(tree.root());
    ShortcutStore store(preferences);
    store.replaceAll(defaultsWith({{ShortcutAction::open, slotPair}}));
    QCOMPARE(store.keyBarLabel(ShortcutAction::open), keyBar);
    const std::optional<KeyCombo> menuCombo = store.menuCombo(ShortcutAction::open);
    QCOMPARE(menuCombo ? menuCombo->displayText() : QString(), menu);
}

void ShortcutStoreTest::keyPressesFindActions_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<uint>("scanCode");
    QTest::addColumn<int>("action"); // -1: none

    const auto expect = [](ShortcutAction action) {
        return int(action);
    };
    QTest::newRow("F5 by scan code with Caps Lock")
        << int(Qt::Key_F5) << 0 << KEY_F5 + 8u << expect(ShortcutAction::copyToOther);
    QTest::newRow("F5 with keypad and group flags")
        << int(Qt::Key_F5) << int(Qt::KeypadModifier | Qt::GroupSwitchModifier) << 0u
        << expect(ShortcutAction::copyToOther);
    QTest::newRow("Alt+F5") << int(Qt::Key_F5) << int(Qt::AltModifier) << 0u
                            << expect(ShortcutAction::pack);
    QTest::newRow("Ctrl+F5") << int(Qt::Key_F5) << int(Qt::ControlModifier) << 0u << -1;
    QTest::newRow("Ctrl+Shift+. as >")
        << int(Qt::Key_Greater) << int(Qt::ControlModifier | Qt::ShiftModifier) << 0u
        << expect(ShortcutAction::toggleHidden);
    QTest::newRow("Shift+Tab as Backtab")
        << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << 0u << expect(ShortcutAction::prevZone);
    QTest::newRow("Ctrl+Down") << int(Qt::Key_Down) << int(Qt::ControlModifier) << 0u
                               << expect(ShortcutAction::open);
    QTest::newRow("keypad Enter is not Return")
        << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 0u << -1;
    QTest::newRow("dead key") << int(Qt::Key_Dead_Acute) << 0 << 0u << -1;
}

void ShortcutStoreTest::keyPressesFindActions()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(uint, scanCode);
    QFETCH(int, action);

    TestTree tree;
    Preferences preferences(tree.root());
    const ShortcutStore store(preferences);
    // Caps Lock shows only in the native modifier state (X11's LockMask).
    const QKeyEvent press(
        QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), scanCode, 0, 0x2);
    const std::optional<ShortcutAction> found = store.action(press);
    QCOMPARE(found ? int(*found) : -1, action);
}

void ShortcutStoreTest::earlierActionWinsDuplicates()
{
    TestTree tree;
    Preferences preferences(tree.root());
    ShortcutStore store(preferences);
    const KeyCombo relabelled{96, 0, "Fünf"};
    store.replaceAll(defaultsWith({{ShortcutAction::rename, {controlA, relabelled}},
                                   {ShortcutAction::favorite, {f5, std::nullopt}}}));
    QCOMPARE(store.action(96, 0), ShortcutAction::rename);
    QCOMPARE(store.action(96, option | (1u << 16)), ShortcutAction::pack);
}

void ShortcutStoreTest::replaceAllWritesEvenWhenEqual()
{
    TestTree tree;
    Preferences preferences(tree.root());
    ShortcutStore store(preferences);
    QSignalSpy changed(&store, &ShortcutStore::bindingsChanged);
    QVERIFY(!preferences.stored(Pref::shortcutBindings));

    store.replaceAll(defaultBindings());
    QCOMPARE(changed.count(), 0);
    const QByteArray data = preferences.dataValue(Pref::shortcutBindings);
    QVERIFY(data.contains("↩"));
    QVERIFY(!data.contains("\\u"));
    const QJsonObject object = QJsonDocument::fromJson(data).object();
    QCOMPARE(object.size(), 32);
    for (ShortcutAction action : allShortcutActions())
        QCOMPARE(object.value(rawValue(action)).toArray().size(), 2);
    QCOMPARE(object.value("open").toArray(),
             QJsonArray({QJsonObject{{"keyCode", 36}, {"modifiers", 0}, {"label", "↩"}},
                         QJsonObject{{"keyCode", 125}, {"modifiers", 1048576}, {"label", "↓"}}}));
    QCOMPARE(object.value("copyToOther").toArray(),
             QJsonArray({QJsonObject{{"keyCode", 96}, {"modifiers", 0}, {"label", "F5"}},
                         QJsonValue::Null}));

    // A changed set notifies, and a store started later on the same folder reads it back.
    const ShortcutBindings edited =
        defaultsWith({{ShortcutAction::open, {std::nullopt, KeyCombo{126, command, "↑"}}},
                      {ShortcutAction::goUp, {KeyCombo{10, ModifierBit::mask, "<"}, std::nullopt}},
                      {ShortcutAction::rename, {KeyCombo{39, shift, "Ä"}, KeyCombo{27, 0, "SS"}}},
                      {ShortcutAction::copyToOther, ShortcutSlots()}});
    store.replaceAll(edited);
    QCOMPARE(changed.count(), 1);
    Preferences again(tree.root());
    QVERIFY(ShortcutStore(again).bindings() == edited);
}

// The shipped bindings never take a fixed key from its command, and only the bindable
// commands have slots to bind.
void ShortcutStoreTest::catalogueKeysDoNotCollide()
{
    QList<KeyCombo> bound;
    for (Command command : allCommands()) {
        QCOMPARE(shortcutAction(command).has_value(), shortcutGroup(command).has_value());
        QVERIFY(!title(command).isEmpty());
        if (!shortcutAction(command)) {
            QCOMPARE(defaultKeys(command), ShortcutSlots());
            continue;
        }
        QCOMPARE(rawValue(*shortcutAction(command)), commandName(command));
        for (const std::optional<KeyCombo> &slot : defaultKeys(command)) {
            if (slot)
                bound.append(*slot);
        }
    }
    QCOMPARE(allShortcutActions().size(), 32);
    for (Command command : allCommands()) {
        const std::optional<KeyCombo> fixed = fixedKey(command);
        if (!fixed)
            continue;
        for (const KeyCombo &combo : std::as_const(bound))
            QVERIFY2(!combo.matches(fixed->keyCode, fixed->modifiers),
                     qPrintable(commandName(command)));
    }
}

BIVANE_TEST_MAIN(ShortcutStoreTest)
#include "tst_shortcutstore.moc"
