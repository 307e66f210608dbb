#include "ui/filepreviewcolumn.h"

#include "platform/localization.h"
#include "platform/pathcodec.h"
#include "ui/fileicons.h"
#include "ui/formtext.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kSideMargin = 14;
constexpr int kSpacing = 6;
constexpr double kCaptionScale = 0.85;

QLabel *centredLabel(const QString &objectName)
{
    auto *label = new QLabel;
    label->setObjectName(objectName);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

} // namespace

FilePreviewColumn::FilePreviewColumn(QWidget *parent)
    : QWidget(parent)
    , m_icon(centredLabel(QStringLiteral("previewIcon")))
    , m_name(centredLabel(QStringLiteral("previewName")))
    , m_facts(centredLabel(QStringLiteral("previewFacts")))
    , m_modified(centredLabel(QStringLiteral("previewModified")))
    , m_open(new QPushButton(Bv::tr("Öffnen")))
{
    setFixedWidth(kWidth);
    m_icon->setFixedHeight(kIconSize);
    m_name->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_open->setObjectName(QStringLiteral("previewOpen"));

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(kSideMargin, kTopSpace, kSideMargin, kSideMargin);
    column->setSpacing(kSpacing);
    for (QLabel *label : {m_icon, m_name, m_facts, m_modified})
        column->addWidget(label);
    column->addSpacing(kSpacing);
    column->addWidget(m_open, 0, Qt::AlignHCenter);
    column->addStretch();

    connect(m_open, &QPushButton::clicked, this, [this] { emit openRequested(m_item.url()); });
    applyFonts();
}

void FilePreviewColumn::setItem(const FileItem &item)
{
    if (item == m_item)
        return;
    m_item = item;
    showItem();
}

void FilePreviewColumn::setSecondaryColor(const QColor &color)
{
    for (QLabel *label : {m_facts, m_modified}) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, color);
        label->setPalette(palette);
    }
}

void FilePreviewColumn::showItem()
{
    m_icon->setPixmap(
        FileIcons::forItem(m_item).pixmap(QSize(kIconSize, kIconSize), devicePixelRatioF()));
    m_name->setText(PathCodec::displayText(m_item.name));
    m_facts->setText(m_item.kind() + QStringLiteral(" – ") + m_item.sizeText());
    m_modified->setText(Bv::tr("Geändert: ") + dateText(m_item.modified));
}

// The headline and caption sizes follow the column's font, which follows the theme.
void FilePreviewColumn::applyFonts()
{
    QFont headline = font();
    headline.setBold(true);
    m_name->setFont(headline);
    const QFont caption = scaledFont(font(), kCaptionScale);
    m_facts->setFont(caption);
    m_modified->setFont(caption);
}

void FilePreviewColumn::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        applyFonts();
}
