#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <atomic>

// The first page of a PDF document, drawn by the separate program bivane-pdf-render. A document
// can ask for unbounded memory and time; that program limits both for itself, and is killed
// when the preview moves on or it takes longer than kPdfRenderSeconds, so neither this process's
// memory nor a thread of it is ever held by a document.
struct PdfPage
{
    QImage image;             // null when the page could not be drawn
    QString error;            // why not; empty when drawn
    qint64 peakKilobytes = 0; // the most memory the drawing took

    bool operator==(const PdfPage &) const = default;
};

inline constexpr int kPdfRenderSeconds = 20;

// The first page of the document open at `fd`, fitted into `box` (at its own size in points
// when `box` is empty). Blocks until the page is drawn, the drawing fails or is cut short by its
// limits, or `cancelled` is raised, which kills the drawing within a few milliseconds.
PdfPage renderPdfPage(int fd, QSize box, const std::atomic<bool> *cancelled);
