#include "ui/infowindow.h"

#include "model/foldersize.h"
#include "model/panemodel.h"
#include "platform/bytecounttext.h"
#include "platform/localization.h"
#include "platform/pathcodec.h"
#include "ui/fileicons.h"
#include "ui/formtext.h"
#include "ui/pathtext.h"
#include "ui/themedpieces.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr int kWidth = 400;
constexpr int kMargin = 20;
constexpr int kSpacing = 14;
constexpr int kIconSize = 64;
constexpr double kTitleScale = 1.25;

// Long date with the short time of the user's locale; "--" when the file system does not know.
QString longDateText(Timestamp timestamp)
{
    if (timestamp.isDistantPast())
        return QStringLiteral("--");
    const QLocale locale;
    const QDateTime dateTime = timestamp.toDateTime();
    return locale.toString(dateTime.date(), QLocale::LongFormat) + QLatin1String(", ") +
           locale.toString(dateTime.time(), QLocale::ShortFormat);
}

// The folder that holds `url`, for the screen.
QString locationText(const QString &url)
{
    const qsizetype slash = url.lastIndexOf(QLatin1Char('/'));
    return PathCodec::displayText(slash <= 0 ? QStringLiteral("/") : url.left(slash));
}

QLabel *selectableLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QLabel *secondaryLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}

} // namespace

InfoWindow::InfoWindow(PaneModel &pane, const FileItem &item, QWidget *parent)
    : QDialog(parent)
    , m_pane(pane)
    , m_item(item)
{
    setWindowModality(Qt::WindowModal);
    setWindowTitle(PathCodec::displayText(item.name));
    setFixedWidth(kWidth);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->setSpacing(kSpacing);

    auto *header = new QHBoxLayout;
    header->setSpacing(12);
    auto *icon = new QLabel(this);
    icon->setPixmap(FileIcons::forItem(item).pixmap(kIconSize, kIconSize));
    header->addWidget(icon, 0, Qt::AlignVCenter);
    auto *titles = new QVBoxLayout;
    titles->setSpacing(2);
    auto *name = new PathText(PathCodec::displayText(item.name), this);
    name->setObjectName(QStringLiteral("name"));
    QFont titleFont = scaledFont(name->font(), kTitleScale);
    titleFont.setBold(true);
    name->setFont(titleFont);
    titles->addWidget(name);
    titles->addWidget(secondaryLabel(item.kind(), this));
    header->addLayout(titles, 1);
    layout->addLayout(header);
    layout->addWidget(new ThemedDivider(ThemedDivider::Orientation::horizontal, this));

    const bool isFolder = item.isDirectory || item.isPackage;
    m_size = selectableLabel(isFolder             ? Bv::tr("Wird berechnet …")
                             : item.wasExamined() ? byteCountText(item.size)
                                                  : Bv::tr("Unbekannt"),
                             this);
    m_size->setObjectName(QStringLiteral("size"));
    m_size->setWordWrap(true);
    auto *location = new PathText(locationText(item.url()), this);
    location->setObjectName(QStringLiteral("location"));
    const std::pair<QString, QWidget *> rows[] = {
        {Bv::tr("Größe"), m_size},
        {Bv::tr("Ort"), location},
        {Bv::tr("Erstellt"), selectableLabel(longDateText(item.created), this)},
        {Bv::tr("Geändert"), selectableLabel(longDateText(item.modified), this)},
    };
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(6);
    grid->setColumnStretch(1, 1);
    int row = 0;
    for (const auto &[label, value] : rows) {
        grid->addWidget(secondaryLabel(label, this), row, 0, Qt::AlignRight | Qt::AlignTop);
        // The location takes the whole column, the other values only what they need.
        grid->addWidget(
            value, row, 1, value == location ? Qt::Alignment() : Qt::AlignLeft | Qt::AlignTop);
        ++row;
    }
    layout->addLayout(grid);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *doneButton = buttons->addButton(Bv::tr("Fertig"), QDialogButtonBox::AcceptRole);
    doneButton->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);

    // Another item, or none, in the pane means this sheet is done.
    connect(&pane, &PaneModel::infoItemChanged, this, [this] {
        if (m_pane.infoItem() != m_item)
            done(QDialog::Accepted);
    });

    fitHeight();

    if (isFolder) {
        m_walk = new FolderSizeWalk(item.url(), this);
        connect(m_walk, &FolderSizeWalk::totalChanged, this, [this](const FolderSize &total) {
            showFolderSize(total, false);
        });
        connect(m_walk,
                &FolderSizeWalk::finished,
                this,
                [this](const std::optional<FolderSize> &total) { showFolderSize(total, true); });
    }
}

void InfoWindow::follow(PaneModel &pane, QWidget *parent)
{
    const std::optional<FileItem> item = pane.infoItem();
    if (!item)
        return;
    for (InfoWindow *open : parent->findChildren<InfoWindow *>(Qt::FindDirectChildrenOnly)) {
        if (&open->m_pane == &pane && open->m_item == *item && open->isVisible())
            return;
    }
    auto *window = new InfoWindow(pane, *item, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->open();
}

void InfoWindow::done(int result)
{
    if (m_walk)
        m_walk->cancel();
    disconnect(&m_pane, nullptr, this, nullptr);
    if (m_pane.infoItem() == m_item)
        m_pane.setInfoItem(std::nullopt);
    QDialog::done(result);
}

void InfoWindow::showFolderSize(const std::optional<FolderSize> &size, bool final)
{
    // A folder that cannot be read at all has no size to tell; zero would claim it is empty.
    // Folders left out make the sum a lower bound, and the window says so. A total still
    // growing is marked as such.
    QString text;
    if (!size)
        text = Bv::tr("Unbekannt");
    else if (size->unreadableFolders > 0)
        text = Bv::tr("mindestens %1 (nicht lesbare Ordner: %2)")
                   .arg(byteCountText(size->allocated))
                   .arg(size->unreadableFolders);
    else
        text = byteCountText(size->allocated);
    m_size->setText(final ? text : Bv::tr("%1 …").arg(text));
    if (final)
        m_walk = nullptr;
    fitHeight();
}

void InfoWindow::fitHeight()
{
    // The width stays; the height grows with long values, but not beyond the screen, where the
    // location scrolls instead.
    const int wanted = layout()->totalHeightForWidth(kWidth);
    setFixedHeight(std::min(wanted, screen()->availableGeometry().height()));
}
