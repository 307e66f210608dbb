#include "ui/pathtext.h"

#include <QTextDocument>
#include <cmath>
#include <memory>

namespace {

// Wide enough to start with; the layout gives the text the width of its column.
constexpr int kHintedCharacters = 20;

} // namespace

PathText::PathText(const QString &path, QWidget *parent)
    : QTextEdit(parent)
{
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrapMode(QTextOption::WrapAnywhere);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setFocusPolicy(Qt::NoFocus);
    document()->setDocumentMargin(0);
    // Drawn on the window's own background, like the labels beside it.
    viewport()->setAutoFillBackground(false);
    setPlainText(path);
}

int PathText::heightForWidth(int width) const
{
    const std::unique_ptr<QTextDocument> measured(document()->clone());
    measured->setTextWidth(width);
    return int(std::ceil(measured->size().height()));
}

QSize PathText::sizeHint() const
{
    const int width = fontMetrics().averageCharWidth() * kHintedCharacters;
    return {width, heightForWidth(width)};
}

QSize PathText::minimumSizeHint() const
{
    return {fontMetrics().averageCharWidth(), fontMetrics().lineSpacing()};
}
