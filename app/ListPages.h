#pragma once
// A list of text rows laid out on pages: a title, the column headings and the rows, heading
// rows of groups in bold, with page numbers. One painter serves the printer and the PDF export.
#include <QPainter>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

struct ListPageRow {
    QStringList cells;
    bool heading = false;  // a group's heading: its first cell across the page, in bold
};

struct ListPageContent {
    QString title;
    QString subtitle;
    QStringList headers;
    std::vector<ListPageRow> rows;
};

// Paints `content` on pages of `pageRect` (device units of the painter); `newPage` starts each
// page after the first and returns false when it cannot. The number of pages painted.
int paintListPages(QPainter& painter, const QRectF& pageRect, const ListPageContent& content,
                   const std::function<bool()>& newPage);

// The content as comma-separated values (UTF-8, a header line, group headings left out; a group
// column of each row's group instead when the list is grouped).
QByteArray listCsv(const ListPageContent& content);
