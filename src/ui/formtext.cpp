#include "formtext.h"

#include <QFontDatabase>
#include <QLabel>

namespace {

constexpr double kCaptionScale = 0.85;

} // namespace

QFont captionFont(const QFont &base)
{
    QFont caption;
    caption.setPointSizeF(base.pointSizeF() * kCaptionScale);
    return caption;
}

QFont platformFont(double points)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    if (points > 0)
        font.setPointSizeF(points);
    return font;
}

void useSecondaryColor(QWidget &widget)
{
    // A role rather than a colour: it follows the palette when the theme changes.
    widget.setForegroundRole(QPalette::PlaceholderText);
}

QLabel *makeNote(const QString &text)
{
    auto *note = new QLabel(text);
    note->setWordWrap(true);
    note->setFont(captionFont(platformFont()));
    useSecondaryColor(*note);
    return note;
}
