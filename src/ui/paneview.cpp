#include "ui/paneview.h"

#include "controller/bivanestate.h"
#include "controller/favorites.h"
#include "model/panemodel.h"
#include "platform/localization.h"
#include "platform/pathcodec.h"
#include "platform/pathnames.h"
#include "shortcuts/shortcutstore.h"
#include "ui/columnsview.h"
#include "ui/commandpresentation.h"
#include "ui/elidedlabel.h"
#include "ui/formtext.h"
#include "ui/panedroptarget.h"
#include "ui/paneframe.h"
#include "ui/paneiconsview.h"
#include "ui/panelistview.h"
#include "ui/pathbar.h"
#include "ui/renamealert.h"
#include "ui/retrolistview.h"
#include "ui/themedpieces.h"
#include "ui/themedroot.h"

#include <QApplication>
#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QStackedWidget>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

enum Page { listPage, iconsPage, columnsPage, emptyStatePage };

QToolButton *toolButton()
{
    auto *button = new QToolButton;
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

// A navigation button shows the desktop's arrow, or in a retro theme a text arrow in the
// palette's text colour (its border colour while it leads nowhere).
void showArrow(QToolButton &button,
               QStyle::StandardPixmap icon,
               const QString &glyph,
               bool retro,
               const Palette &colors)
{
    if (retro) {
        button.setIcon(QIcon());
        button.setText(glyph);
        button.setToolButtonStyle(Qt::ToolButtonTextOnly);
        QPalette palette = button.palette();
        palette.setColor(QPalette::Button, colors.background);
        palette.setColor(QPalette::Window, colors.background);
        palette.setColor(QPalette::ButtonText, colors.text);
        palette.setColor(QPalette::Disabled, QPalette::ButtonText, colors.border);
        button.setPalette(palette);
    } else {
        // Loading the desktop's arrow reads its image files: once, not at every theme change.
        if (button.icon().isNull())
            button.setIcon(QApplication::style()->standardIcon(icon));
        button.setText(QString());
        button.setToolButtonStyle(Qt::ToolButtonIconOnly);
        button.setPalette(QPalette());
    }
}

} // namespace

PaneView::PaneView(BivaneState &state, PaneModel &pane, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_pane(pane)
    , m_side(state.sideOfPane(pane))
    , m_list(new PaneListView(state, pane))
    , m_icons(new PaneIconsView(state, pane))
    , m_columns(new ColumnsView(state, pane))
    , m_content(new QStackedWidget)
    , m_frame(new PaneFrame(m_content))
    , m_pathBar(new PathBar)
    , m_status(new ElidedLabel)
{
    m_content->insertWidget(listPage, withRetroList(state, pane, m_list));
    m_content->insertWidget(iconsPage, m_icons);
    m_content->insertWidget(columnsPage, m_columns);
    m_content->insertWidget(emptyStatePage, makeEmptyState());

    auto *bottom = new QVBoxLayout;
    bottom->setSpacing(2);
    bottom->setContentsMargins(8, 4, 8, 4);
    bottom->addWidget(m_pathBar);
    m_status->setObjectName(QStringLiteral("statusLine"));
    bottom->addWidget(m_status);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(makeHeader());
    layout->addWidget(new ThemedDivider(ThemedDivider::Orientation::horizontal));
    layout->addWidget(m_frame, 1);
    layout->addLayout(bottom);
    // Files dropped anywhere in the pane go into its folder.
    new PaneDropTarget(*this, state, pane);

    connect(m_pathBar, &PathBar::folderClicked, &pane, &PaneModel::navigate);
    for (auto changed : {&PaneModel::urlChanged,
                         &PaneModel::backStackChanged,
                         &PaneModel::forwardStackChanged,
                         &PaneModel::errorMessageChanged})
        connect(&pane, changed, this, &PaneView::showFolder);
    connect(&pane, &PaneModel::urlChanged, this, &PaneView::showFavorite);
    connect(&state.favorites(), &Favorites::changed, this, &PaneView::showFavorite);
    connect(&pane, &PaneModel::viewModeChanged, this, &PaneView::showContent);
    connect(&pane, &PaneModel::errorMessageChanged, this, &PaneView::showContent);
    connect(&state, &BivaneState::isRetroChanged, this, &PaneView::showContent);
    for (auto changed : {&PaneModel::selectionChanged,
                         &PaneModel::itemsChanged,
                         &PaneModel::searchTextChanged,
                         &PaneModel::visibleItemsChanged,
                         &PaneModel::activityTextChanged})
        connect(&pane, changed, this, &PaneView::showStatus);
    // The table renames in its row; every other view asks for the name in an alert.
    connect(&pane, &PaneModel::isRenamingChanged, this, [this] {
        if (m_pane.isRenaming() && !m_list->isVisible())
            showRenameAlert(m_state, m_pane, *this);
    });
    connect(&state, &BivaneState::activeChanged, this, &PaneView::followTheme);
    connect(&pane, &PaneModel::isReadingChanged, this, &PaneView::followReading);
    connect(&m_readingDelay, &Countdown::timeout, this, [this] { showReading(true); });

    showFolder();
    showFavorite();
    showContent();
    showStatus();
    followTheme();
    followReading();
    // A click anywhere in the pane, besides what it does there, brings the keyboard to this side.
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);
}

QWidget *PaneView::makeHeader()
{
    auto *header = new QWidget;
    header->setObjectName(QStringLiteral("paneHeader"));
    auto *row = new QHBoxLayout(header);
    row->setSpacing(8);
    row->setContentsMargins(10, 6, 10, 6);
    m_back = toolButton();
    m_forward = toolButton();
    m_up = toolButton();
    // The buttons take their names and tool tips from the commands they run; the tool tips name
    // the keys as bound now.
    const auto present = [this] {
        presentCommand(*m_back, Command::back, m_state.shortcuts());
        presentCommand(*m_forward, Command::forward, m_state.shortcuts());
        presentCommand(*m_up, Command::goUp, m_state.shortcuts());
    };
    present();
    connect(&m_state.shortcuts(), &ShortcutStore::bindingsChanged, this, present);
    connect(m_back, &QToolButton::clicked, &m_pane, &PaneModel::goBack);
    connect(m_forward, &QToolButton::clicked, &m_pane, &PaneModel::goForward);
    connect(m_up, &QToolButton::clicked, &m_pane, &PaneModel::goUp);
    m_title = new ElidedLabel;
    m_title->setObjectName(QStringLiteral("folderTitle"));
    m_title->setTextFormat(Qt::PlainText);
    QFont headline = scaledFont(m_title->font(), 1.2);
    headline.setBold(true);
    m_title->setFont(headline);
    m_star = toolButton();
    m_star->setAccessibleName(title(Command::favorite));
    connect(
        m_star, &QToolButton::clicked, this, [this] { m_state.favorites().toggle(m_pane.url()); });
    for (QWidget *widget : std::initializer_list<QWidget *>{m_back, m_forward, m_up, m_title})
        row->addWidget(widget);
    row->addStretch();
    row->addWidget(m_star);
    return header;
}

QWidget *PaneView::makeEmptyState()
{
    auto *page = new QWidget;
    auto *column = new QVBoxLayout(page);
    column->addStretch();
    auto *symbol = new QLabel;
    QIcon lock = QIcon::fromTheme(QStringLiteral("system-lock-screen"));
    if (lock.isNull())
        lock = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    symbol->setPixmap(lock.pixmap(32, 32));
    auto *title = new QLabel(Bv::tr("Ordner nicht lesbar"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    m_errorText = new QLabel;
    m_errorText->setWordWrap(true);
    for (QLabel *label : {symbol, title, m_errorText}) {
        label->setAlignment(Qt::AlignCenter);
        column->addWidget(label);
    }
    column->addStretch();
    return page;
}

void PaneView::showFolder()
{
    const QString folder = m_pane.url();
    m_title->setText(PathCodec::displayText(PathNames::lastComponent(folder)));
    m_back->setEnabled(!m_pane.backStack().isEmpty());
    m_forward->setEnabled(!m_pane.forwardStack().isEmpty());
    m_up->setEnabled(PathNames::standardized(folder) != QLatin1String("/"));
    m_errorText->setText(m_pane.errorMessage());
    followTheme();
}

void PaneView::showFavorite()
{
    const bool favorite = m_state.favorites().isFavorite(m_pane.url());
    m_star->setText(favorite ? QStringLiteral("★") : QStringLiteral("☆"));
    m_star->setToolTip(favorite ? Bv::tr("Aus Favoriten entfernen")
                                : Bv::tr("Ordner zu Favoriten hinzufügen"));
    followTheme();
}

void PaneView::showContent()
{
    // The retro presets show the list whatever the view mode; the mode itself stays.
    // An unreadable folder: the retro list says so in its own text, the others give way to the
    // desktop's empty-state page.
    const ViewMode mode = m_state.shownViewMode(m_pane);
    if (!m_pane.errorMessage().isNull() && !m_state.isRetro())
        m_content->setCurrentIndex(emptyStatePage);
    else
        m_content->setCurrentIndex(mode == ViewMode::icons     ? iconsPage
                                   : mode == ViewMode::columns ? columnsPage
                                                               : listPage);
}

void PaneView::showStatus()
{
    // Selected items the search text hides stay selected (the commands act on them), but the
    // list does not show them: the line counts them apart.
    const int shown = int(m_pane.visibleItems().size());
    const QSet<QString> selection = m_pane.selection();
    const int hidden = int(m_pane.hiddenSelectionCount());
    const int selected = int(selection.size()) - hidden;
    QString text;
    if (m_showsReading) {
        const QString name = PathNames::lastComponent(m_pane.readingUrl());
        text = Bv::tr("Wird gelesen … „%1“")
                   .arg(name.isEmpty() ? QStringLiteral("/") : PathCodec::displayText(name));
    } else if (selection.isEmpty())
        text = Bv::tr("%n Objekte", nullptr, shown);
    else if (hidden == 0)
        text = Bv::tr("%1 von %n ausgewählt", nullptr, shown).arg(selected);
    else
        text = Bv::tr("%1 von %n ausgewählt (%2 ausgeblendet)", nullptr, shown)
                   .arg(selected)
                   .arg(hidden);
    if (!m_pane.activityText().isEmpty())
        text += QStringLiteral("  —  ") + m_pane.activityText();
    m_status->setText(text);
}

void PaneView::followReading()
{
    if (!m_pane.isReading()) {
        m_readingDelay.stop();
        showReading(false);
    } else if (m_showsReading) {
        showStatus(); // another folder is read now
    } else if (!m_readingDelay.isActive()) {
        m_readingDelay.start();
    }
}

void PaneView::showReading(bool reading)
{
    if (m_showsReading == reading)
        return;
    m_showsReading = reading;
    // An effect rather than colours, so that every theme's views dim alike; focus, selection and
    // scroll position stay as they are.
    if (reading) {
        auto *dim = new QGraphicsOpacityEffect;
        dim->setOpacity(0.45);
        m_frame->setGraphicsEffect(dim);
    } else {
        m_frame->setGraphicsEffect(nullptr);
    }
    showStatus();
}

void PaneView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    ThemedRoot::follow(*this, m_themedRoot, [this] { followTheme(); });
}

void PaneView::followTheme()
{
    const Theme theme = m_themedRoot ? m_themedRoot->theme() : Theme();
    const Palette colors =
        m_themedRoot ? m_themedRoot->palette() : theme.palette(QApplication::palette());
    const bool retro = theme.isRetro();
    const QColor secondary = retro ? colors.text : colors.header;
    m_frame->setLook(m_state.active() == m_side, retro, colors.activeBorder, colors.border);
    m_pathBar->showPath(m_pane.url(), theme.showIcons, secondary);
    for (QWidget *segment : m_pathBar->findChildren<QWidget *>())
        segment->installEventFilter(this);

    const auto colorize = [](QWidget *widget, const QColor &color) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, color);
        palette.setColor(QPalette::ButtonText, color);
        widget->setPalette(palette);
    };
    showArrow(*m_back, QStyle::SP_ArrowLeft, QStringLiteral("←"), retro, colors);
    showArrow(*m_forward, QStyle::SP_ArrowRight, QStringLiteral("→"), retro, colors);
    showArrow(*m_up, QStyle::SP_ArrowUp, QStringLiteral("↑"), retro, colors);
    colorize(m_title, retro ? colors.header : colors.text);
    colorize(m_status, secondary);
    const bool favorite = m_state.favorites().isFavorite(m_pane.url());
    colorize(m_star, favorite ? QColor(0xf5, 0xc2, 0x11) : (retro ? colors.text : secondary));
}

bool PaneView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress)
        takeClick();
    return QWidget::eventFilter(watched, event);
}

void PaneView::takeClick()
{
    if (sideOf(m_state.focusZone()) != m_side)
        m_state.focus(listZoneOf(m_side));
}
