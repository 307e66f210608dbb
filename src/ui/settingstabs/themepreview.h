#pragma once

#include "appearance/theme.h"

#include <QWidget>

// A small sample pane in a theme's colours and font: a "Name" column title and three rows, the
// last one selected, so the choice can be judged before it is saved.
class ThemePreview : public QWidget
{
    Q_OBJECT

public:
    explicit ThemePreview(QWidget *parent = nullptr);

    void setTheme(const Theme &theme);
    const Theme &theme() const { return m_theme; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Theme m_theme;
};
