#include "ui/visiblecontrolsstyle.h"

#include "appearance/theme.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

// What a user needs to make out a control's boundary against its surroundings.
constexpr double kControlContrast = 3.0;
// The corner radius of the base style's fields and buttons.
constexpr double kFrameRadius = 2;

QColor mixed(const QColor &from, const QColor &to, double share)
{
    const auto channel = [share](double a, double b) {
        return a + (b - a) * share;
    };
    return QColor::fromRgbF(float(channel(from.redF(), to.redF())),
                            float(channel(from.greenF(), to.greenF())),
                            float(channel(from.blueF(), to.blueF())));
}

// The first mix from `from` toward `target` that stands out from `background`.
QColor standingOut(const QColor &from, const QColor &target, const QColor &background)
{
    constexpr int kSteps = 20;
    for (int step = 0; step < kSteps; ++step) {
        const QColor color = mixed(from, target, double(step) / kSteps);
        if (contrastRatio(color, background) >= kControlContrast)
            return color;
    }
    return target;
}

bool hasKeyboardFocus(const QStyleOption &option)
{
    return option.state.testFlag(QStyle::State_HasFocus) &&
           option.state.testFlag(QStyle::State_KeyboardFocusChange);
}

// The outline of a control on `palette`'s window. Focus shows in the highlight colour, moved
// toward the text colour when it is too close to the window; the plain outline is the faintest
// mix of window and text that stands out.
QColor controlOutline(const QPalette &palette, bool focused)
{
    QColor window = palette.color(QPalette::Window);
    window.setAlpha(255);
    const QColor text = palette.color(QPalette::WindowText);
    return focused ? standingOut(palette.color(QPalette::Highlight), text, window)
                   : standingOut(window, text, window);
}

// Strokes the outline of `rect` along its inside, one pixel wide (two when `focused`), rounded
// like the base style's frames when `radius` is given.
void strokeOutline(
    QPainter &painter, const QPalette &palette, const QRect &rect, double radius, bool focused)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, radius > 0);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(controlOutline(palette, focused), 1));
    const int rings = focused ? 2 : 1;
    for (int ring = 0; ring < rings; ++ring) {
        const QRectF line = QRectF(rect).adjusted(ring + 0.5, ring + 0.5, -ring - 0.5, -ring - 0.5);
        painter.drawRoundedRect(line, radius, radius);
    }
    painter.restore();
}

void strokeOutline(QPainter &painter, const QStyleOption &option, const QRect &rect, double radius)
{
    strokeOutline(painter, option.palette, rect, radius, hasKeyboardFocus(option));
}

} // namespace

VisibleControlsStyle::VisibleControlsStyle(QStyle *base)
    : QProxyStyle(base)
{}

void VisibleControlsStyle::install()
{
    if (qobject_cast<VisibleControlsStyle *>(QApplication::style()))
        return;
    // A style of its own to wrap: the application deletes its current one when replaced.
    QApplication::setStyle(
        new VisibleControlsStyle(QStyleFactory::create(QApplication::style()->name())));
}

void VisibleControlsStyle::drawPrimitive(PrimitiveElement element,
                                         const QStyleOption *option,
                                         QPainter *painter,
                                         const QWidget *widget) const
{
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    switch (element) {
    case PE_IndicatorCheckBox:
        strokeOutline(*painter, *option, option->rect, 0);
        break;
    case PE_PanelButtonCommand: // push buttons and combo boxes; the base style's start a pixel down
        strokeOutline(*painter, *option, option->rect.adjusted(0, 1, 0, 0), kFrameRadius);
        break;
    case PE_FrameLineEdit:
        strokeOutline(*painter, *option, option->rect, kFrameRadius);
        break;
    default:
        break;
    }
}

void VisibleControlsStyle::drawComplexControl(ComplexControl control,
                                              const QStyleOptionComplex *option,
                                              QPainter *painter,
                                              const QWidget *widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    switch (control) {
    case CC_SpinBox:
        if (const auto *spinBox = qstyleoption_cast<const QStyleOptionSpinBox *>(option);
            spinBox && spinBox->frame)
            strokeOutline(*painter, *option, option->rect, kFrameRadius);
        break;
    case CC_Slider: {
        // The groove around the handle, then the handle, which shows the focus.
        const QRect handle = subControlRect(CC_Slider, option, SC_SliderHandle, widget);
        painter->save();
        painter->setClipRegion(QRegion(option->rect).subtracted(handle));
        strokeOutline(*painter,
                      option->palette,
                      subControlRect(CC_Slider, option, SC_SliderGroove, widget),
                      kFrameRadius,
                      false);
        painter->restore();
        strokeOutline(*painter, *option, handle, kFrameRadius);
        break;
    }
    default:
        break;
    }
}
