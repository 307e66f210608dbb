#pragma once

#include <QString>
#include <QVariant>
#include <optional>

// The kinds of values the preference store keeps. A number map holds numbers by name (earlier
// versions wrote them as text, which still reads).
enum class PreferenceType { boolean, number, string, stringList, stringMap, numberMap, data };

// The numbers a setting offers. A finite number outside is brought to the nearer end; NaN, the
// infinities and everything that is no number are no value at all.
struct NumberRange
{
    double minimum;
    double maximum;

    // `value` in the range, or nothing when it is no finite number. Text holding a number counts
    // only where `textToo` (the entries of a number map).
    std::optional<double> bounded(const QVariant &value, bool textToo = false) const;

    bool operator==(const NumberRange &) const = default;
};

// One preference: its key, the type its value must have, the value an absent or mistyped entry
// reads as (a null QVariant where there is none), and for numbers the range they are read and
// written in: that of the value for a number, of every entry for a number map, of the numbers
// inside for data that holds some.
struct PreferenceKey
{
    QString name;
    PreferenceType type;
    QVariant defaultValue;
    std::optional<NumberRange> range = std::nullopt;

    bool operator==(const PreferenceKey &) const = default;
};

// Every key the program stores, declared once.
namespace Pref {

// The ranges of the numbers: what the settings window offers, what the main window, the
// sidebars and the list columns can take.
inline constexpr NumberRange fontSizes{10, 20};
inline constexpr NumberRange startWidths{700, 100000};
inline constexpr NumberRange startHeights{420, 100000};
inline constexpr NumberRange lastWindowSides{0, 100000}; // 0: none recorded
inline constexpr NumberRange sidebarWidthRange{110, 340};
inline constexpr NumberRange columnWidths{60, 8000};

extern const PreferenceKey themePreset;
extern const PreferenceKey themeFontSize;
extern const PreferenceKey themeMonospaced;
extern const PreferenceKey themeShowIcons;
extern const PreferenceKey themeShowFunctionBar;
extern const PreferenceKey listTreeView;
extern const PreferenceKey appLanguageChoice;
extern const PreferenceKey appIconDesign;
extern const PreferenceKey showSplashScreen;
extern const PreferenceKey confirmCopyMove;
extern const PreferenceKey confirmDelete;
extern const PreferenceKey showTransferProgress;
extern const PreferenceKey windowRestoreSize;
extern const PreferenceKey windowStartWidth;
extern const PreferenceKey windowStartHeight;
extern const PreferenceKey windowLastWidth;
extern const PreferenceKey windowLastHeight;
extern const PreferenceKey shortcutBindings;
extern const PreferenceKey customFavorites;
extern const PreferenceKey customFavoriteNames;
// The range is that of the column widths inside.
extern const PreferenceKey tableColumnCustomization;
// The width each pane's sidebar was dragged to, under "left" and "right".
extern const PreferenceKey sidebarWidths;
extern const PreferenceKey appleLanguages;

// "externalTool." followed by "viewer", "editor", "packer" or "unpacker".
PreferenceKey externalTool(const QString &toolName);

// All fixed keys, in the order above.
QList<PreferenceKey> all();

} // namespace Pref
