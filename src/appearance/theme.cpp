#include "appearance/theme.h"

#include "platform/localization.h"
#include "platform/preferences.h"
#include "platform/rawvalue.h"

#include <QFontDatabase>
#include <QPalette>
#include <algorithm>
#include <cmath>

namespace {

QColor withAlpha(QColor color, double alpha)
{
    color.setAlphaF(float(alpha));
    return color;
}

Palette retroPalette(ThemePreset preset)
{
    const auto rgb = [](QRgb value) {
        return QColor::fromRgb(value);
    };
    switch (preset) {
    case ThemePreset::azurin:
        return {rgb(0x0000AA),
                rgb(0x55FFFF),
                rgb(0xFFFFFF),
                rgb(0xFFFF55),
                rgb(0x00AAAA),
                rgb(0x000000),
                rgb(0xAAAAAA),
                rgb(0xFFFFFF),
                rgb(0x000000),
                rgb(0xFFFFFF),
                rgb(0x00AAAA),
                rgb(0x000000)};
    case ThemePreset::greenTerminal:
        return {rgb(0x000000),
                rgb(0x33FF33),
                rgb(0xA6FFA6),
                rgb(0xFFFFFF),
                rgb(0x33FF33),
                rgb(0x000000),
                rgb(0x117711),
                rgb(0x33FF33),
                rgb(0x000000),
                rgb(0x33FF33),
                rgb(0x33FF33),
                rgb(0x000000)};
    default:
        return {rgb(0x000000),
                rgb(0xFFB000),
                rgb(0xFFD866),
                rgb(0xFFFFFF),
                rgb(0xFFB000),
                rgb(0x000000),
                rgb(0x805800),
                rgb(0xFFB000),
                rgb(0x000000),
                rgb(0xFFB000),
                rgb(0xFFB000),
                rgb(0x000000)};
    }
}

// Relative luminance of an sRGB colour.
double luminance(const QColor &color)
{
    const auto channel = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) +
           0.0722 * channel(color.blueF());
}

// The desktop's accent colour, darkened just enough for white selected text to stay readable
// (a contrast of 4.5): some desktops choose accents as light as #308CC6.
QColor selectionAccent(QColor accent)
{
    accent.setAlpha(255);
    for (int step = 0; step < 20 && contrastRatio(Qt::white, accent) < 4.5; ++step)
        accent = accent.darker(110);
    return accent;
}

} // namespace

const QList<ThemePreset> &allThemePresets()
{
    static const QList<ThemePreset> presets{ThemePreset::system,
                                            ThemePreset::light,
                                            ThemePreset::dark,
                                            ThemePreset::azurin,
                                            ThemePreset::greenTerminal,
                                            ThemePreset::amber};
    return presets;
}

QString rawValue(ThemePreset preset)
{
    switch (preset) {
    case ThemePreset::system:
        return QStringLiteral("system");
    case ThemePreset::light:
        return QStringLiteral("light");
    case ThemePreset::dark:
        return QStringLiteral("dark");
    case ThemePreset::azurin:
        return QStringLiteral("azurin");
    case ThemePreset::greenTerminal:
        return QStringLiteral("greenTerminal");
    case ThemePreset::amber:
        return QStringLiteral("amber");
    }
    return {};
}

ThemePreset themePresetFromRawValue(const QString &raw)
{
    return caseWithRawValue(raw, allThemePresets()).value_or(ThemePreset::system);
}

QString label(ThemePreset preset)
{
    switch (preset) {
    case ThemePreset::system:
        return Bv::tr("System");
    case ThemePreset::light:
        return Bv::tr("Hell");
    case ThemePreset::dark:
        return Bv::tr("Dunkel");
    case ThemePreset::azurin:
        return Bv::tr("Azurin (Retro Blau)");
    case ThemePreset::greenTerminal:
        return Bv::tr("Retro Grün (Terminal)");
    case ThemePreset::amber:
        return Bv::tr("Retro Bernstein");
    }
    return {};
}

bool isRetro(ThemePreset preset)
{
    return preset == ThemePreset::azurin || preset == ThemePreset::greenTerminal ||
           preset == ThemePreset::amber;
}

Theme Theme::fromPreferences(const Preferences &preferences)
{
    Theme theme;
    theme.preset = themePresetFromRawValue(preferences.stringValue(Pref::themePreset));
    theme.fontSize = preferences.numberValue(Pref::themeFontSize);
    theme.monospaced = preferences.boolValue(Pref::themeMonospaced);
    theme.showIcons = preferences.boolValue(Pref::themeShowIcons);
    theme.showFunctionBar = preferences.boolValue(Pref::themeShowFunctionBar);
    return theme;
}

ColorScheme Theme::colorScheme() const
{
    switch (preset) {
    case ThemePreset::system:
        return ColorScheme::followDesktop;
    case ThemePreset::light:
        return ColorScheme::light;
    default:
        return ColorScheme::dark;
    }
}

Palette Theme::palette(const QPalette &desktop) const
{
    if (isRetro())
        return retroPalette(preset);
    const QColor primary = desktop.color(QPalette::WindowText);
    const QColor secondary = desktop.color(QPalette::PlaceholderText);
    const QColor accent = desktop.color(QPalette::Highlight);
    return {Qt::transparent,
            primary,
            primary,
            secondary,
            selectionAccent(accent),
            Qt::white,
            withAlpha(secondary, 0.4),
            accent,
            withAlpha(secondary, 0.3),
            primary,
            withAlpha(secondary, 0.15),
            primary};
}

QFont Theme::font() const
{
    // The desktop's font, not the application's: that is the theme's own once applied.
    QFont font = monospaced || isRetro() ? fixedWidthFont()
                                         : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    // The size counts pixels (device-independent, so high-density screens scale it), the unit
    // every designed width and height of the windows is in; points would make the text a third
    // larger than the columns and bars around it were drawn for.
    constexpr double kLargest = 1000; // beyond any screen; keeps the rounding defined
    font.setPixelSize(int(std::lround(fontSize >= 1 ? std::min(fontSize, kLargest) : 13)));
    return font;
}

QPalette schemePalette(ColorScheme scheme, const QPalette &desktop)
{
    if (scheme == ColorScheme::followDesktop)
        return desktop;
    const bool dark = scheme == ColorScheme::dark;
    const QColor window = dark ? QColor(0x2b2b2b) : QColor(0xefefef);
    const QColor base = dark ? QColor(0x1e1e1e) : QColor(0xffffff);
    const QColor text = dark ? QColor(0xf0f0f0) : QColor(0x1a1a1a);
    const QColor secondary = dark ? QColor(0xa8a8a8) : QColor(0x5c5c5c);
    QPalette palette(window);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, dark ? QColor(0x262626) : QColor(0xf5f5f5));
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, window);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::ToolTipBase, base);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, secondary);
    palette.setColor(QPalette::Highlight, dark ? QColor(0x2f65ca) : QColor(0x1f5fc8));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Disabled, QPalette::Text, secondary);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, secondary);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, secondary);
    return palette;
}

QFont fixedWidthFont()
{
    static const QFont font = [] {
        const QString family = QStringLiteral("DejaVu Sans Mono");
        if (QFontDatabase::families().contains(family)) {
            QFont dejaVu(family);
            dejaVu.setStyleHint(QFont::Monospace);
            return dejaVu;
        }
        return QFontDatabase::systemFont(QFontDatabase::FixedFont);
    }();
    return font;
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
