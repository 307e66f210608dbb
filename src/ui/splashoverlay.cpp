#include "ui/splashoverlay.h"

#include "platform/countdown.h"
#include "platform/localization.h"
#include "ui/aboutwindow.h"
#include "ui/appiconpainter.h"
#include "ui/formtext.h"

#include <QEasingCurve>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QVariantAnimation>

using namespace std::chrono_literals;

namespace {

constexpr auto kAppearTime = 600ms;
constexpr auto kProgressTime = 1600ms;
constexpr auto kFadeTime = 400ms;
// The content grows from this scale to its full size while it appears.
constexpr double kStartScale = 0.92;

// The common layout: a vertical stack on a card.
constexpr int kIconSize = 160;
constexpr int kSpacing = 18;
constexpr int kPadding = 40;
constexpr double kNameSize = 34;
constexpr double kTaglineSize = 15;
constexpr double kCaptionSize = 9;
constexpr QSize kProgressBarSize(240, 6);
constexpr double kCardRadius = 18;
const IconShadow kIconShadow{0.35, 14, 4};

// The dualPanels layout: the glowing panels and the name on a radial glow.
constexpr double kGlowCentreX = 0.5;
constexpr double kGlowCentreY = 0.42;
constexpr double kGlowInnerRadius = 10;
constexpr double kGlowOuterRadius = 380;
constexpr int kMotifSize = 240;
constexpr double kMotifNameSize = 38;

QColor rgba(int red, int green, int blue, double alpha)
{
    QColor color(red, green, blue);
    color.setAlphaF(float(alpha));
    return color;
}

// Scales everything painted afterwards by `scale` around `centre`.
void scaleAround(QPainter &painter, const QPointF &centre, double scale)
{
    painter.translate(centre);
    painter.scale(scale, scale);
    painter.translate(-centre);
}

} // namespace

SplashOverlay::SplashOverlay(AppIconDesign design,
                             QWidget &window,
                             std::chrono::milliseconds displayTime)
    : QWidget(&window)
    , m_design(design)
    , m_window(window)
    , m_displayTimer(new Countdown(displayTime, this))
{
    setObjectName(QStringLiteral("splash"));
    setFocusPolicy(Qt::NoFocus);
    connect(m_displayTimer, &Countdown::timeout, this, &SplashOverlay::dismiss);
    if (design != AppIconDesign::dualPanels)
        m_icon = renderAppIconWithShadow(design, kIconSize, kIconShadow, devicePixelRatioF());
    setGeometry(window.rect());
    window.installEventFilter(this);
    raise();
}

void SplashOverlay::dismiss()
{
    if (m_dismissing)
        return;
    m_dismissing = true;
    m_displayTimer->stop();
    // The panes take clicks again while the splash fades.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    QVariantAnimation *fade = animate(m_visibility, 1, 0, kFadeTime, QEasingCurve::OutCubic);
    connect(fade, &QVariantAnimation::finished, this, [this] {
        hide();
        deleteLater();
    });
}

QVariantAnimation *SplashOverlay::animate(double &value,
                                          double from,
                                          double to,
                                          std::chrono::milliseconds duration,
                                          const QEasingCurve &easing)
{
    auto *animation = new QVariantAnimation(this);
    animation->setStartValue(from);
    animation->setEndValue(to);
    animation->setDuration(int(duration.count()));
    animation->setEasingCurve(easing);
    const bool onlyTheBar = &value == &m_progress;
    connect(animation,
            &QVariantAnimation::valueChanged,
            this,
            [this, &value, onlyTheBar](const QVariant &now) {
                value = now.toDouble();
                // Once the content stands still, the filling bar is all that changes.
                if (onlyTheBar && m_appeared >= 1 && !m_progressBar.isEmpty())
                    update(m_progressBar);
                else
                    update();
            });
    animation->start(QAbstractAnimation::DeleteWhenStopped);
    return animation;
}

// The display time runs from the first showing, with the window.
void SplashOverlay::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_started)
        return;
    m_started = true;
    raise();
    m_displayTimer->start();
    // A critically damped spring comes to rest without overshoot, much like this curve.
    animate(m_appeared, 0, 1, kAppearTime, QEasingCurve::OutCubic);
    // The glowing panels' layout has no progress bar to fill.
    if (m_design != AppIconDesign::dualPanels)
        animate(m_progress, 0, 1, kProgressTime, QEasingCurve::Linear);
}

void SplashOverlay::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    dismiss();
}

bool SplashOverlay::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_window && event->type() == QEvent::Resize)
        setGeometry(m_window.rect());
    return QWidget::eventFilter(watched, event);
}

void SplashOverlay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_design == AppIconDesign::dualPanels)
        paintGlowingPanels(painter);
    else
        paintCard(painter);
}

void SplashOverlay::paintGlowingPanels(QPainter &painter)
{
    const QPointF centre(width() * kGlowCentreX, height() * kGlowCentreY);
    QRadialGradient glow(centre, kGlowOuterRadius);
    const double start = kGlowInnerRadius / kGlowOuterRadius;
    const QColor colours[] = {
        rgba(3, 8, 20, 1), rgba(11, 77, 184, 0.75), rgba(6, 33, 79, 0.55), rgba(6, 33, 79, 0)};
    for (int stop = 0; stop < 4; ++stop)
        glow.setColorAt(start + (1 - start) * stop / 3, colours[stop]);
    painter.setOpacity(m_visibility);
    painter.fillRect(rect(), glow);

    const QFont nameFont = productNameFont(kMotifNameSize);
    const double nameHeight = QFontMetricsF(nameFont).height();
    // The panels with their glow fill the middle of their square only; the name stands just
    // under them, and the two together are centred on the glow.
    QRectF motif(0, 0, kMotifSize, kMotifSize);
    motif.moveCenter(QPointF(centre.x(), centre.y() - nameHeight / 2));
    const QRectF name(0, motif.top() + kMotifSize * 0.9, width(), nameHeight);
    painter.setOpacity(m_visibility * m_appeared);
    scaleAround(painter, centre, kStartScale + (1 - kStartScale) * m_appeared);
    paintDualPanelsMotif(painter, motif);
    painter.setFont(nameFont);
    painter.setPen(Qt::white);
    painter.drawText(name, Qt::AlignCenter, QStringLiteral("Bivane"));
}

void SplashOverlay::paintCard(QPainter &painter)
{
    const QFont nameFont = productNameFont(kNameSize);
    const QFont taglineFont = platformFont(kTaglineSize);
    const QFont captionFont = platformFont(kCaptionSize);
    const QString tagline = Bv::tr("Zwei Ordner, eine Tastatur");
    const QString version = versionLine();
    const QFontMetrics nameMetrics(nameFont);
    const QFontMetrics taglineMetrics(taglineFont);
    const QFontMetrics captionMetrics(captionFont);

    const int contentWidth = std::max({kIconSize,
                                       nameMetrics.horizontalAdvance(QStringLiteral("Bivane")),
                                       taglineMetrics.horizontalAdvance(tagline),
                                       kProgressBarSize.width(),
                                       captionMetrics.horizontalAdvance(version)});
    const int contentHeight = kIconSize + nameMetrics.height() + taglineMetrics.height() +
                              kProgressBarSize.height() + captionMetrics.height() + 4 * kSpacing;
    QRect card(0, 0, contentWidth + 2 * kPadding, contentHeight + 2 * kPadding);
    card.moveCenter(rect().center());

    painter.setOpacity(m_visibility * m_appeared);
    scaleAround(painter, card.center(), kStartScale + (1 - kStartScale) * m_appeared);
    paintGlow(painter, QRectF(card).translated(0, 4), kCardRadius, rgba(0, 0, 0, 0.22), 14);
    QPainterPath cardPath;
    cardPath.addRoundedRect(QRectF(card).adjusted(0.5, 0.5, -0.5, -0.5), kCardRadius, kCardRadius);
    painter.fillPath(cardPath, palette().color(QPalette::Window));
    painter.strokePath(cardPath, QPen(palette().color(QPalette::Mid), 1));

    int top = card.top() + kPadding;
    const int left = card.left() + kPadding;
    const int margin = kIconShadow.margin();
    painter.drawImage(QPoint(card.center().x() - kIconSize / 2 - margin, top - margin), m_icon);
    top += kIconSize + kSpacing;

    const auto line = [&](const QFont &font, const QColor &colour, const QString &text) {
        const int height = QFontMetrics(font).height();
        painter.setFont(font);
        painter.setPen(colour);
        painter.drawText(QRect(left, top, contentWidth, height), Qt::AlignCenter, text);
        top += height + kSpacing;
    };
    const QColor primary = palette().color(QPalette::WindowText);
    const QColor secondary = palette().color(QPalette::PlaceholderText);
    line(nameFont, primary, QStringLiteral("Bivane"));
    line(taglineFont, secondary, tagline);

    QRect bar(QPoint(), kProgressBarSize);
    bar.moveCenter(QPoint(card.center().x(), top + kProgressBarSize.height() / 2));
    const double radius = bar.height() / 2.0;
    QPainterPath track;
    track.addRoundedRect(bar, radius, radius);
    painter.fillPath(track, rgba(128, 128, 128, 0.25));
    QPainterPath filled;
    filled.addRoundedRect(
        QRectF(bar.left(), bar.top(), bar.width() * m_progress, bar.height()), radius, radius);
    painter.fillPath(filled, palette().color(QPalette::Highlight));
    m_progressBar = painter.transform().mapRect(bar).adjusted(-1, -1, 1, 1);
    top += bar.height() + kSpacing;

    line(captionFont, secondary, version);
}
