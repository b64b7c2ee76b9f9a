// The Collation command: the active chart compared with another person's chart or with the
// transits of a moment, in a window of its own.
#include <QDir>
#include <QFile>
#include <ctime>

#include "AppCommands.h"
#include "AppContext.h"
#include "ChartDirectionOptions.h"
#include "Collation.h"
#include "Prompts.h"
#include "FixedText.h"
#include "HoroscopeFile.h"
#include "HoroscopeReadMessage.h"
#include "QtText.h"
#include "StringIds.h"
#include "TAstroClient.h"
#include "TAstroFrame.h"
#include "TDatabaseDialog.h"
#include "TRadixWindow.h"
#include "TransitMoment.h"

void AppCommands::collate() {
    TRadixWindow* natal = activeChart();
    if (!natal)
        return;
    TCollationDialog dialog(&m_frame, m_ctx, m_collationChoice);
    if (m_ctx.prompts().runModal(dialog) != QDialog::Accepted)
        return;
    const CollationChoice& choice = m_collationChoice;
    auto collation = std::make_unique<Collation>();
    RadixData& second = collation->second;

    if (choice.kind == CollationChoice::PartnerFile) {
        std::string path;
        TDatabaseDialog browser(&m_frame, m_ctx, path);
        if (m_ctx.prompts().runModal(browser) != QDialog::Accepted || path.empty())
            return;
        ChartBlocks blocks;
        HoroscopeProblem problem;
        const HoroscopeRead read = ReadHoroscopeFile(path, m_ctx.strings(), chartDirectionSettings(m_ctx.options()),
                                                     second, blocks, &problem);
        if (read != HoroscopeRead::Ok) {
            const QString file = QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(path)));
            m_ctx.errors.error(&m_frame, horoscopeReadMessage(file, read, problem));
            return;
        }
        collation->kind = CollationKind::Synastry;
    } else {
        TransitWhen when;
        when.now = choice.kind == CollationChoice::TransitsNow;
        when.utc = std::time(nullptr);
        when.date = CalDate(choice.date.year(), choice.date.month(), choice.date.day(), true);
        when.time.hour = static_cast<std::uint8_t>(choice.time.hour());
        when.time.minute = static_cast<std::uint8_t>(choice.time.minute());
        when.time.second = choice.time.second();
        // The town is looked up again: the towns list may have changed since it was chosen.
        const TownRecord* town = choice.town.empty() ? nullptr : FindTown(m_ctx.towns, choice.town);
        if (!choice.town.empty() && !town) {
            m_ctx.errors.error(&m_frame, m_ctx.text(StrId::CollationTownGone).arg(fromCp1250(choice.town.c_str())));
            return;
        }
        setFixedText(second.name, m_ctx.strings().str(StrId::CollationTransitsName));
        setFixedText(second.horType, m_ctx.strings().str(StrId::TypeTransits));
        second.moment = transitMoment(m_ctx.towns, natal->chart().moment, town, when);
        collation->kind = CollationKind::Transit;
    }
    client().addChart(TRadixWindow::collationOf(m_ctx, *natal, std::move(collation)));
}
