#pragma once

#include "appearance/theme.h"
#include "model/thumbnailloader.h"

#include <QHash>
#include <QListView>
#include <QTimer>

class BivaneState;
class IconCellDelegate;
class PaneModel;
class PaneTableModel;

// The icon grid of a pane: one cell per visible item of the pane, in its order, in as many
// columns of at least 92 pixels as fit, the spare width shared between them. The selection is
// the pane's: clicks change it by the grid's rules, and the grid shows and scrolls to it.
// Keys belong to the controller's key dispatch.
// Pictures show thumbnails, made off the main thread for the rows on screen.
class PaneIconsView : public QListView
{
    Q_OBJECT

public:
    static constexpr int kMinimumColumnWidth = 92;
    static constexpr int kSpacing = 8;
    static constexpr int kMargin = 10;

    PaneIconsView(BivaneState &state, PaneModel &pane, QWidget *parent = nullptr);

    int columnCount() const { return m_columns; }
    int columnWidth() const { return m_columnWidth; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    // The rows on screen (a half-open range) and the thumbnail size they are shown at.
    struct RowRange
    {
        int first = 0;
        int end = 0;
        int pixels = 0;
        bool operator==(const RowRange &) const = default;
    };

    int layoutWidth() const;
    void layOutGrid();
    RowRange visibleRows() const;
    void requestThumbnails();
    void showThumbnail(const ThumbnailKey &key);

    PaneTableModel *m_model;
    ThumbnailLoader &m_thumbnails;
    IconCellDelegate *m_delegate;
    int m_columns = 1;
    int m_columnWidth = kMinimumColumnWidth;
    int m_rowPitch = 1;
    // The rows whose thumbnails were asked for last, to repaint just the cell that gets one.
    QHash<ThumbnailKey, int> m_thumbnailRows;
    std::optional<RowRange> m_requestedRows;
    QTimer m_requestTimer;
};
