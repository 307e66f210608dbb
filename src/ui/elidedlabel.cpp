#include "ui/elidedlabel.h"

#include <QPainter>
#include <QStyle>

QString ElidedLabel::shownText() const
{
    return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
}

QSize ElidedLabel::minimumSizeHint() const
{
    const QMargins margins = contentsMargins();
    return {fontMetrics().horizontalAdvance(QStringLiteral("…")) + margins.left() + margins.right(),
            QLabel::minimumSizeHint().height()};
}

void ElidedLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    style()->drawItemText(&painter,
                          contentsRect(),
                          int(alignment()) | Qt::TextSingleLine,
                          palette(),
                          isEnabled(),
                          shownText(),
                          foregroundRole());
}
