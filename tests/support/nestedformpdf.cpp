#include "nestedformpdf.h"

#include <QList>

namespace {

constexpr int kLevels = 10;
constexpr int kDrawsPerLevel = 10;

// The body of a stream object: its dictionary with the length, and its content.
QByteArray streamObject(const QByteArray &dictionary, const QByteArray &content)
{
    return "<< " + dictionary + " /Length " + QByteArray::number(content.size()) + " >>\nstream\n" +
           content + "\nendstream";
}

} // namespace

QByteArray nestedFormPdf()
{
    // 1 catalog, 2 page tree, 3 page, 4 page content, 5 … 5 + kLevels - 1 the forms.
    QList<QByteArray> objects{
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 600 800] /Resources << /XObject << /F 5 0 R "
        ">> >> /Contents 4 0 R >>",
        streamObject({}, "/F Do"),
    };
    for (int level = 0; level < kLevels; ++level) {
        const QByteArray form = "/Type /XObject /Subtype /Form /BBox [0 0 600 800]";
        if (level == kLevels - 1) {
            objects.append(streamObject(form, "0 0 1 rg 10 10 20 20 re f"));
            continue;
        }
        // Each drawing of the next form a little shifted, so none can be skipped as a repeat.
        QByteArray content;
        for (int draw = 0; draw < kDrawsPerLevel; ++draw)
            content += "q 1 0 0 1 " + QByteArray::number(draw) + " 0 cm /N Do Q\n";
        objects.append(streamObject(form + " /Resources << /XObject << /N " +
                                        QByteArray::number(6 + level) + " 0 R >> >>",
                                    content));
    }

    QByteArray pdf = "%PDF-1.4\n";
    QList<qsizetype> offsets;
    for (qsizetype index = 0; index < objects.size(); ++index) {
        offsets.append(pdf.size());
        pdf += QByteArray::number(index + 1) + " 0 obj\n" + objects[index] + "\nendobj\n";
    }
    const qsizetype xref = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (qsizetype offset : offsets)
        pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) +
           " /Root 1 0 R >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return pdf;
}
