#pragma once

#include <QColor>
#include <QWidget>

// Holds a pane's content and draws its frame: a rounded line in the theme's active colour around
// the active pane's content (nothing around the other one), or in the retro presets a double
// line in the active or the plain border colour.
class PaneFrame : public QWidget
{
    Q_OBJECT

public:
    explicit PaneFrame(QWidget *content, QWidget *parent = nullptr);

    void setLook(bool active, bool retro, const QColor &activeColor, const QColor &idleColor);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_active = false;
    bool m_retro = false;
    QColor m_activeColor;
    QColor m_idleColor;
};
