#pragma once

#include "appearance/theme.h"

#include <QStyledItemDelegate>

class ThumbnailLoader;

// Draws one cell of the icon grid: the file's icon (or its picture, once the thumbnail is made)
// at 52 × 52, and below it the name in the caption font on up to two lines. A selected cell
// gets a rounded background in the secondary colour at 20 % and its name a label in the accent
// colour. The cell is centred in the column the grid gives it.
class IconCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int kCellWidth = 88;
    static constexpr int kCellMargin = 4;
    static constexpr int kIconSize = 52;
    static constexpr int kIconNameSpacing = 4;
    static constexpr int kLabelMargin = 4;
    static constexpr int kCellRadius = 6;
    static constexpr int kLabelRadius = 4;
    static constexpr int kNameLines = 2;

    IconCellDelegate(ThumbnailLoader &thumbnails, QObject *parent = nullptr);

    void setColors(const Palette &colors);
    // The size the grid lays each item out at, and the width of the column the cell is centred
    // in (the item may be narrower; the grid's spacing takes the rest).
    void setItemGeometry(QSize itemSize, int columnWidth);
    // How tall a cell is with names in the caption font made from `font`.
    static int cellHeight(const QFont &font);
    // The caption font: smaller than the list's.
    static QFont captionFont(const QFont &font);
    // The device pixels of a thumbnail shown in `widget`: twice as many on a HiDPI screen.
    static int thumbnailPixels(const QWidget *widget);

    void paint(QPainter *painter,
               const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    void paintPicture(QPainter &painter,
                      const QRect &iconRect,
                      const QModelIndex &index,
                      const QWidget *widget) const;
    void paintName(QPainter &painter,
                   const QRect &cell,
                   const QString &name,
                   const QFont &font,
                   bool selected) const;

    ThumbnailLoader &m_thumbnails;
    Palette m_colors;
    QSize m_itemSize;
    int m_columnWidth = kCellWidth;
};
