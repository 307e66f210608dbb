#include "platform/preferencekeys.h"

#include <cmath>

std::optional<double> NumberRange::bounded(const QVariant &value, bool textToo) const
{
    double number = 0;
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Int:
    case QMetaType::LongLong:
        number = value.toDouble();
        break;
    case QMetaType::QString: {
        bool isNumber = false;
        number = value.toString().toDouble(&isNumber);
        if (!textToo || !isNumber)
            return std::nullopt;
        break;
    }
    default:
        return std::nullopt;
    }
    if (!std::isfinite(number))
        return std::nullopt;
    return std::clamp(number, minimum, maximum);
}

namespace Pref {

using enum PreferenceType;

const PreferenceKey themePreset{QStringLiteral("themePreset"), string, QStringLiteral("system")};
const PreferenceKey themeFontSize{QStringLiteral("themeFontSize"), number, 13.0, fontSizes};
const PreferenceKey themeMonospaced{QStringLiteral("themeMonospaced"), boolean, false};
const PreferenceKey themeShowIcons{QStringLiteral("themeShowIcons"), boolean, true};
const PreferenceKey themeShowFunctionBar{QStringLiteral("themeShowFunctionBar"), boolean, false};
const PreferenceKey listTreeView{QStringLiteral("listTreeView"), boolean, false};
const PreferenceKey appLanguageChoice{
    QStringLiteral("appLanguageChoice"), string, QStringLiteral("system")};
const PreferenceKey appIconDesign{
    QStringLiteral("appIconDesignV2"), string, QStringLiteral("dualPanels")};
const PreferenceKey showSplashScreen{QStringLiteral("showSplashScreen"), boolean, true};
const PreferenceKey confirmCopyMove{QStringLiteral("confirmCopyMove"), boolean, true};
const PreferenceKey confirmDelete{QStringLiteral("confirmDelete"), boolean, true};
const PreferenceKey showTransferProgress{QStringLiteral("showTransferProgress"), boolean, true};
const PreferenceKey windowRestoreSize{QStringLiteral("windowRestoreSize"), boolean, false};
const PreferenceKey windowStartWidth{
    QStringLiteral("windowStartWidth"), number, 1280.0, startWidths};
const PreferenceKey windowStartHeight{
    QStringLiteral("windowStartHeight"), number, 720.0, startHeights};
const PreferenceKey windowLastWidth{QStringLiteral("windowLastWidth"), number, {}, lastWindowSides};
const PreferenceKey windowLastHeight{
    QStringLiteral("windowLastHeight"), number, {}, lastWindowSides};
const PreferenceKey shortcutBindings{QStringLiteral("shortcutBindings"), data, {}};
const PreferenceKey customFavorites{QStringLiteral("customFavorites"), stringList, QStringList()};
const PreferenceKey customFavoriteNames{
    QStringLiteral("customFavoriteNames"), stringMap, QVariantMap()};
const PreferenceKey tableColumnCustomization{
    QStringLiteral("tableColumnCustomization"), data, {}, columnWidths};
const PreferenceKey sidebarWidths{
    QStringLiteral("sidebarWidths"), numberMap, QVariantMap(), sidebarWidthRange};
const PreferenceKey appleLanguages{QStringLiteral("AppleLanguages"), stringList, {}};

PreferenceKey externalTool(const QString &toolName)
{
    return {QStringLiteral("externalTool.") + toolName, string, QString()};
}

QList<PreferenceKey> all()
{
    return {themePreset,       themeFontSize,        themeMonospaced,
            themeShowIcons,    themeShowFunctionBar, listTreeView,
            appLanguageChoice, appIconDesign,        showSplashScreen,
            confirmCopyMove,   confirmDelete,        showTransferProgress,
            windowRestoreSize, windowStartWidth,     windowStartHeight,
            windowLastWidth,   windowLastHeight,     shortcutBindings,
            customFavorites,   customFavoriteNames,  tableColumnCustomization,
            sidebarWidths,     appleLanguages};
}

} // namespace Pref
