#pragma once

#include <QProxyStyle>

// The application's own style with frames a user can see. The base style outlines check
// boxes, fields, buttons and slider handles in a shade just darker than the window, which
// vanishes on dark and retro backgrounds; this style draws those outlines again in a colour
// that stands out from the window by the contrast a control needs (3:1), and in a visible
// focus colour while the keyboard is on the control.
class VisibleControlsStyle : public QProxyStyle
{
    Q_OBJECT

public:
    explicit VisibleControlsStyle(QStyle *base);

    // Makes the application's style a VisibleControlsStyle around it; once is enough.
    static void install();

    void drawPrimitive(PrimitiveElement element,
                       const QStyleOption *option,
                       QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control,
                            const QStyleOptionComplex *option,
                            QPainter *painter,
                            const QWidget *widget = nullptr) const override;
};
