#include "ui/appiconpainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double kUnits = 100;
const QRectF kTile(3, 3, 94, 94);
constexpr double kTileRadius = 21;

QColor rgba(int red, int green, int blue, double alpha = 1)
{
    QColor color(red, green, blue);
    color.setAlphaF(float(alpha));
    return color;
}

QColor withAlpha(QColor color, double alpha)
{
    color.setAlphaF(float(alpha));
    return color;
}

QPainterPath roundedRect(const QRectF &rect, double radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

// How large one drawing comes out, in device pixels: it decides which details are worth
// drawing and how thin a stroke may get before it vanishes.
class Scale
{
public:
    explicit Scale(double pixels)
        : m_pixels(pixels)
    {}

    // Rows, frames and marks that only muddy a small icon.
    bool showsDetails() const { return m_pixels >= 48; }
    // Below this even the coarse rows blur into a smear.
    bool isTiny() const { return m_pixels < 24; }
    // `units` wide, but never thinner than `minimumPixels` on the device.
    double stroke(double units, double minimumPixels = 1) const
    {
        return std::max(units, minimumPixels * kUnits / m_pixels);
    }

private:
    double m_pixels;
};

// The rounded square every design stands on, with a light rim at the top and a dark one at the
// bottom that give it depth on light and dark backgrounds alike.
void paintTile(QPainter &painter, const Scale &scale, const QBrush &fill)
{
    const QPainterPath tile = roundedRect(kTile, kTileRadius);
    painter.fillPath(tile, fill);
    QLinearGradient sheen(0, kTile.top(), 0, kTile.top() + kTile.height() * 0.5);
    sheen.setColorAt(0, rgba(255, 255, 255, 0.12));
    sheen.setColorAt(1, rgba(255, 255, 255, 0));
    painter.fillPath(tile, sheen);
    const double rimWidth = scale.stroke(0.8);
    QLinearGradient rim(0, kTile.top(), 0, kTile.bottom());
    rim.setColorAt(0, rgba(255, 255, 255, 0.38));
    rim.setColorAt(0.5, rgba(255, 255, 255, 0.06));
    rim.setColorAt(1, rgba(0, 0, 0, 0.3));
    const double inset = rimWidth / 2;
    painter.strokePath(
        roundedRect(kTile.adjusted(inset, inset, -inset, -inset), kTileRadius - inset),
        QPen(rim, rimWidth));
}

// An arrow along `course`, its head at the end. The shaft stops under the head so no round
// cap pokes out beside its tip.
void paintArrow(QPainter &painter,
                const QPainterPath &course,
                double width,
                double headLength,
                const QColor &color)
{
    const double headStart = course.percentAtLength(std::max(0.0, course.length() - headLength));
    constexpr int kSamples = 24;
    QPolygonF shaft;
    for (int sample = 0; sample <= kSamples; ++sample)
        shaft << course.pointAtPercent(headStart * sample / kSamples);
    painter.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(shaft);

    const QPointF tip = course.pointAtPercent(1);
    const QPointF base = course.pointAtPercent(headStart);
    const QLineF normal = QLineF(base, tip).normalVector().unitVector();
    const QPointF side = (normal.p2() - normal.p1()) * headLength * 0.72;
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPolygon(QPolygonF{tip, base + side, base - side});
    painter.setBrush(Qt::NoBrush);
}

QPainterPath straightCourse(const QPointF &from, const QPointF &to)
{
    QPainterPath course(from);
    course.lineTo(to);
    return course;
}

QPainterPath curvedCourse(const QPointF &from, const QPointF &control, const QPointF &to)
{
    QPainterPath course(from);
    course.quadTo(control, to);
    return course;
}

// Text lines of a file list as bars: `count` rows from `top`, `pitch` apart, each as wide as
// its share of `rect`'s width.
void paintRows(QPainter &painter,
               const QRectF &rect,
               double top,
               double pitch,
               double height,
               int count,
               const QColor &color)
{
    static constexpr double kShares[] = {0.78, 0.56, 0.86, 0.5, 0.7, 0.62};
    for (int row = 0; row < count; ++row) {
        const double share = kShares[row % std::size(kShares)];
        const QRectF bar(rect.left(), top + row * pitch, rect.width() * share, height);
        painter.fillPath(roundedRect(bar, height / 2), color);
    }
}

// One glowing panel of tinted glass with a bright edge and, when there is room, its rows.
void paintGlassPanel(QPainter &painter, const Scale &scale, const QRectF &rect, const QColor &tint)
{
    constexpr double kRadius = 6;
    paintGlow(painter, rect, kRadius, withAlpha(tint, 0.75), 8);
    const QPainterPath panel = roundedRect(rect, kRadius);
    QLinearGradient body(rect.topLeft(), rect.bottomLeft());
    body.setColorAt(0, withAlpha(tint.lighter(125), 0.78));
    body.setColorAt(1, withAlpha(tint.darker(170), 0.55));
    painter.fillPath(panel, body);
    QLinearGradient sheen(rect.topLeft(), QPointF(rect.left(), rect.center().y()));
    sheen.setColorAt(0, rgba(255, 255, 255, 0.38));
    sheen.setColorAt(1, rgba(255, 255, 255, 0));
    painter.fillPath(panel, sheen);

    const double edgeWidth = scale.stroke(1.2);
    QLinearGradient edge(rect.topLeft(), rect.bottomLeft());
    edge.setColorAt(0, rgba(255, 255, 255, 0.95));
    edge.setColorAt(1, withAlpha(tint.lighter(140), 0.7));
    const double inset = edgeWidth / 2;
    painter.strokePath(roundedRect(rect.adjusted(inset, inset, -inset, -inset), kRadius - inset),
                       QPen(edge, edgeWidth));

    const QRectF rows = rect.adjusted(5, 0, -5, 0);
    const QColor rowColor = rgba(255, 255, 255, 0.62);
    if (scale.showsDetails())
        paintRows(painter, rows, rect.top() + 9, 8, 2.6, 5, rowColor);
    else if (!scale.isTiny())
        paintRows(painter, rows, rect.top() + 11, 12, 5, 3, rowColor);
}

void paintDualPanelsMotifOnGrid(QPainter &painter, const Scale &scale)
{
    paintGlassPanel(painter, scale, QRectF(16, 21, 32, 58), QColor(58, 132, 255));
    paintGlassPanel(painter, scale, QRectF(52, 21, 32, 58), QColor(32, 214, 196));
}

void paintDualPanels(QPainter &painter, const Scale &scale)
{
    QRadialGradient navy(QPointF(50, 38), 72);
    navy.setColorAt(0, QColor(16, 52, 118));
    navy.setColorAt(0.55, QColor(8, 24, 56));
    navy.setColorAt(1, QColor(3, 8, 20));
    paintTile(painter, scale, navy);
    paintDualPanelsMotifOnGrid(painter, scale);
}

// A white file list with a blue title band and rows of folder marks and names.
void paintFileListCard(QPainter &painter, const Scale &scale, const QRectF &rect)
{
    constexpr double kRadius = 5;
    paintGlow(painter, rect.translated(0, 1.5), kRadius, rgba(0, 20, 70, 0.5), 3);
    const QPainterPath card = roundedRect(rect, kRadius);
    QLinearGradient paper(rect.topLeft(), rect.bottomLeft());
    paper.setColorAt(0, QColor(255, 255, 255));
    paper.setColorAt(1, QColor(222, 232, 248));
    painter.fillPath(card, paper);
    QPainterPath band;
    band.addRect(QRectF(rect.left(), rect.top(), rect.width(), 9));
    painter.fillPath(card.intersected(band), QColor(37, 99, 235));

    const QColor nameColor(120, 136, 160);
    const QColor folderColor(59, 130, 246);
    if (scale.showsDetails()) {
        for (int row = 0; row < 5; ++row) {
            const double top = rect.top() + 14 + row * 8.5;
            painter.fillPath(roundedRect(QRectF(rect.left() + 4, top - 0.4, 4, 3.4), 0.8),
                             folderColor);
        }
        paintRows(painter, rect.adjusted(10, 0, -4, 0), rect.top() + 14.2, 8.5, 2.6, 5, nameColor);
    } else if (!scale.isTiny()) {
        paintRows(painter, rect.adjusted(5, 0, -5, 0), rect.top() + 15, 11, 5, 3, nameColor);
    }
}

// An orange disc with two arrows pointing opposite ways.
void paintSwapBadge(QPainter &painter, const Scale &scale, const QPointF &centre, double radius)
{
    const QRectF disc(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    paintGlow(painter, disc.translated(0, 1.5), radius, rgba(0, 20, 70, 0.55), 3.5);
    QRadialGradient orange(centre - QPointF(radius * 0.35, radius * 0.45), radius * 1.4);
    orange.setColorAt(0, QColor(255, 200, 100));
    orange.setColorAt(1, QColor(240, 110, 10));
    painter.setPen(QPen(Qt::white, scale.stroke(1.8)));
    painter.setBrush(orange);
    painter.drawEllipse(disc);
    painter.setBrush(Qt::NoBrush);

    if (scale.isTiny())
        return;
    const double reach = radius * 0.55;
    const double width = scale.stroke(2.6, 1.2);
    const double head = std::max(4.5, width * 1.8);
    if (!scale.showsDetails()) {
        // Two arrows on one line do not fit a small disc: one line with a head at each end.
        for (const double direction : {-1.0, 1.0})
            paintArrow(painter,
                       straightCourse(centre, centre + QPointF(direction * reach * 1.25, 0)),
                       width,
                       head,
                       Qt::white);
        return;
    }
    const double gap = radius * 0.3;
    paintArrow(painter,
               straightCourse(centre + QPointF(-reach, -gap), centre + QPointF(reach, -gap)),
               width,
               head,
               Qt::white);
    paintArrow(painter,
               straightCourse(centre + QPointF(reach, gap), centre + QPointF(-reach, gap)),
               width,
               head,
               Qt::white);
}

void paintTwoPanels(QPainter &painter, const Scale &scale)
{
    QLinearGradient blue(0, kTile.top(), 0, kTile.bottom());
    blue.setColorAt(0, QColor(92, 172, 255));
    blue.setColorAt(1, QColor(22, 78, 196));
    paintTile(painter, scale, blue);
    paintFileListCard(painter, scale, QRectF(13, 16, 35, 60));
    paintFileListCard(painter, scale, QRectF(52, 16, 35, 60));
    paintSwapBadge(painter, scale, QPointF(50, 74), 14);
}

// A text-mode panel: a double frame in cyan (one line when small), a yellow title mark and
// rows of names, one of them under the teal selection bar.
void paintRetroPanel(QPainter &painter, const Scale &scale, const QRectF &rect, bool withSelection)
{
    const QColor cyan(85, 255, 255);
    const QColor teal(0, 170, 170);
    painter.setBrush(Qt::NoBrush);
    if (scale.showsDetails()) {
        painter.setPen(QPen(cyan, scale.stroke(1.1)));
        painter.drawRect(rect);
        painter.drawRect(rect.adjusted(2.4, 2.4, -2.4, -2.4));
        painter.fillRect(QRectF(rect.center().x() - 7, rect.top() - 1.6, 14, 3.2),
                         QColor(0, 0, 170));
        painter.fillRect(QRectF(rect.center().x() - 5.5, rect.top() - 1.2, 11, 2.4),
                         QColor(255, 255, 85));
        const QRectF rows = rect.adjusted(5, 0, -5, 0);
        if (withSelection)
            painter.fillRect(QRectF(rect.left() + 3.6, rect.top() + 13.8, rect.width() - 7.2, 4.6),
                             teal);
        paintRows(painter, rows, rect.top() + 8, 7, 2.6, 7, cyan);
        if (withSelection)
            painter.fillRect(QRectF(rows.left(), rect.top() + 15, rows.width() * 0.56, 2.2),
                             Qt::black);
    } else {
        painter.setPen(QPen(cyan, scale.stroke(2, 1)));
        painter.drawRect(rect);
        if (!scale.isTiny())
            paintRows(painter, rect.adjusted(5, 0, -5, 0), rect.top() + 9, 12, 5, 4, cyan);
    }
    painter.setPen(Qt::NoPen);
}

// The function-key bar: black number caps beside teal labels.
void paintRetroKeyBar(QPainter &painter, const Scale &scale, const QRectF &rect)
{
    const int keys = scale.showsDetails() ? 5 : 3;
    const double pitch = rect.width() / keys;
    const double capWidth = pitch * 0.3;
    for (int key = 0; key < keys; ++key) {
        const double left = rect.left() + key * pitch;
        painter.fillRect(QRectF(left, rect.top(), capWidth, rect.height()), Qt::black);
        painter.fillRect(QRectF(left + capWidth, rect.top(), pitch - capWidth - 0.8, rect.height()),
                         QColor(0, 170, 170));
        if (scale.showsDetails()) {
            painter.fillRect(
                QRectF(left + capWidth * 0.35, rect.top() + 2, capWidth * 0.3, rect.height() - 4),
                Qt::white);
            painter.fillRect(QRectF(left + capWidth + 2,
                                    rect.top() + rect.height() / 2 - 1,
                                    (pitch - capWidth) * 0.55,
                                    2),
                             Qt::black);
        }
    }
}

void paintRetroBlue(QPainter &painter, const Scale &scale)
{
    QLinearGradient blue(0, kTile.top(), 0, kTile.bottom());
    blue.setColorAt(0, QColor(0, 0, 200));
    blue.setColorAt(1, QColor(0, 0, 140));
    paintTile(painter, scale, blue);
    paintRetroPanel(painter, scale, QRectF(12, 14, 36, 60), true);
    paintRetroPanel(painter, scale, QRectF(52, 14, 36, 60), false);
    paintRetroKeyBar(painter, scale, QRectF(12, 79, 77, 8));
}

struct FolderColors
{
    QColor light;
    QColor base;
    QColor dark;
};

// A folder: its back with the tab in the darker shade, the front flap over it in a gradient
// from light to base, with a bright top edge.
void paintFolder(QPainter &painter,
                 const Scale &scale,
                 const QRectF &body,
                 const FolderColors &colors)
{
    constexpr double kRadius = 4;
    QPainterPath back = roundedRect(body, kRadius);
    back.addPath(roundedRect(QRectF(body.left(), body.top() - 6, body.width() * 0.4, 10), 3));
    back.setFillRule(Qt::WindingFill);
    painter.fillPath(back.simplified(), colors.dark);

    const QRectF front = body.adjusted(0, 5, 0, 0);
    QLinearGradient flap(front.topLeft(), front.bottomLeft());
    flap.setColorAt(0, colors.light);
    flap.setColorAt(1, colors.base);
    painter.fillPath(roundedRect(front, kRadius), flap);
    if (scale.showsDetails()) {
        painter.setPen(QPen(rgba(255, 255, 255, 0.55), scale.stroke(0.8)));
        painter.drawLine(QPointF(front.left() + kRadius, front.top() + 0.5),
                         QPointF(front.right() - kRadius, front.top() + 0.5));
        painter.setPen(Qt::NoPen);
    }
}

void paintBivaneFolders(QPainter &painter, const Scale &scale)
{
    QLinearGradient dark(0, kTile.top(), 0, kTile.bottom());
    dark.setColorAt(0, QColor(52, 58, 72));
    dark.setColorAt(1, QColor(20, 23, 30));
    paintTile(painter, scale, dark);
    QRadialGradient light(QPointF(50, 45), 40);
    light.setColorAt(0, rgba(255, 255, 255, 0.08));
    light.setColorAt(1, rgba(255, 255, 255, 0));
    painter.fillPath(roundedRect(kTile, kTileRadius), light);

    const QRectF back(36, 26, 50, 38);
    const QRectF front(14, 44, 52, 38);
    paintFolder(
        painter, scale, back, {QColor(255, 200, 96), QColor(250, 140, 10), QColor(206, 96, 0)});
    paintGlow(painter, front.adjusted(0, 4, 0, 0), 4, rgba(0, 0, 0, 0.6), 4);
    paintFolder(
        painter, scale, front, {QColor(120, 192, 255), QColor(33, 128, 232), QColor(18, 84, 182)});
}

// A card of frosted glass: faintly white, brighter towards its top left, with a light edge.
void paintGlassCard(QPainter &painter, const Scale &scale, const QRectF &rect)
{
    constexpr double kRadius = 7;
    paintGlow(painter, rect.translated(0, 2), kRadius, rgba(40, 0, 90, 0.32), 4);
    const QPainterPath card = roundedRect(rect, kRadius);
    QLinearGradient frost(rect.topLeft(), rect.bottomRight());
    frost.setColorAt(0, rgba(255, 255, 255, 0.5));
    frost.setColorAt(1, rgba(255, 255, 255, 0.16));
    painter.fillPath(card, frost);
    const double edgeWidth = scale.stroke(1.2);
    const double inset = edgeWidth / 2;
    painter.strokePath(roundedRect(rect.adjusted(inset, inset, -inset, -inset), kRadius - inset),
                       QPen(rgba(255, 255, 255, 0.8), edgeWidth));
    if (scale.showsDetails())
        paintRows(
            painter, rect.adjusted(6, 0, -6, 0), rect.top() + 9, 8, 3, 3, rgba(255, 255, 255, 0.7));
}

void paintGlassSwap(QPainter &painter, const Scale &scale)
{
    QLinearGradient colours(kTile.topLeft(), kTile.bottomRight());
    colours.setColorAt(0, QColor(30, 212, 190));
    colours.setColorAt(1, QColor(140, 80, 245));
    paintTile(painter, scale, colours);
    paintGlassCard(painter, scale, QRectF(14, 15, 44, 52));
    paintGlassCard(painter, scale, QRectF(42, 33, 44, 52));

    // Two curved arrows, one from each card towards the other: the swap.
    const double width = scale.stroke(3.2, 1.3);
    const double head = std::max(6.5, width * 2);
    const QPainterPath towardsFront =
        curvedCourse(QPointF(61, 19), QPointF(80, 15), QPointF(80, 29));
    const QPainterPath towardsBack =
        curvedCourse(QPointF(39, 81), QPointF(20, 85), QPointF(20, 71));
    for (const QPainterPath &course : {towardsFront, towardsBack}) {
        paintArrow(painter, course.translated(0, 0.8), width, head, rgba(40, 0, 90, 0.25));
        paintArrow(painter, course, width, head, Qt::white);
    }
}

// Device pixels per unit of `square` under the painter's transformation.
double devicePixels(const QPainter &painter, const QRectF &square)
{
    const QTransform transform = painter.deviceTransform();
    return square.width() * std::hypot(transform.m11(), transform.m12());
}

// Runs `paint` on the 100-unit grid laid over `square`.
template<typename Paint>
void paintOnGrid(QPainter &painter, const QRectF &square, Paint paint)
{
    const Scale scale(devicePixels(painter, square));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.translate(square.topLeft());
    painter.scale(square.width() / kUnits, square.height() / kUnits);
    paint(painter, scale);
    painter.restore();
}

// Moving sums along one line: each value becomes the mean of the 2 × radius + 1 values around
// it, values beyond the ends counting as zero.
void boxBlurLines(
    std::vector<float> &values, int lineCount, int lineLength, int lineStride, int step, int radius)
{
    std::vector<float> prefix(size_t(lineLength) + 1);
    const float window = float(2 * radius + 1);
    for (int line = 0; line < lineCount; ++line) {
        float *first = values.data() + size_t(line) * size_t(lineStride);
        prefix[0] = 0;
        for (int i = 0; i < lineLength; ++i)
            prefix[size_t(i) + 1] = prefix[size_t(i)] + first[size_t(i) * size_t(step)];
        for (int i = 0; i < lineLength; ++i) {
            const int low = std::max(0, i - radius);
            const int high = std::min(lineLength, i + radius + 1);
            first[size_t(i) * size_t(step)] = (prefix[size_t(high)] - prefix[size_t(low)]) / window;
        }
    }
}

// Three box blurs in each direction come close to a Gaussian blur of `sigma` pixels.
void blur(std::vector<float> &alpha, int width, int height, double sigma)
{
    const int radius = std::max(1, int(std::lround(sigma - 0.5)));
    for (int pass = 0; pass < 3; ++pass) {
        boxBlurLines(alpha, height, width, width, 1, radius);
        boxBlurLines(alpha, width, height, 1, width, radius);
    }
}

} // namespace

void paintGlow(
    QPainter &painter, const QRectF &rect, double radius, const QColor &color, double spread)
{
    // Faint layers growing outward: where they overlap near the rectangle the colour is
    // strongest.
    constexpr int kLayers = 8;
    const QColor layer = withAlpha(color, color.alphaF() / 5);
    for (int step = kLayers; step >= 1; --step) {
        const double grow = spread * step / kLayers;
        painter.fillPath(roundedRect(rect.adjusted(-grow, -grow, grow, grow), radius + grow),
                         layer);
    }
}

void paintAppIcon(QPainter &painter, const QRectF &square, AppIconDesign design)
{
    paintOnGrid(painter, square, [design](QPainter &gridPainter, const Scale &scale) {
        switch (design) {
        case AppIconDesign::dualPanels:
            paintDualPanels(gridPainter, scale);
            break;
        case AppIconDesign::twoPanels:
            paintTwoPanels(gridPainter, scale);
            break;
        case AppIconDesign::retroBlue:
            paintRetroBlue(gridPainter, scale);
            break;
        case AppIconDesign::bivaneFolders:
            paintBivaneFolders(gridPainter, scale);
            break;
        case AppIconDesign::glassSwap:
            paintGlassSwap(gridPainter, scale);
            break;
        }
    });
}

void paintDualPanelsMotif(QPainter &painter, const QRectF &square)
{
    paintOnGrid(painter, square, paintDualPanelsMotifOnGrid);
}

QImage renderAppIcon(AppIconDesign design, int pixels)
{
    if (pixels <= 0)
        return {};
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintAppIcon(painter, QRectF(0, 0, pixels, pixels), design);
    return image;
}

int IconShadow::margin() const
{
    // A Gaussian of sigma = radius / 2 has all but a trace of its weight within three sigma.
    return int(std::ceil(1.5 * radius + std::abs(offsetY)));
}

QImage renderAppIconWithShadow(AppIconDesign design,
                               int size,
                               const IconShadow &shadow,
                               qreal devicePixelRatio)
{
    const int iconPixels = int(std::lround(size * devicePixelRatio));
    const int marginPixels = int(std::lround(shadow.margin() * devicePixelRatio));
    const int edge = iconPixels + 2 * marginPixels;
    const QImage icon = renderAppIcon(design, iconPixels);
    if (icon.isNull())
        return {};

    // The icon's coverage, moved down by the offset and blurred, becomes the shadow's alpha.
    std::vector<float> alpha(size_t(edge) * size_t(edge), 0);
    const int shift = int(std::lround(shadow.offsetY * devicePixelRatio));
    for (int y = 0; y < iconPixels; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(icon.constScanLine(y));
        float *target =
            alpha.data() + size_t(y + marginPixels + shift) * size_t(edge) + size_t(marginPixels);
        for (int x = 0; x < iconPixels; ++x)
            target[x] = float(qAlpha(line[x]));
    }
    blur(alpha, edge, edge, shadow.radius / 2 * devicePixelRatio);

    QImage image(edge, edge, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < edge; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < edge; ++x) {
            const float value = alpha[size_t(y) * size_t(edge) + size_t(x)];
            line[x] = qRgba(0, 0, 0, int(std::lround(value * shadow.opacity)));
        }
    }
    QPainter painter(&image);
    painter.drawImage(marginPixels, marginPixels, icon);
    painter.end();
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}
