#pragma once

#include "appearance/appicondesign.h"

#include <QImage>
#include <QRectF>

class QColor;
class QPainter;

// Draws `design` as a rounded-square tile filling `square`. The artwork is laid out on a
// 100-unit grid scaled to the square; small renderings leave out the fine details and keep
// their strokes at least a pixel wide, so the tile reads from 16 to 1024 pixels.
void paintAppIcon(QPainter &painter, const QRectF &square, AppIconDesign design);

// The two glowing glass panels of dualPanels without their tile, for the splash that stands
// them on its own background.
void paintDualPanelsMotif(QPainter &painter, const QRectF &square);

// A soft halo around a rounded rectangle, fading outward over `spread`: the glow of the glass
// panels and the shadows of cards.
void paintGlow(
    QPainter &painter, const QRectF &rect, double radius, const QColor &color, double spread);

// The design in a transparent square image of `pixels` × `pixels`.
QImage renderAppIcon(AppIconDesign design, int pixels);

// A soft black shadow under an icon.
struct IconShadow
{
    double opacity = 0.3;
    double radius = 5; // blur radius in logical pixels
    double offsetY = 0;

    // How far the shadow may reach beyond the icon on every side.
    int margin() const;
};

// The design at `size` logical pixels with its shadow, drawn for `devicePixelRatio`. The image
// is 2 × shadow.margin() larger than the icon; the icon sits margin() in from the top left.
QImage renderAppIconWithShadow(AppIconDesign design,
                               int size,
                               const IconShadow &shadow,
                               qreal devicePixelRatio);
