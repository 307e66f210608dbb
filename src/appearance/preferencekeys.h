#pragma once

#include <QString>
#include <QVariant>

// The kinds of values the preference store keeps.
enum class PreferenceType { boolean, number, string, stringList, stringMap, data };

// One preference: its key, the type its value must have, and the value an absent or mistyped
// entry reads as (a null QVariant where there is none).
struct PreferenceKey
{
    QString name;
    PreferenceType type;
    QVariant defaultValue;

    bool operator==(const PreferenceKey &) const = default;
};

// Every key the program stores, declared once.
namespace Pref {

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
extern const PreferenceKey tableColumnCustomization;
// The width each pane's sidebar was dragged to, as text under "left" and "right".
extern const PreferenceKey sidebarWidths;
extern const PreferenceKey appleLanguages;

// "externalTool." followed by "viewer", "editor", "packer" or "unpacker".
PreferenceKey externalTool(const QString &toolName);

// All fixed keys, in the order above.
QList<PreferenceKey> all();

} // namespace Pref
