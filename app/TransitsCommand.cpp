// The Transits commands: the selection the transit search uses (Options menu), and the
// transits window of the active chart for a period.
#include <QDate>

#include "AppCommands.h"
#include "AppContext.h"
#include "Collation.h"
#include "FixedText.h"
#include "Prompts.h"
#include "StringIds.h"
#include "TAstroClient.h"
#include "TAstroFrame.h"
#include "TMyDialog.h"
#include "TRadixWindow.h"
#include "TTransitsDialog.h"
#include "TTransitsWindow.h"
#include "TransitListModel.h"

namespace {

bool anyMark(const auto& marks) {
    for (bool m : marks)
        if (m)
            return true;
    return false;
}

}  // namespace

void AppCommands::editTransitSelection() {
    TTransitsDialog dialog(&m_frame, m_ctx.errors, TTransitsDialog::Selection::of(m_ctx.options()));
    if (m_ctx.prompts().runModal(dialog) != QDialog::Accepted)
        return;
    const TOptions before = m_ctx.options();
    dialog.selection().applyTo(m_ctx.options());
    m_ctx.autosaveOptions(&m_frame, before);
}

void AppCommands::showTransits() {
    TRadixWindow* natal = activeChart();
    if (!natal || natal->isCollation())
        return;
    // Nothing would be found: the selection is chosen first.
    const TransitQuery query = transitQueryFromSelection(m_ctx.options().transits, 0, 0);
    if (!anyMark(query.transiting) || !anyMark(query.natal) || !anyMark(query.aspects)) {
        m_ctx.prompts().message(&m_frame, Prompts::Severity::Information, tr("Transits"),
                                tr("Choose the transiting bodies, the natal points and the aspects to search for "
                                   "first."));
        editTransitSelection();
        const TransitQuery chosen = transitQueryFromSelection(m_ctx.options().transits, 0, 0);
        if (!anyMark(chosen.transiting) || !anyMark(chosen.natal) || !anyMark(chosen.aspects))
            return;
    }
    TTransitPeriodDialog period(&m_frame, m_ctx.errors, m_transitPeriod, QDate::currentDate());
    if (m_ctx.prompts().runModal(period) != QDialog::Accepted)
        return;
    m_transitPeriod = period.period();
    // The window keeps its own copy of the chart; the collations it opens are of that copy,
    // also after the chart's window was closed.
    const RadixData chart = natal->chart();
    const ChartBlocks blocks = natal->blocks();
    auto* window = new TTransitsWindow(&m_frame, m_ctx, chart, [this, chart, blocks](double jdUT) {
        auto collation = std::make_unique<Collation>();
        collation->kind = CollationKind::Transit;
        RadixData& second = collation->second;
        setFixedText(second.name, m_ctx.strings().str(StrId::CollationTransitsName));
        setFixedText(second.horType, m_ctx.strings().str(StrId::TypeTransits));
        second.moment = transitLocalMoment(m_ctx.towns, chart.moment, jdUT);
        client().addChart(TRadixWindow::collationOf(m_ctx, chart, blocks, std::move(collation)));
        m_frame.activateWindow();
        m_frame.raise();
    });
    lendProgramKeys(*window);
    centreOverClient(window);
    window->show();
    window->search(m_transitPeriod);
}
