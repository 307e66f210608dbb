#include "shortcuts/keycombo.h"

#include "platform/localization.h"
#include "shortcuts/keymapping.h"

#include <QJsonObject>
#include <QKeyEvent>
#include <QStringList>
#include <limits>

namespace {

const QString keyCodeMember = QStringLiteral("keyCode");
const QString modifiersMember = QStringLiteral("modifiers");
const QString labelMember = QStringLiteral("label");

// Virtual key codes of keys whose menu sequence does not follow from their label.
std::optional<Qt::Key> namedMenuKey(quint16 keyCode)
{
    switch (keyCode) {
    case 36:
    case 76:
        return Qt::Key_Return;
    case 48:
        return Qt::Key_Tab;
    case 49:
        return Qt::Key_Space;
    case 51:
        return Qt::Key_Backspace;
    case 117:
        return Qt::Key_Delete;
    case 123:
        return Qt::Key_Left;
    case 124:
        return Qt::Key_Right;
    case 125:
        return Qt::Key_Down;
    case 126:
        return Qt::Key_Up;
    default:
        return std::nullopt;
    }
}

// The word for a key that has one in the program's language, else nothing; the arrows keep
// the arrows printed on the keys.
std::optional<QString> keyWord(quint16 keyCode)
{
    switch (keyCode) {
    case 36:
        return Bv::tr("Eingabe");
    case 76: // Enter on the numeric keypad
        return QStringLiteral("Num+") + Bv::tr("Eingabe");
    case 48:
        return Bv::tr("Tab");
    case 49:
        return Bv::tr("Leertaste");
    case 51:
        return Bv::tr("Rücktaste");
    case 117:
        return Bv::tr("Entf");
    case 53:
        return Bv::tr("Esc");
    case 115:
        return Bv::tr("Pos1");
    case 119:
        return Bv::tr("Ende");
    case 116:
        return Bv::tr("Bild auf");
    case 121:
        return Bv::tr("Bild ab");
    default:
        return std::nullopt;
    }
}

// A JSON number that is a whole number within [0, max].
std::optional<quint32> unsignedInteger(const QJsonValue &value, quint32 max)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (number < 0 || number > max || number != double(qint64(number)))
        return std::nullopt;
    return quint32(number);
}

} // namespace

QString KeyCombo::displayText() const
{
    QStringList parts;
    if (modifiers & ModifierBit::command)
        parts.append(Bv::tr("Strg"));
    if (modifiers & ModifierBit::option)
        parts.append(Bv::tr("Alt"));
    if (modifiers & ModifierBit::shift)
        parts.append(Bv::tr("Umschalt"));
    if (modifiers & ModifierBit::control)
        parts.append(Bv::tr("Super"));
    parts.append(keyWord(keyCode).value_or(label));
    return parts.join(QLatin1Char('+'));
}

std::optional<KeyCombo> KeyCombo::fromKeyEvent(const QKeyEvent &event)
{
    const std::optional<quint16> code = virtualKeyCode(event);
    if (!code)
        return std::nullopt;
    KeyCombo combo{*code, modifierBits(event.modifiers()) & ModifierBit::mask, {}};
    combo.label = keyNameTable().value(*code);
    if (combo.label.isEmpty())
        combo.label = unshiftedKeyText(event);
    if (combo.label.isEmpty())
        return std::nullopt;
    return combo;
}

std::optional<QKeySequence> KeyCombo::menuShortcut() const
{
    int key = 0;
    const std::optional<int> functionKey = functionKeyNumber();
    const QList<uint> characters = label.toUcs4();
    if (const std::optional<Qt::Key> named = namedMenuKey(keyCode))
        key = *named;
    else if (functionKey && *functionKey >= 1 && *functionKey <= 12)
        key = Qt::Key_F1 + *functionKey - 1;
    else if (characters.size() == 1)
        // Qt keys of characters are their upper-case code points.
        key = int(QChar::toUpper(char32_t(characters.first())));
    else
        return std::nullopt;

    int modifierKeys = 0;
    if (modifiers & ModifierBit::command)
        modifierKeys |= Qt::CTRL;
    if (modifiers & ModifierBit::option)
        modifierKeys |= Qt::ALT;
    if (modifiers & ModifierBit::control)
        modifierKeys |= Qt::META;
    if (modifiers & ModifierBit::shift)
        modifierKeys |= Qt::SHIFT;
    return QKeySequence(key | modifierKeys);
}

bool KeyCombo::matches(quint16 pressedKeyCode, quint32 pressedModifiers) const
{
    return keyCode == pressedKeyCode && modifiers == (pressedModifiers & ModifierBit::mask);
}

std::optional<int> KeyCombo::functionKeyNumber() const
{
    if (label.size() < 2 || label.front() != QLatin1Char('F'))
        return std::nullopt;
    const QStringView digits = QStringView(label).mid(1);
    for (QChar character : digits) {
        if (character < QLatin1Char('0') || character > QLatin1Char('9'))
            return std::nullopt;
    }
    bool ok = false;
    const int number = digits.toInt(&ok);
    return ok ? std::optional(number) : std::nullopt;
}

size_t qHash(const KeyCombo &combo, size_t seed)
{
    return qHashMulti(seed, combo.keyCode, combo.modifiers, combo.label);
}

const QHash<quint16, QString> &keyNameTable()
{
    static const QHash<quint16, QString> table{
        {36, QStringLiteral("↩")},     {76, QStringLiteral("⌅")},    {48, QStringLiteral("⇥")},
        {49, QStringLiteral("Space")}, {51, QStringLiteral("⌫")},    {117, QStringLiteral("⌦")},
        {53, QStringLiteral("⎋")},     {123, QStringLiteral("←")},   {124, QStringLiteral("→")},
        {125, QStringLiteral("↓")},    {126, QStringLiteral("↑")},   {115, QStringLiteral("Home")},
        {119, QStringLiteral("End")},  {116, QStringLiteral("⇞")},   {121, QStringLiteral("⇟")},
        {122, QStringLiteral("F1")},   {120, QStringLiteral("F2")},  {99, QStringLiteral("F3")},
        {118, QStringLiteral("F4")},   {96, QStringLiteral("F5")},   {97, QStringLiteral("F6")},
        {98, QStringLiteral("F7")},    {100, QStringLiteral("F8")},  {101, QStringLiteral("F9")},
        {109, QStringLiteral("F10")},  {103, QStringLiteral("F11")}, {111, QStringLiteral("F12")},
    };
    return table;
}

QJsonValue toJson(const std::optional<KeyCombo> &slot)
{
    if (!slot)
        return QJsonValue::Null;
    return QJsonObject{{keyCodeMember, int(slot->keyCode)},
                       {modifiersMember, qint64(slot->modifiers)},
                       {labelMember, slot->label}};
}

std::optional<std::optional<KeyCombo>> slotFromJson(const QJsonValue &value)
{
    if (value.isNull())
        return std::optional<KeyCombo>();
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    const std::optional<quint32> keyCode =
        unsignedInteger(object.value(keyCodeMember), std::numeric_limits<quint16>::max());
    const std::optional<quint32> modifiers =
        unsignedInteger(object.value(modifiersMember), std::numeric_limits<quint32>::max());
    const QJsonValue label = object.value(labelMember);
    if (!keyCode || !modifiers || !label.isString())
        return std::nullopt;
    return std::optional(KeyCombo{quint16(*keyCode), *modifiers, label.toString()});
}
