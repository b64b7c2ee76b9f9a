// The directions commands: the primary and secondary directions lists of the active chart, the
// rectification of its birth time, and the two selections (Options menu).
#include <cmath>
#include <cstdlib>

#include "AppCommands.h"
#include "AppContext.h"
#include "CommandIds.h"
#include "MomentSteps.h"
#include "Prompts.h"
#include "TAstroClient.h"
#include "TAstroFrame.h"
#include "TDirectionSelectionDialog.h"
#include "TDirectionsWindow.h"
#include "TRadixWindow.h"
#include "TRectificationDialog.h"

namespace {

constexpr long SecondsPerMinute = 60;

}  // namespace

std::vector<CommandRow> AppCommands::directionRows() {
    // A chart of its own: not a collation or progressions window, which show two charts.
    const auto singleChart = [this] { return hasNatalChart() && !activeChart()->isCollation(); };
    return {
        {CM_PRIMARYDIRECTIONS, QT_TRANSLATE_NOOP("Menu", "Primary dire&ctions..."),
         {Qt::CTRL | Qt::SHIFT | Qt::Key_D}, nullptr, 0, [this] { showDirections(true); }, singleChart, {}},
        {CM_SECONDARYDIRECTIONS, QT_TRANSLATE_NOOP("Menu", "Secondar&y directions..."),
         {Qt::CTRL | Qt::SHIFT | Qt::Key_Y}, nullptr, 0, [this] { showDirections(false); }, singleChart, {}},
        {CM_RECTIFICATION, QT_TRANSLATE_NOOP("Menu", "Recti&fication..."), {Qt::CTRL | Qt::SHIFT | Qt::Key_K},
         nullptr, 0, [this] { showRectification(); }, singleChart, {}},
        {CM_DIRECTIONSELECTION, QT_TRANSLATE_NOOP("Menu", "&Primary directions..."), {}, nullptr, 0,
         [this] { editDirectionSelection(true); }, {}, {}},
        {CM_SECDIRSELECTION, QT_TRANSLATE_NOOP("Menu", "Second&ary directions..."), {}, nullptr, 0,
         [this] { editDirectionSelection(false); }, {}, {}},
    };
}

void AppCommands::editDirectionSelection(bool primary) {
    TOptions& o = m_ctx.options();
    TDirectionFilter& selection = primary ? o.directions : o.secdirs;
    TDirectionSelectionDialog dialog(
        &m_frame, primary ? TDirectionSelectionDialog::Kind::Primary : TDirectionSelectionDialog::Kind::Secondary,
        selection);
    if (m_ctx.prompts().runModal(dialog) != QDialog::Accepted)
        return;
    const TOptions before = o;
    selection = dialog.selection();
    m_ctx.autosaveOptions(&m_frame, before);
}

void AppCommands::showDirections(bool primary) {
    TRadixWindow* natal = activeChart();
    if (!natal || natal->isCollation())
        return;
    // Nothing would be listed: the selection is chosen first.
    const DirectionKind kind = primary ? DirectionKind::Primary : DirectionKind::Secondary;
    const auto selection = [this, primary]() -> const TDirectionFilter& {
        return primary ? m_ctx.options().directions : m_ctx.options().secdirs;
    };
    if (selectsNothing(selection(), kind)) {
        m_ctx.prompts().message(&m_frame, Prompts::Severity::Information,
                                primary ? tr("Primary Directions") : tr("Secondary Directions"),
                                tr("Choose the promissors, the significators and the aspects to direct first."));
        editDirectionSelection(primary);
        if (selectsNothing(selection(), kind))
            return;
    }
    auto* window = new TDirectionsWindow(&m_frame, m_ctx, *natal, kind);
    // Orbs, selections and the like changed in the options dialogs: the list follows.
    connect(&client(), &TAstroClient::optionsApplied, window, &TDirectionsWindow::recompute);
    lendProgramKeys(*window);
    window->show();
}

void AppCommands::showRectification() {
    TRadixWindow* natal = activeChart();
    if (!natal || natal->isCollation())
        return;
    TRectificationDialog dialog(&m_frame, m_ctx, natal->chart(), natal->blocks());
    if (m_ctx.prompts().runModal(dialog) != QDialog::Accepted || !dialog.chosen())
        return;
    const RectificationCandidate& time = *dialog.chosen();
    if (time.offsetMinutes == 0)
        return;
    // As the birth dialog changes a time: in whole seconds on the chart's own clock (stepped,
    // so that no rounding of the Julian day leaves 10:03:59.9999 for 10:04), the chart then
    // computed again and marked as changed.
    const long seconds = std::lround(time.offsetMinutes * SecondsPerMinute);
    BirthMoment& moment = natal->chart().moment;
    stepMinutes(moment, static_cast<int>(seconds / SecondsPerMinute));
    for (long s = 0; s < std::labs(seconds % SecondsPerMinute); ++s)
        stepSecond(moment, seconds > 0);
    natal->chartChanged();
    m_frame.refreshStatus();
}
