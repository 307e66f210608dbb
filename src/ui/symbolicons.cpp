#include "ui/symbolicons.h"

#include <QApplication>
#include <QIcon>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <cmath>
#include <numbers>

namespace {

// Draws one symbol into a 16 × 16 square with the pen and brush already set.
using DrawSymbol = void (*)(QPainter &);

void drawGrid(QPainter &p)
{
    for (const QPointF corner : {QPointF(2, 2), QPointF(9, 2), QPointF(2, 9), QPointF(9, 9)})
        p.drawRoundedRect(QRectF(corner, QSizeF(5, 5)), 1, 1);
}

void drawBulletList(QPainter &p)
{
    for (const double y : {4.0, 8.0, 12.0}) {
        p.drawEllipse(QPointF(3, y), 0.8, 0.8);
        p.drawLine(QPointF(6, y), QPointF(14, y));
    }
}

void drawColumns(QPainter &p)
{
    p.drawRoundedRect(QRectF(1.5, 3, 13, 10), 1.5, 1.5);
    p.drawLine(QPointF(5.8, 3), QPointF(5.8, 13));
    p.drawLine(QPointF(10.2, 3), QPointF(10.2, 13));
}

void drawTwoDocuments(QPainter &p)
{
    // The back sheet only where the front one does not cover it.
    p.drawPolyline(QPolygonF(
        {QPointF(6, 11.5), QPointF(2, 11.5), QPointF(2, 1.5), QPointF(10, 1.5), QPointF(10, 5)}));
    p.drawRoundedRect(QRectF(6, 5, 8, 10), 1, 1);
}

void drawDocumentToClipboard(QPainter &p)
{
    p.drawRoundedRect(QRectF(7, 2.5, 7.5, 12), 1, 1);
    p.drawRect(QRectF(9, 1.5, 3.5, 2));
    p.drawLine(QPointF(1.5, 9), QPointF(8.5, 9));
    p.drawPolyline(QPolygonF({QPointF(6, 6.5), QPointF(8.5, 9), QPointF(6, 11.5)}));
}

void drawNewFolder(QPainter &p)
{
    QPainterPath folder;
    folder.moveTo(1.5, 13.5);
    folder.lineTo(1.5, 3);
    folder.lineTo(6, 3);
    folder.lineTo(7.5, 4.5);
    folder.lineTo(14.5, 4.5);
    folder.lineTo(14.5, 13.5);
    folder.closeSubpath();
    p.drawPath(folder);
    p.drawLine(QPointF(8, 7), QPointF(8, 12));
    p.drawLine(QPointF(5.5, 9.5), QPointF(10.5, 9.5));
}

void drawTrash(QPainter &p)
{
    p.drawLine(QPointF(2, 4), QPointF(14, 4));
    p.drawPolyline(QPolygonF({QPointF(6, 4), QPointF(6, 2), QPointF(10, 2), QPointF(10, 4)}));
    p.drawPolyline(
        QPolygonF({QPointF(3.5, 4), QPointF(4.5, 14.5), QPointF(11.5, 14.5), QPointF(12.5, 4)}));
    p.drawLine(QPointF(6.5, 7), QPointF(6.5, 12));
    p.drawLine(QPointF(9.5, 7), QPointF(9.5, 12));
}

void drawKeyboard(QPainter &p)
{
    p.drawRoundedRect(QRectF(1, 3.5, 14, 9), 1.5, 1.5);
    for (const double y : {6.0, 8.5})
        for (const double x : {4.0, 6.7, 9.3, 12.0})
            p.drawPoint(QPointF(x, y));
    p.drawLine(QPointF(5, 10.5), QPointF(11, 10.5));
}

void drawHouse(QPainter &p)
{
    p.drawPolyline(QPolygonF({QPointF(1.5, 8), QPointF(8, 2), QPointF(14.5, 8)}));
    p.drawPolyline(
        QPolygonF({QPointF(3.5, 6.5), QPointF(3.5, 14), QPointF(12.5, 14), QPointF(12.5, 6.5)}));
    p.drawRect(QRectF(6.5, 9.5, 3, 4.5));
}

void drawDesktop(QPainter &p)
{
    p.drawRoundedRect(QRectF(1.5, 2.5, 13, 11), 1.5, 1.5);
    p.drawLine(QPointF(1.5, 10.5), QPointF(14.5, 10.5));
}

void drawDocument(QPainter &p)
{
    p.drawPolygon(QPolygonF(
        {QPointF(3, 1.5), QPointF(9.5, 1.5), QPointF(13, 5), QPointF(13, 14.5), QPointF(3, 14.5)}));
    p.drawPolyline(QPolygonF({QPointF(9.5, 1.5), QPointF(9.5, 5), QPointF(13, 5)}));
}

void drawDownloadCircle(QPainter &p)
{
    p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
    p.drawLine(QPointF(8, 4), QPointF(8, 11.5));
    p.drawPolyline(QPolygonF({QPointF(5, 8.5), QPointF(8, 11.5), QPointF(11, 8.5)}));
}

void drawPhoto(QPainter &p)
{
    p.drawRoundedRect(QRectF(1.5, 3, 13, 10), 1.5, 1.5);
    p.drawPolyline(QPolygonF({QPointF(1.5, 12),
                              QPointF(6, 7.5),
                              QPointF(9, 10.5),
                              QPointF(11, 8.5),
                              QPointF(14.5, 12)}));
    p.drawEllipse(QPointF(11, 5.8), 1, 1);
}

void drawMusicNote(QPainter &p)
{
    p.drawEllipse(QPointF(5, 12.5), 2.2, 1.8);
    p.drawPolyline(
        QPolygonF({QPointF(7.2, 12.5), QPointF(7.2, 2), QPointF(12.5, 3.5), QPointF(12.5, 6)}));
}

void drawFilm(QPainter &p)
{
    p.drawRect(QRectF(2.5, 1.5, 11, 13));
    p.drawLine(QPointF(5, 1.5), QPointF(5, 14.5));
    p.drawLine(QPointF(11, 1.5), QPointF(11, 14.5));
    p.drawLine(QPointF(5, 8), QPointF(11, 8));
}

void drawStar(QPainter &p)
{
    QPolygonF star;
    for (int corner = 0; corner < 10; ++corner) {
        const double radius = corner % 2 == 0 ? 6.8 : 2.9;
        const double angle = std::numbers::pi * (corner / 5.0 - 0.5);
        star << QPointF(8 + radius * std::cos(angle), 8.6 + radius * std::sin(angle));
    }
    p.drawPolygon(star);
}

void drawDrive(QPainter &p)
{
    p.drawRoundedRect(QRectF(1.5, 5, 13, 7), 1.5, 1.5);
    p.drawPoint(QPointF(12, 8.5));
}

void drawExternalDrive(QPainter &p)
{
    drawDrive(p);
    p.drawLine(QPointF(4, 12), QPointF(4, 14));
    p.drawLine(QPointF(12, 12), QPointF(12, 14));
}

void drawChevronRight(QPainter &p)
{
    p.drawPolyline(QPolygonF({QPointF(6, 3), QPointF(11, 8), QPointF(6, 13)}));
}

void drawGear(QPainter &p)
{
    p.drawEllipse(QPointF(8, 8), 4.2, 4.2);
    p.drawEllipse(QPointF(8, 8), 1.6, 1.6);
    for (int tooth = 0; tooth < 8; ++tooth) {
        const double angle = std::numbers::pi * tooth / 4;
        const QPointF direction(std::cos(angle), std::sin(angle));
        p.drawLine(QPointF(8, 8) + 4.2 * direction, QPointF(8, 8) + 6.3 * direction);
    }
}

void drawPaintbrush(QPainter &p)
{
    p.drawLine(QPointF(14, 2), QPointF(7.5, 8.5));
    QPainterPath tip;
    tip.moveTo(7.5, 8.5);
    tip.cubicTo(QPointF(4, 8), QPointF(3, 11), QPointF(2, 14));
    tip.cubicTo(QPointF(5, 13.5), QPointF(8, 12.5), QPointF(7.5, 8.5));
    p.drawPath(tip);
}

void drawAppBadge(QPainter &p)
{
    p.drawRoundedRect(QRectF(1.5, 3.5, 11, 11), 2.5, 2.5);
    p.drawEllipse(QPointF(12.5, 3.5), 2.2, 2.2);
}

void drawSparkles(QPainter &p)
{
    const auto sparkle = [&p](QPointF centre, double radius) {
        const double waist = radius * 0.25;
        p.drawPolygon(QPolygonF({centre + QPointF(0, -radius),
                                 centre + QPointF(waist, -waist),
                                 centre + QPointF(radius, 0),
                                 centre + QPointF(waist, waist),
                                 centre + QPointF(0, radius),
                                 centre + QPointF(-waist, waist),
                                 centre + QPointF(-radius, 0),
                                 centre + QPointF(-waist, -waist)}));
    };
    sparkle(QPointF(6.5, 9.5), 5);
    sparkle(QPointF(12.5, 3.5), 2.5);
}

void drawWindow(QPainter &p)
{
    p.drawRoundedRect(QRectF(1.5, 2.5, 13, 11), 1.5, 1.5);
    p.drawLine(QPointF(1.5, 5.5), QPointF(14.5, 5.5));
    for (const double x : {3.5, 5.3, 7.1})
        p.drawPoint(QPointF(x, 4));
}

void drawCrossInCircle(QPainter &p)
{
    p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
    p.drawLine(QPointF(5.5, 5.5), QPointF(10.5, 10.5));
    p.drawLine(QPointF(10.5, 5.5), QPointF(5.5, 10.5));
}

struct Symbol
{
    const char *name;
    const char *themeIcon; // the freedesktop name
    DrawSymbol draw;
};

constexpr Symbol kSymbols[] = {
    {"square.grid.2x2", "view-grid", drawGrid},
    {"list.bullet", "view-list", drawBulletList},
    {"rectangle.split.3x1", "view-column", drawColumns},
    {"doc.on.doc", "edit-copy", drawTwoDocuments},
    {"arrow.right.doc.on.clipboard", "edit-paste", drawDocumentToClipboard},
    {"folder.badge.plus", "folder-new", drawNewFolder},
    {"trash", "user-trash", drawTrash},
    {"keyboard", "input-keyboard", drawKeyboard},
    {"house", "user-home", drawHouse},
    {"menubar.dock.rectangle", "user-desktop", drawDesktop},
    {"doc", "folder-documents", drawDocument},
    {"arrow.down.circle", "folder-download", drawDownloadCircle},
    {"photo", "folder-pictures", drawPhoto},
    {"music.note", "folder-music", drawMusicNote},
    {"film", "folder-videos", drawFilm},
    {"star", "starred", drawStar},
    {"internaldrive", "drive-harddisk", drawDrive},
    {"externaldrive", "drive-removable-media", drawExternalDrive},
    {"chevron.right", "go-next-symbolic", drawChevronRight},
    {"gearshape", "preferences-system", drawGear},
    {"paintbrush", "preferences-desktop-theme", drawPaintbrush},
    {"app.badge", "applications-other", drawAppBadge},
    {"sparkles", "applications-graphics", drawSparkles},
    {"macwindow", "preferences-system-windows", drawWindow},
    {"xmark.circle.fill", "edit-clear", drawCrossInCircle},
};

// Draws at paint time, so the symbol takes the colours of the theme in force, also after the
// user switched between a light and a dark one.
class DrawnSymbolEngine : public QIconEngine
{
public:
    explicit DrawnSymbolEngine(DrawSymbol draw)
        : m_draw(draw)
    {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        const QPalette palette = QApplication::palette();
        const QColor color = palette.color(
            mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active,
            mode == QIcon::Selected ? QPalette::HighlightedText : QPalette::ButtonText);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / 16.0, rect.height() / 16.0);
        painter->setPen(QPen(color, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->setBrush(Qt::NoBrush);
        m_draw(*painter);
        painter->restore();
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(), size), mode, state);
        return pixmap;
    }

    QIconEngine *clone() const override { return new DrawnSymbolEngine(m_draw); }

private:
    DrawSymbol m_draw;
};

} // namespace

QIcon symbolIcon(const QString &symbolName)
{
    for (const Symbol &symbol : kSymbols) {
        if (symbolName != QLatin1String(symbol.name))
            continue;
        const QString themeName = QString::fromLatin1(symbol.themeIcon);
        return QIcon::hasThemeIcon(themeName) ? QIcon::fromTheme(themeName)
                                              : QIcon(new DrawnSymbolEngine(symbol.draw));
    }
    return {};
}
