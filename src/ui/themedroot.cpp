#include "ui/themedroot.h"

#include "platform/preferences.h"
#include "ui/visiblecontrolsstyle.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <utility>

namespace {

// The window palette of a retro theme: its own colours on the dark scheme.
QPalette retroWindowPalette(const Palette &colors, const QPalette &dark)
{
    QPalette palette = dark;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, colors.background);
        palette.setColor(group, QPalette::Base, colors.background);
        palette.setColor(group, QPalette::AlternateBase, colors.background);
        palette.setColor(group, QPalette::Button, colors.background);
        palette.setColor(group, QPalette::WindowText, colors.text);
        palette.setColor(group, QPalette::Text, colors.text);
        palette.setColor(group, QPalette::ButtonText, colors.text);
        palette.setColor(group, QPalette::BrightText, colors.header);
        palette.setColor(group, QPalette::PlaceholderText, colors.border);
        palette.setColor(group, QPalette::Highlight, colors.selectionBackground);
        palette.setColor(group, QPalette::HighlightedText, colors.selectionForeground);
        palette.setColor(group, QPalette::Mid, colors.border);
        palette.setColor(group, QPalette::Dark, colors.border);
        palette.setColor(group, QPalette::Light, colors.activeBorder);
    }
    // Controls that are off keep the theme's background and speak in its dim border colour.
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(QPalette::Disabled, role, colors.background);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, colors.border);
    return palette;
}

bool isThemeKey(const QString &key)
{
    return key == Pref::themePreset.name || key == Pref::themeFontSize.name ||
           key == Pref::themeMonospaced.name || key == Pref::themeShowIcons.name ||
           key == Pref::themeShowFunctionBar.name;
}

} // namespace

ThemedRoot::ThemedRoot(QWidget &window, const Preferences &preferences, Font font)
    : QObject(&window)
    , m_window(window)
    , m_preferences(preferences)
    , m_font(font)
{
    // Before the palette: a new style brings its own.
    VisibleControlsStyle::install();
    m_window.installEventFilter(this);
    connect(&preferences, &Preferences::changed, this, [this](const QString &key) {
        if (isThemeKey(key))
            apply();
    });
    apply();
}

Palette ThemedRoot::palette() const
{
    return m_theme.palette(schemePalette(m_theme.colorScheme(), QApplication::palette()));
}

ThemedRoot *ThemedRoot::of(const QWidget *widget)
{
    for (const QWidget *window = widget ? widget->window() : nullptr; window;
         window = window->parentWidget() ? window->parentWidget()->window() : nullptr) {
        if (auto *root = window->findChild<ThemedRoot *>(QString(), Qt::FindDirectChildrenOnly))
            return root;
    }
    return nullptr;
}

void ThemedRoot::follow(QWidget &widget, QPointer<ThemedRoot> &root, std::function<void()> follow)
{
    if (root)
        return;
    root = of(&widget);
    if (root)
        connect(root, &ThemedRoot::themeChanged, &widget, follow);
    follow();
}

Theme ThemedRoot::themeOf(const QWidget *widget)
{
    const ThemedRoot *root = of(widget);
    return root ? root->theme() : Theme();
}

bool ThemedRoot::eventFilter(QObject *watched, QEvent *event)
{
    // The desktop switched between light and dark (the system preset follows by itself), or
    // the theme's palette arrived: views that draw themselves take the new colours.
    if (watched == &m_window && event->type() == QEvent::ApplicationPaletteChange)
        emit themeChanged();
    return false;
}

void ThemedRoot::apply()
{
    m_theme = Theme::fromPreferences(m_preferences);
    // For the whole application, so that every sheet, dialog and window of it shows the theme,
    // also those made later. The fixed schemes need nothing of the desktop's palette.
    const QPalette current = QApplication::palette();
    if (m_theme.colorScheme() == ColorScheme::followDesktop) {
        if (std::exchange(m_paletteSet, false))
            QApplication::setPalette(QPalette()); // the desktop's again, and its changes
    } else {
        const QPalette scheme = schemePalette(m_theme.colorScheme(), current);
        const QPalette wanted =
            m_theme.isRetro() ? retroWindowPalette(m_theme.palette(scheme), scheme) : scheme;
        if (wanted != current) {
            QApplication::setPalette(wanted);
            m_paletteSet = true;
        }
    }
    if (m_font == Font::apply && QApplication::font() != m_theme.font())
        QApplication::setFont(m_theme.font());
    emit themeChanged();
}
