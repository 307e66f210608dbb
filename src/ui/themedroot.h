#pragma once

#include "appearance/theme.h"

#include <QObject>
#include <QPalette>
#include <QPointer>
#include <functional>

class Preferences;
class QWidget;

// Publishes the theme to one window and everything in it. The palette follows the theme's
// colour scheme (the desktop's own, or a fixed light or dark set); the retro presets paint
// lists, fields and buttons in their own colours; with Font::apply the theme's font is the
// font. Both are set for the whole application, so sheets, dialogs and windows made later
// show the theme too. Follows the five theme settings at once when they change anywhere, and
// for the system preset the desktop's palette while the program runs.
class ThemedRoot : public QObject
{
    Q_OBJECT

public:
    enum class Font { apply, keep };

    ThemedRoot(QWidget &window, const Preferences &preferences, Font font);

    const Theme &theme() const { return m_theme; }
    // The twelve colours of the theme as the window shows it now.
    Palette palette() const;

    // The root of the window that holds `widget`, or nullptr outside a themed window.
    static ThemedRoot *of(const QWidget *widget);
    // The theme of the window that holds `widget`; the default theme outside a themed window.
    static Theme themeOf(const QWidget *widget);
    // Makes `follow` run now and at every theme change of the window that holds `widget`,
    // keeping the window's root in `root`. The window is known once the widget is shown in it,
    // so views call this from their showEvent; after the first call it does nothing.
    static void follow(QWidget &widget, QPointer<ThemedRoot> &root, std::function<void()> follow);

signals:
    // The theme or the desktop's colours changed; views that draw themselves repaint.
    void themeChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void apply();

    QWidget &m_window;
    const Preferences &m_preferences;
    const Font m_font;
    Theme m_theme;
    bool m_paletteSet = false; // the application's palette is the theme's, not the desktop's
};
