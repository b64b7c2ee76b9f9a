#include "ListPages.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <algorithm>

namespace {

QString csvField(QString text) {
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) || text.contains(QLatin1Char('\n')))
        return QLatin1Char('"') + text.replace(QLatin1String("\""), QLatin1String("\"\"")) + QLatin1Char('"');
    return text;
}

}  // namespace

int paintListPages(QPainter& painter, const QRectF& pageRect, const ListPageContent& content,
                   const std::function<bool()>& newPage) {
    QFont font = painter.font();
    QFont bold = font;
    bold.setBold(true);
    QFontMetricsF fm(font, painter.device());
    QFontMetricsF bm(bold, painter.device());
    const double line = bm.lineSpacing() * 1.15;
    const double gap = fm.horizontalAdvance(QStringLiteral("MM"));

    // Column widths: the widest of heading and cells, the spare width spread evenly.
    const int columns = static_cast<int>(content.headers.size());
    std::vector<double> widths(static_cast<std::size_t>(columns), 0.0);
    for (int c = 0; c < columns; ++c)
        widths[static_cast<std::size_t>(c)] = bm.horizontalAdvance(content.headers[c]);
    for (const ListPageRow& row : content.rows)
        if (!row.heading)
            for (int c = 0; c < std::min(columns, static_cast<int>(row.cells.size())); ++c)
                widths[static_cast<std::size_t>(c)] =
                    std::max(widths[static_cast<std::size_t>(c)], fm.horizontalAdvance(row.cells[c]));
    double total = gap * std::max(0, columns - 1);
    for (double w : widths)
        total += w;
    const double spare = columns > 0 ? std::max(0.0, (pageRect.width() - total) / columns) : 0.0;

    int page = 1;
    double y = pageRect.top();
    const auto footer = [&] {
        painter.setFont(font);
        painter.drawText(QRectF(pageRect.left(), pageRect.bottom() - line, pageRect.width(), line),
                         Qt::AlignRight | Qt::AlignVCenter,
                         QCoreApplication::translate("ListPages", "Page %1").arg(page));
    };
    const auto header = [&] {
        y = pageRect.top();
        painter.setFont(bold);
        painter.drawText(QRectF(pageRect.left(), y, pageRect.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                         bm.elidedText(content.title, Qt::ElideRight, pageRect.width()));
        y += line;
        if (!content.subtitle.isEmpty()) {
            painter.setFont(font);
            painter.drawText(QRectF(pageRect.left(), y, pageRect.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                             fm.elidedText(content.subtitle, Qt::ElideRight, pageRect.width()));
            y += line;
        }
        y += line / 2;
        painter.setFont(bold);
        double x = pageRect.left();
        for (int c = 0; c < columns; ++c) {
            const double w = widths[static_cast<std::size_t>(c)] + spare;
            painter.drawText(QRectF(x, y, w, line), Qt::AlignLeft | Qt::AlignVCenter, content.headers[c]);
            x += w + gap;
        }
        y += line;
        painter.drawLine(QPointF(pageRect.left(), y), QPointF(pageRect.right(), y));
        y += line / 4;
    };
    header();
    for (const ListPageRow& row : content.rows) {
        if (y + 2 * line > pageRect.bottom()) {
            footer();
            if (!newPage())
                return page;
            ++page;
            header();
        }
        if (row.heading) {
            painter.setFont(bold);
            painter.drawText(QRectF(pageRect.left(), y, pageRect.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                             row.cells.value(0));
        } else {
            painter.setFont(font);
            double x = pageRect.left();
            for (int c = 0; c < columns; ++c) {
                const double w = widths[static_cast<std::size_t>(c)] + spare;
                painter.drawText(QRectF(x, y, w, line), Qt::AlignLeft | Qt::AlignVCenter,
                                 fm.elidedText(row.cells.value(c), Qt::ElideRight, w));
                x += w + gap;
            }
        }
        y += line;
    }
    footer();
    return page;
}

QByteArray listCsv(const ListPageContent& content) {
    const bool grouped = std::any_of(content.rows.begin(), content.rows.end(),
                                     [](const ListPageRow& r) { return r.heading; });
    QStringList lines;
    QStringList head;
    if (grouped)
        head << csvField(QCoreApplication::translate("ListPages", "Group"));
    for (const QString& h : content.headers)
        head << csvField(h);
    lines << head.join(QLatin1Char(','));
    QString group;
    for (const ListPageRow& row : content.rows) {
        if (row.heading) {
            group = row.cells.value(0);
            continue;
        }
        QStringList cells;
        if (grouped)
            cells << csvField(group);
        for (const QString& cell : row.cells)
            cells << csvField(cell);
        lines << cells.join(QLatin1Char(','));
    }
    return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}
