#pragma once

#include <QLabel>

// A one-line label that gives way: narrower than its text, it shows the text cut with "…" at
// the end instead of pushing its neighbours aside. text() keeps the whole text.
class ElidedLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

    // The text as drawn at the label's present width.
    QString shownText() const;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};
