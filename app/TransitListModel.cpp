#include "TransitListModel.h"

#include <QCoreApplication>
#include <cmath>
#include <ctime>

#include "BirthText.h"
#include "GlyphCodes.h"
#include "QtText.h"
#include "TransitMoment.h"
#include "TransitTexts.h"

namespace {

constexpr double UnixEpochJd = 2440587.5;
constexpr double SecondsPerDay = 86400.0;

QString clockText(const BirthMoment& m, const StringTable& strings, bool seconds) {
    const QString date = fromCp1250(compactDateText(m.localDate, strings));
    const int second = static_cast<int>(m.localTime.second);
    return seconds ? QString::asprintf("%s %02d:%02d:%02d", qPrintable(date), m.localTime.hour, m.localTime.minute, second)
                   : QString::asprintf("%s %02d:%02d", qPrintable(date), m.localTime.hour, m.localTime.minute);
}

QStandardItem* cell(const QString& text, const QVariant& sortKey) {
    auto* item = new QStandardItem(text);
    item->setEditable(false);
    item->setData(sortKey, TransitSortRole);
    return item;
}

QList<QStandardItem*> eventRow(const std::vector<TransitEvent>& events, const std::vector<TransitMomentTexts>& texts,
                               int index, const QFont& symbolFont) {
    const TransitEvent& e = events[static_cast<std::size_t>(index)];
    const TransitMomentTexts& t = texts[static_cast<std::size_t>(index)];
    QList<QStandardItem*> row;
    row << cell(t.date, e.exactUT) << cell(transitingName(e.transiting), e.transiting);
    const char glyph = aspectGlyph(e.aspect);
    QStandardItem* aspect = cell(glyph ? QString(QLatin1Char(glyph)) : QString::fromLatin1(aspectAbbreviation(e.aspect)),
                                 e.aspect);
    if (glyph)
        aspect->setFont(symbolFont);
    aspect->setToolTip(transitAspectName(e.aspect));
    aspect->setTextAlignment(Qt::AlignCenter);
    row << aspect << cell(natalName(e.natal), e.natal) << cell(transitMotionName(e.motion), e.motion)
        << cell(t.enters, e.entersUT) << cell(t.exact, e.exactUT) << cell(t.leaves, e.leavesUT);
    row[ColumnDate]->setData(index, TransitEventRole);
    return row;
}

}  // namespace

BirthMoment transitLocalMoment(const TownDatabase& towns, const BirthMoment& natal, double jdUT) {
    TransitWhen when;
    when.now = true;
    when.utc = static_cast<std::time_t>(std::llround((jdUT - UnixEpochJd) * SecondsPerDay));
    return transitMoment(towns, natal, nullptr, when);
}

std::vector<TransitMomentTexts> transitMomentTexts(const std::vector<TransitEvent>& events, const TownDatabase& towns,
                                                   const BirthMoment& natal, const StringTable& strings) {
    std::vector<TransitMomentTexts> texts;
    texts.reserve(events.size());
    for (const TransitEvent& e : events) {
        const BirthMoment exact = transitLocalMoment(towns, natal, e.exactUT);
        texts.push_back({fromCp1250(compactDateText(exact.localDate, strings)),
                         clockText(transitLocalMoment(towns, natal, e.entersUT), strings, false),
                         clockText(exact, strings, true),
                         clockText(transitLocalMoment(towns, natal, e.leavesUT), strings, false)});
    }
    return texts;
}

QStringList transitColumnTitles() {
    const auto tr = [](const char* text) { return QCoreApplication::translate("TransitListModel", text); };
    return {tr("Date"), tr("Transiting"), tr("Aspect"), tr("Natal"), tr("Motion"), tr("Enters orb"), tr("Exact"),
            tr("Leaves orb")};
}

void fillTransitModel(QStandardItemModel& model, const std::vector<TransitEvent>& events,
                      const std::vector<TransitMomentTexts>& texts, const std::vector<TransitGroup>& groups,
                      std::uint8_t dispmode, const QFont& symbolFont) {
    model.clear();
    model.setColumnCount(TransitColumnCount);
    model.setHorizontalHeaderLabels(transitColumnTitles());
    model.setSortRole(TransitSortRole);
    QStandardItem* root = model.invisibleRootItem();
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const TransitGroup& group = groups[g];
        QStandardItem* parent = root;
        if (group.key >= 0) {
            const QString title = dispmode == TransitsByNatalPoint ? natalName(group.key) : transitingName(group.key);
            QList<QStandardItem*> heading;
            for (int c = 0; c < TransitColumnCount; ++c)
                heading << cell(c == 0 ? title : QString(), static_cast<int>(g));
            heading[0]->setData(-1, TransitEventRole);
            QFont bold;
            bold.setBold(true);
            heading[0]->setFont(bold);
            root->appendRow(heading);
            parent = heading[0];
        }
        for (int i : group.events)
            parent->appendRow(eventRow(events, texts, i, symbolFont));
    }
}
