#include "ui/previewwindow.h"

#include "controller/quicklookcontroller.h"
#include "model/previewcontent.h"
#include "platform/bytecounttext.h"
#include "platform/localization.h"
#include "platform/pathcodec.h"
#include "platform/pathnames.h"
#include "ui/formtext.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QFormLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeDatabase>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTextCursor>
#include <QVBoxLayout>

namespace {

constexpr int kIconSize = 96;
constexpr int kPadding = 16;
constexpr int kPlaceholderDelayMs = 150;
// The text page lays out paragraphs of about this many characters: a line of a quarter million
// characters would keep the window busy for seconds, a quarter million paragraphs of one empty
// line each for a quarter of a second at every resize. Longer lines are shown in pieces, each
// further piece on a line of its own after kContinuation; shorter ones share paragraphs.
constexpr qsizetype kParagraphLength = 1000;
constexpr char16_t kContinuation[] = u"\u21AA ";
// Paragraphs added to the text page per turn of the event loop.
constexpr int kParagraphsPerSlice = 200;

// `text` as the text page shows it: long lines cut into pieces (never between the halves of a
// surrogate pair), and lines joined into paragraphs by line separators, which read as line
// breaks when the text is copied.
QString shownText(const QString &text)
{
    QString shown;
    shown.reserve(text.size() + text.size() / kParagraphLength * 3);
    qsizetype paragraphLength = -1; // -1 before the first line
    const auto appendLine = [&](QStringView line) {
        if (paragraphLength >= 0 && paragraphLength + line.size() < kParagraphLength) {
            shown += QChar(QChar::LineSeparator);
            paragraphLength += line.size() + 1;
        } else {
            if (paragraphLength >= 0)
                shown += QLatin1Char('\n');
            paragraphLength = line.size();
        }
        shown += line;
    };
    const QStringView all(text);
    qsizetype lineStart = 0;
    while (lineStart <= text.size()) {
        qsizetype lineEnd = text.indexOf(QLatin1Char('\n'), lineStart);
        if (lineEnd < 0)
            lineEnd = text.size();
        qsizetype piece = lineStart;
        bool first = true;
        do {
            qsizetype pieceEnd = qMin(piece + kParagraphLength, lineEnd);
            if (pieceEnd < lineEnd && text.at(pieceEnd).isLowSurrogate())
                --pieceEnd;
            const QStringView part = all.sliced(piece, pieceEnd - piece);
            if (first) {
                appendLine(part);
            } else {
                shown += QLatin1Char('\n');
                shown += kContinuation;
                shown += part;
                paragraphLength = kParagraphLength; // a piece fills its paragraph
            }
            first = false;
            piece = pieceEnd;
        } while (piece < lineEnd);
        lineStart = lineEnd + 1;
    }
    return shown;
}

// A sheet with a folded corner, for types the icon theme has no icon for.
QPixmap drawnIcon(int size, const QPalette &palette)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal left = size * 0.2, right = size * 0.8, top = size * 0.08, bottom = size * 0.92;
    const qreal fold = size * 0.2;
    const QPolygonF sheet(
        {{left, top}, {right - fold, top}, {right, top + fold}, {right, bottom}, {left, bottom}});
    painter.setPen(QPen(palette.color(QPalette::Mid), size / 40.0));
    painter.setBrush(palette.color(QPalette::Base));
    painter.drawPolygon(sheet);
    painter.drawPolyline(
        QPolygonF({{right - fold, top}, {right - fold, top + fold}, {right, top + fold}}));
    return pixmap;
}

QPixmap iconFor(const QString &mimeType, const QPalette &palette)
{
    const QMimeType mime = QMimeDatabase().mimeTypeForName(mimeType);
    QIcon icon = QIcon::fromTheme(mime.iconName());
    if (icon.isNull())
        icon = QIcon::fromTheme(mime.genericIconName());
    if (icon.isNull() && mime.inherits(QStringLiteral("inode/directory")))
        icon = QIcon::fromTheme(QStringLiteral("folder"));
    return icon.isNull() ? drawnIcon(kIconSize, palette) : icon.pixmap(kIconSize);
}

} // namespace

// A picture fitted into the window: never enlarged, aspect kept, centred.
class PreviewImageView : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QSize imageSize READ imageSize)

public:
    using QWidget::QWidget;

    QSize imageSize() const { return m_image.size(); }
    void setImage(const QImage &image)
    {
        m_image = image;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (m_image.isNull())
            return;
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const QSizeF logical = QSizeF(m_image.size()) / devicePixelRatioF();
        const QSizeF fitted = logical.width() > width() || logical.height() > height()
                                  ? logical.scaled(size(), Qt::KeepAspectRatio)
                                  : logical;
        const QRectF target(
            QPointF((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
        painter.drawImage(target, m_image);
    }

private:
    QImage m_image;
};

PreviewWindow::PreviewWindow(QuickLookController &controller, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_controller(&controller)
    , m_loader(new PreviewLoader(this))
    , m_pages(new QStackedWidget(this))
    , m_image(new PreviewImageView(this))
    , m_text(new QPlainTextEdit(this))
    , m_facts(new QWidget(this))
    , m_icon(new QLabel(m_facts))
    , m_name(new QLabel(m_facts))
    , m_factRows(new QFormLayout)
    , m_error(new QLabel(m_facts))
    , m_loading(new QLabel(Bv::tr("Wird geladen …"), this))
    , m_note(new QLabel(this))
{
    // Opening the preview leaves the keyboard with the panes, so the arrow keys there page
    // through it; a click into the preview gives the keyboard to it.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::StrongFocus);
    resize(760, 580);

    m_image->setObjectName(QStringLiteral("previewImage"));
    m_text->setObjectName(QStringLiteral("previewText"));
    m_facts->setObjectName(QStringLiteral("previewFacts"));
    m_error->setObjectName(QStringLiteral("previewError"));
    m_loading->setObjectName(QStringLiteral("previewLoading"));
    m_note->setObjectName(QStringLiteral("previewNote"));

    // The window keeps the keyboard itself, so that every press reaches the controller first.
    m_text->setFocusPolicy(Qt::NoFocus);
    m_text->setReadOnly(true);
    m_text->setUndoRedoEnabled(false);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_icon->setAlignment(Qt::AlignCenter);
    m_name->setAlignment(Qt::AlignCenter);
    m_name->setWordWrap(true);
    QFont headline = scaledFont(m_name->font(), 1.25);
    headline.setBold(true);
    m_name->setFont(headline);
    m_error->setAlignment(Qt::AlignCenter);
    m_error->setWordWrap(true);
    m_factRows->setLabelAlignment(Qt::AlignRight);
    auto *facts = new QVBoxLayout(m_facts);
    facts->addStretch();
    facts->addWidget(m_icon);
    facts->addWidget(m_name);
    facts->addSpacing(kPadding);
    auto *rows = new QHBoxLayout;
    rows->addStretch();
    rows->addLayout(m_factRows);
    rows->addStretch();
    facts->addLayout(rows);
    facts->addSpacing(kPadding);
    facts->addWidget(m_error);
    facts->addStretch();

    m_loading->setAlignment(Qt::AlignCenter);
    m_pages->addWidget(m_facts);
    m_pages->addWidget(m_image);
    m_pages->addWidget(m_text);
    m_pages->addWidget(m_loading);
    m_note->setWordWrap(true);
    m_note->hide();

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_pages, 1);
    auto *noteRow = new QHBoxLayout;
    noteRow->setContentsMargins(kPadding / 2, kPadding / 4, kPadding / 2, kPadding / 4);
    noteRow->addWidget(m_note);
    column->addLayout(noteRow);

    m_textSlices.setSingleShot(true);
    connect(&m_textSlices, &QTimer::timeout, this, [this] { appendTextSlice(); });
    m_placeholderDelay.setSingleShot(true);
    m_placeholderDelay.setInterval(kPlaceholderDelayMs);
    connect(&m_placeholderDelay, &QTimer::timeout, this, [this] {
        showNote({});
        m_pages->setCurrentWidget(m_loading);
    });
    connect(m_loader, &PreviewLoader::loaded, this, &PreviewWindow::showContent);
    connect(
        &controller, &QuickLookController::isVisibleChanged, this, [this] { followVisibility(); });
    connect(&controller, &QuickLookController::itemsChanged, this, [this] { followCurrentItem(); });
    connect(&controller, &QuickLookController::currentIndexChanged, this, [this] {
        followCurrentItem();
    });
    connect(&controller, &QObject::destroyed, this, [this] { followVisibility(); });
    followVisibility();
}

void PreviewWindow::followVisibility()
{
    if (m_controller && m_controller->isVisible()) {
        followCurrentItem();
        show();
        raise();
        return;
    }
    hide();
    stopText();
    m_loader->cancel();
    m_placeholderDelay.stop();
    m_path.clear(); // opened again, the preview reads the item anew
}

void PreviewWindow::followCurrentItem()
{
    updateTitle();
    if (!m_controller || !m_controller->isVisible())
        return;
    const QString path = m_controller->currentItem();
    if (path == m_path)
        return;
    m_path = path;
    m_loader->request(path, imageBox());
    m_placeholderDelay.start();
}

void PreviewWindow::updateTitle()
{
    const QString path = m_controller ? m_controller->currentItem() : QString();
    if (path.isEmpty()) {
        setWindowTitle(Bv::tr("Schnellvorschau"));
        return;
    }
    const QString name = PathCodec::displayText(PathNames::lastComponent(path));
    const qsizetype count = m_controller->items().size();
    setWindowTitle(
        count < 2
            ? name
            : Bv::tr("%1 – %2 von %3").arg(name).arg(m_controller->currentIndex() + 1).arg(count));
}

// Pictures are decoded for the screen the window is on, so resizing the window never needs a
// second read.
QSize PreviewWindow::imageBox() const
{
    const QScreen *display = screen();
    const QSize available = display ? display->availableSize() : QSize(1600, 1000);
    return available * devicePixelRatioF();
}

void PreviewWindow::showContent(const QString &path, const PreviewContent &content)
{
    if (path != m_path)
        return;
    m_placeholderDelay.stop();
    stopText();
    showNote({});
    switch (content.kind) {
    case PreviewKind::image:
    case PreviewKind::pdf:
        m_image->setImage(content.image);
        m_pages->setCurrentWidget(m_image);
        return;
    case PreviewKind::text:
        showText(content.text, QFontDatabase::systemFont(QFontDatabase::FixedFont));
        if (content.isCut) {
            // Kernel files say they are empty, whatever they hold.
            const qint64 size = content.facts ? content.facts->size : 0;
            showNote(size > content.bytesRead
                         ? Bv::tr("Nur der Anfang der Datei wird gezeigt (%1 von %2).")
                               .arg(byteCountText(content.bytesRead), byteCountText(size))
                         : Bv::tr("Nur der Anfang der Datei wird gezeigt (%1).")
                               .arg(byteCountText(content.bytesRead)));
        }
        m_pages->setCurrentWidget(m_text);
        return;
    case PreviewKind::folder: {
        QStringList names;
        names.reserve(content.entries.size());
        for (const QString &entry : content.entries)
            names.append(PathCodec::displayText(entry));
        showText(names.join(QLatin1Char('\n')), font());
        if (names.isEmpty())
            showNote(Bv::tr("Der Ordner ist leer."));
        m_pages->setCurrentWidget(m_text);
        return;
    }
    case PreviewKind::facts:
        showFacts(path, content);
        return;
    }
}

void PreviewWindow::showText(const QString &text, const QFont &font)
{
    m_text->setFont(font);
    m_text->clear();
    m_textToCome = shownText(text);
    m_textComesFrom = 0;
    appendTextSlice();
}

void PreviewWindow::appendTextSlice()
{
    qsizetype end = m_textComesFrom;
    for (int paragraph = 0; paragraph < kParagraphsPerSlice && end < m_textToCome.size();
         ++paragraph) {
        const qsizetype lineEnd = m_textToCome.indexOf(QLatin1Char('\n'), end);
        end = lineEnd < 0 ? m_textToCome.size() : lineEnd + 1;
    }
    QTextCursor cursor(m_text->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(
        QStringView(m_textToCome).sliced(m_textComesFrom, end - m_textComesFrom).toString());
    m_textComesFrom = end;
    if (m_textComesFrom < m_textToCome.size())
        m_textSlices.start();
    else
        stopText();
}

void PreviewWindow::stopText()
{
    m_textSlices.stop();
    m_textToCome.clear();
    m_textComesFrom = 0;
}

void PreviewWindow::showFacts(const QString &path, const PreviewContent &content)
{
    m_icon->setPixmap(iconFor(content.mimeType, palette()));
    m_name->setText(PathCodec::displayText(PathNames::lastComponent(path)));
    while (m_factRows->rowCount() > 0)
        m_factRows->removeRow(0);
    if (content.facts) {
        for (FileColumn column : {FileColumn::size,
                                  FileColumn::kind,
                                  FileColumn::modified,
                                  FileColumn::created,
                                  FileColumn::permissions,
                                  FileColumn::owner}) {
            auto *value = new QLabel(content.facts->text(column), m_facts);
            value->setTextInteractionFlags(Qt::TextSelectableByMouse);
            m_factRows->addRow(columnTitle(column), value);
        }
    }
    m_error->setText(content.error);
    m_error->setVisible(!content.error.isEmpty());
    m_pages->setCurrentWidget(m_facts);
}

void PreviewWindow::showNote(const QString &note)
{
    m_note->setText(note);
    m_note->setVisible(!note.isEmpty());
}

bool PreviewWindow::scrollText(int key)
{
    if (m_pages->currentWidget() != m_text)
        return false;
    QScrollBar *bar = m_text->verticalScrollBar();
    switch (key) {
    case Qt::Key_PageUp:
        bar->triggerAction(QAbstractSlider::SliderPageStepSub);
        return true;
    case Qt::Key_PageDown:
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        return true;
    case Qt::Key_Home:
        bar->triggerAction(QAbstractSlider::SliderToMinimum);
        return true;
    case Qt::Key_End:
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        return true;
    default:
        return false;
    }
}

bool PreviewWindow::event(QEvent *event)
{
    // Before QWidget's own handling, which would take Tab for moving the focus.
    if (event->type() == QEvent::KeyPress) {
        const auto &press = static_cast<const QKeyEvent &>(*event);
        if ((m_controller && m_controller->handleKeyPress(press)) || scrollText(press.key())) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void PreviewWindow::closeEvent(QCloseEvent *event)
{
    if (m_controller)
        m_controller->setIsVisible(false);
    event->accept();
}

#include "previewwindow.moc"
