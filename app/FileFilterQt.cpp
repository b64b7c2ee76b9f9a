#include "FileFilterQt.h"

#include <QStringList>

#include "QtText.h"

QString qtFileFilter(const FileFilter& filter) {
    const auto pairs = fileFilterPairs(filter);
    QStringList filters;
    for (auto it = pairs.rbegin(); it != pairs.rend(); ++it) {
        const QString description = fromCp1250(it->first);
        const QString pattern = fromCp1250(it->second);
        // The descriptions usually name their pattern already ("Horoscope Files (*.hor)").
        filters << (description.contains(pattern) ? description : QStringLiteral("%1 (%2)").arg(description, pattern));
    }
    return filters.join(QStringLiteral(";;"));
}
