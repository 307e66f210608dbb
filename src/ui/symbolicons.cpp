#include "symbolicons.h"

#include <QApplication>
#include <QIcon>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>

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
