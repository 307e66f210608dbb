#pragma once

#include "platform/preferencekeys.h"

#include <QFrame>
#include <QWidget>

class QPainter;

// A separator line: the platform's own, or in a retro theme a solid 1-pixel line in the
// palette's border colour.
class ThemedDivider : public QFrame
{
    Q_OBJECT

public:
    enum class Orientation { horizontal, vertical };
    explicit ThemedDivider(Orientation orientation, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    void follow();
    const Orientation m_orientation;
};

// The left-right resize cursor over a column border or a resize handle.
void useColumnResizeCursor(QWidget &widget);

// The grip between a sidebar and its pane: a divider with an 8-pixel hit area. Dragging it
// changes the sidebar's width within 110 to 340, growing with the pointer to the right or,
// for a sidebar on the right, to the left.
class SidebarResizeHandle : public QWidget
{
    Q_OBJECT

public:
    static constexpr double kMinimumWidth = Pref::sidebarWidthRange.minimum;
    static constexpr double kMaximumWidth = Pref::sidebarWidthRange.maximum;

    enum class Grows { toRight, toLeft };
    SidebarResizeHandle(double width, Grows grows, QWidget *parent = nullptr);

    double sidebarWidth() const { return m_width; }
    // The width after dragging `dx` pixels from `startWidth`, clamped.
    static double draggedWidth(double startWidth, double dx, Grows grows);

signals:
    void sidebarWidthChanged(double width);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    const Grows m_grows;
    double m_width;
    std::optional<double> m_startWidth;
    double m_pressX = 0;
    bool m_dragging = false;
};

// A text-mode double-line frame: a rectangle along the inside of `rect` and a second one 3
// pixels further in, both 1 pixel wide, nothing filled.
void paintRetroFrame(QPainter &painter, const QRect &rect, const QColor &color);
