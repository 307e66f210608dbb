#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>

class Preferences;
class QPalette;

// The six looks. Stored under "themePreset" by their raw value; any other string means system.
enum class ThemePreset { system, light, dark, azurin, greenTerminal, amber };

const QList<ThemePreset> &allThemePresets();
QString rawValue(ThemePreset preset);
// The preset with exactly this raw value, else system.
ThemePreset themePresetFromRawValue(const QString &raw);
// The name in the preset picker, localised.
QString label(ThemePreset preset);
// The three text-mode looks: list view only, fixed-width font, dark.
bool isRetro(ThemePreset preset);

// How a window's colours are chosen: the desktop's, or a fixed light or dark set.
enum class ColorScheme { followDesktop, light, dark };

// The twelve colours every view draws with.
struct Palette
{
    QColor background;
    QColor text;
    QColor folder;
    QColor header;
    QColor selectionBackground;
    QColor selectionForeground;
    QColor border;
    QColor activeBorder;
    QColor barKeyBackground;
    QColor barKeyForeground;
    QColor barLabelBackground;
    QColor barLabelForeground;

    bool operator==(const Palette &) const = default;
};

// The look of every window, made of five settings.
struct Theme
{
    ThemePreset preset = ThemePreset::system;
    double fontSize = 13;
    bool monospaced = false;
    bool showIcons = true;
    bool showFunctionBar = false;

    // Read from the five settings; a preset string that is no raw value means system.
    static Theme fromPreferences(const Preferences &preferences);

    bool isRetro() const { return ::isRetro(preset); }
    ColorScheme colorScheme() const;
    // The preset's colours. The desktop presets take them from `desktop`, the palette of the
    // colour scheme in force; the retro ones are fixed.
    Palette palette(const QPalette &desktop) const;
    // The system font at fontSize pixels; fixed-width when monospaced or retro.
    QFont font() const;

    bool operator==(const Theme &) const = default;
};

// The desktop palette of a fixed light or dark scheme, for the light and dark presets and for
// the retro ones (dark), whatever the desktop shows.
QPalette schemePalette(ColorScheme scheme, const QPalette &desktop);
// A fixed-width font that exists here: DejaVu Sans Mono, else the system's fixed font.
QFont fixedWidthFont();
// WCAG contrast ratio of two opaque colours, from 1 to 21.
double contrastRatio(const QColor &a, const QColor &b);
