#include "ui/settingstabs/themepreview.h"

#include "ui/themedpieces.h"

#include <QApplication>
#include <QPainter>

namespace {

constexpr int kPadding = 8;
constexpr int kWidth = 320;

struct SampleRow
{
    const char *name;
    const char *size;
    bool isFolder;
};

// Sample names and sizes, the same in every language.
constexpr SampleRow kRows[] = {
    {"/Dokumente", "<DIR>", true},
    {"brief.txt", "2 KB", false},
    {"foto.jpg", "3,1 MB", false},
};
constexpr int kSelectedRow = 2;

} // namespace

ThemePreview::ThemePreview(QWidget *parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void ThemePreview::setTheme(const Theme &theme)
{
    if (theme == m_theme)
        return;
    m_theme = theme;
    updateGeometry();
    update();
}

QSize ThemePreview::sizeHint() const
{
    const int lineHeight = QFontMetrics(m_theme.font()).height() + 4;
    return {kWidth, 2 * kPadding + lineHeight * (1 + int(std::size(kRows)))};
}

void ThemePreview::paintEvent(QPaintEvent *)
{
    const QPalette scheme = schemePalette(m_theme.colorScheme(), QApplication::palette());
    const Palette colors = m_theme.palette(scheme);
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    // The desktop presets have no background of their own: the list base of their scheme shows.
    painter.fillRect(
        rect(), colors.background.alpha() == 0 ? scheme.color(QPalette::Base) : colors.background);
    if (m_theme.isRetro()) {
        paintRetroFrame(painter, rect(), colors.activeBorder);
    } else {
        painter.setPen(colors.border);
        painter.drawRect(frame);
    }

    QFont font = m_theme.font();
    painter.setFont(font);
    const int lineHeight = QFontMetrics(font).height() + 4;
    const QRect content = rect().adjusted(kPadding, kPadding, -kPadding, -kPadding);
    QRect line(content.left(), content.top(), content.width(), lineHeight);
    const auto drawRow = [&](const QString &name, const QString &size, const QColor &color) {
        painter.setPen(color);
        const QRect text = line.adjusted(4, 0, -4, 0);
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, name);
        painter.drawText(text, Qt::AlignRight | Qt::AlignVCenter, size);
        line.translate(0, lineHeight);
    };

    QFont header = font;
    header.setBold(true);
    painter.setFont(header);
    drawRow(QStringLiteral("Name"), {}, colors.header);
    painter.setFont(font);
    for (int row = 0; row < int(std::size(kRows)); ++row) {
        const SampleRow &sample = kRows[row];
        QColor color = sample.isFolder ? colors.folder : colors.text;
        if (row == kSelectedRow) {
            painter.fillRect(line, colors.selectionBackground);
            color = colors.selectionForeground;
        }
        drawRow(QString::fromUtf8(sample.name), QString::fromUtf8(sample.size), color);
    }
}
