// The option dialogs of the document area: orbs, dignities and scores. Each dialog edits a copy
// of its part of the options; on OK the part goes back into the options, which are written
// when auto save is on, and the charts follow at once.
#include <QApplication>

#include "AppState.h"
#include "CommandIds.h"
#include "DialogRun.h"
#include "DignityDegreeTable.h"
#include "TAstroClient.h"
#include "TDignsDialog.h"
#include "TOrbisesDialog.h"
#include "TRadixWindow.h"
#include "TScoresDialog.h"

namespace {

// Every chart computed again under the wait cursor.
void recomputeWaiting(TAstroClient& client) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    client.recomputeAll();
    QApplication::restoreOverrideCursor();
}

}  // namespace

void TAstroClient::defineOptionDialogCommands(AppState& state) {
    setCommand(CM_ORBISES, {[this, &state] {
                   TOrbisesDialog dialog(this, TOrbisesDialog::Orbs::of(state.Options), m_optionDialogChoices.aspect);
                   const int result = runModal(dialog);
                   m_optionDialogChoices.aspect = dialog.aspect();
                   if (result != QDialog::Accepted)
                       return;
                   dialog.orbs().applyTo(state.Options);
                   autosaveOptions();
                   recomputeWaiting(*this);
               }, {}, {}});

    setCommand(CM_DIGNITIES, {[this, &state] {
                   OptionDialogChoices& last = m_optionDialogChoices;
                   TDignsDialog dialog(this, TDignsDialog::Dignities::of(state.Options), last.dignityBody,
                                       last.dignityKind);
                   const int result = runModal(dialog);
                   last.dignityBody = dialog.body();
                   last.dignityKind = dialog.kind();
                   if (result != QDialog::Accepted)
                       return;
                   dialog.dignities().applyTo(state.Options);
                   RebuildDignityDegreeTable(state.Options);
                   autosaveOptions();
                   // The dignity states are part of each computed chart.
                   recomputeWaiting(*this);
               }, {}, {}});

    setCommand(CM_SCORES, {[this, &state] {
                   TScoresDialog dialog(this, state.Options.scores);
                   if (runModal(dialog) != QDialog::Accepted)
                       return;
                   state.Options.scores = dialog.scores();
                   autosaveOptions();
                   // The distribution tables add the scores up as they are drawn.
                   for (TRadixWindow* chart : charts())
                       chart->update();
               }, {}, {}});
}
