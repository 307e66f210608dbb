#include "ui/pathbar.h"

#include "platform/pathcodec.h"
#include "platform/pathnames.h"
#include "ui/fileicons.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QToolButton>
#include <algorithm>

PathBar::PathBar(QWidget *parent)
    : QScrollArea(parent)
    , m_row(new QWidget)
    , m_layout(new QHBoxLayout(m_row))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(2);
    setWidget(m_row);
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::NoFocus);
    // Whenever the row grows or the bar shrinks, the end stays in view.
    connect(horizontalScrollBar(), &QScrollBar::rangeChanged, this, [this](int, int maximum) {
        horizontalScrollBar()->setValue(maximum);
    });
}

void PathBar::showPath(const QString &folder, bool showIcons, const QColor &separatorColor)
{
    while (QLayoutItem *item = m_layout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    m_segments.clear();
    m_ellipsis = new QLabel(QStringLiteral("…"));
    m_layout->addWidget(m_ellipsis);
    const QString path = PathNames::standardized(folder);
    QStringList targets{QStringLiteral("/")};
    for (const QString &component : path.split(QLatin1Char('/'), Qt::SkipEmptyParts))
        targets.append(PathNames::joined(targets.last(), component));

    QPalette separatorPalette = palette();
    separatorPalette.setColor(QPalette::WindowText, separatorColor);
    for (const QString &target : targets) {
        QLabel *separator = nullptr;
        if (target != targets.first()) {
            separator = new QLabel(QStringLiteral("›"));
            separator->setPalette(separatorPalette);
            m_layout->addWidget(separator);
        }
        auto *button = new QToolButton;
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setText(PathCodec::displayText(PathNames::lastComponent(target)));
        // The whole path, also for a segment shortened to "…".
        button->setToolTip(PathCodec::displayText(target));
        if (showIcons) {
            button->setIcon(FileIcons::folder());
            button->setIconSize(QSize(14, 14));
            button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        }
        connect(
            button, &QToolButton::clicked, this, [this, target] { emit folderClicked(target); });
        m_layout->addWidget(button);
        m_segments.append({button, separator});
    }
    m_layout->addStretch();
    fitSegments();
    // Buttons made while the bar is on screen report no size until they are polished.
    setFixedHeight(std::max(m_row->sizeHint().height(), fontMetrics().height() + 12));
}

void PathBar::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    fitSegments();
}

void PathBar::changeEvent(QEvent *event)
{
    QScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitSegments();
}

// Hides the folders nearest the root, each with the separator before it, until the rest fits
// behind the "…"; the deepest folder always stays.
void PathBar::fitSegments()
{
    if (!m_ellipsis)
        return;
    const auto showFrom = [this](qsizetype first) {
        m_ellipsis->setVisible(first > 0);
        for (qsizetype index = 0; index < m_segments.size(); ++index) {
            const auto &[button, separator] = m_segments[index];
            button->setVisible(index >= first);
            if (separator)
                separator->setVisible(index >= first);
        }
        m_layout->invalidate();
    };
    // Buttons made while the bar is on screen know their size only once polished.
    for (QWidget *widget : m_row->findChildren<QWidget *>())
        widget->ensurePolished();
    const int room = viewport()->width();
    qsizetype first = 0;
    showFrom(first);
    while (first + 1 < m_segments.size() && m_layout->sizeHint().width() > room)
        showFrom(++first);
}
