#include "ui/aboutwindow.h"

#include "appearance/appicondesign.h"
#include "platform/localization.h"
#include "platform/preferences.h"
#include "ui/appiconpainter.h"
#include "ui/formtext.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr int kWidth = 380;
constexpr int kPadding = 40;
constexpr int kSpacing = 14;
constexpr int kIconSize = 128;
constexpr double kNameSize = 26;
const IconShadow kIconShadow{0.3, 5, 0};

QPointer<AboutWindow> &openWindow()
{
    static QPointer<AboutWindow> window;
    return window;
}

} // namespace

QString versionLine()
{
    return Bv::tr("Version %1").arg(QCoreApplication::applicationVersion());
}

QFont productNameFont(double pixels)
{
    QFont font = platformFont(pixels);
    font.setWeight(QFont::DemiBold);
    return font;
}

AboutWindow *AboutWindow::showSingle(const Preferences &preferences, QWidget *parent)
{
    QPointer<AboutWindow> &window = openWindow();
    if (!window) {
        window = new AboutWindow(preferences, parent);
        window->centreOnScreen();
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

AboutWindow::AboutWindow(const Preferences &preferences, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_preferences(preferences)
    , m_icon(new QLabel(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Bv::tr("Über Bivane"));

    auto *layout = new QVBoxLayout(this);
    // The shadow reaches into the padding, so the icon itself keeps the full distance.
    const int shadow = kIconShadow.margin();
    layout->setContentsMargins(kPadding, kPadding - shadow, kPadding, kPadding);
    layout->setSpacing(0);
    m_icon->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_icon);
    layout->addSpacing(kSpacing - shadow);

    auto *name = new QLabel(QStringLiteral("Bivane"), this);
    name->setFont(productNameFont(kNameSize));
    name->setAlignment(Qt::AlignCenter);
    layout->addWidget(name);
    layout->addSpacing(kSpacing);

    auto *version = new QLabel(versionLine(), this);
    version->setObjectName(QStringLiteral("version"));
    version->setForegroundRole(QPalette::PlaceholderText);
    version->setAlignment(Qt::AlignCenter);
    version->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(version);

    showIcon();
    connect(&preferences, &Preferences::changed, this, [this](const QString &key) {
        if (key == Pref::appIconDesign.name)
            showIcon();
    });
    setFixedSize(kWidth, layout->sizeHint().height());
}

void AboutWindow::showIcon()
{
    const qreal ratio = screen() ? screen()->devicePixelRatio() : devicePixelRatioF();
    m_icon->setPixmap(QPixmap::fromImage(renderAppIconWithShadow(
        chosenAppIconDesign(m_preferences), kIconSize, kIconShadow, ratio)));
}

void AboutWindow::centreOnScreen()
{
    const QScreen *target = parentWidget() ? parentWidget()->screen() : nullptr;
    if (!target)
        target = QGuiApplication::primaryScreen();
    if (!target)
        return;
    QRect frame(QPoint(), size());
    frame.moveCenter(target->availableGeometry().center());
    move(frame.topLeft());
}

// Without a title bar there is no close button: losing the activation, by a click elsewhere,
// closes the window.
void AboutWindow::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (isActiveWindow())
        m_wasActive = true;
    else if (m_wasActive)
        close();
}

// A thin line round the edge keeps the borderless window apart from what lies behind it.
void AboutWindow::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
