// The display commands of the document area: the two display option dialogs, the symbols
// and the colours. Each dialog edits a copy of the options; on OK the copy is taken over,
// saved when automatic saving is on, and the frame with every chart is repainted at once.
#include "AppState.h"
#include "CommandIds.h"
#include "DialogRun.h"
#include "OptionsFile.h"
#include "TAstroClient.h"
#include "TAstroFrame.h"
#include "TAstroStatusBar.h"
#include "TColorsDialog.h"
#include "TDisplayDialog1.h"
#include "TDisplayDialog2.h"
#include "TSymbolsDialog.h"

namespace {

// Takes over the options of an accepted dialog and shows them everywhere.
void applyDisplayOptions(TAstroClient& client, AppState& state, const TOptions& edited) {
    state.Options = edited;
    auto* frame = qobject_cast<TAstroFrame*>(client.window());
    if (TAstroStatusBar* bar = frame ? frame->astroStatusBar() : nullptr;
        bar && bar->builtWithWineWorkaround() != bool(state.Options.display.wine_workaround))
        bar->rebuild(state.Options.display.wine_workaround);
    if (state.Options.autosave && !WriteOptions(state.Options))
        showError(&client, TAstroClient::tr("The options could not be saved to %1.")
                               .arg(QString::fromStdString(state.Options.options_file.data())));
    QWidget* top = frame ? static_cast<QWidget*>(frame) : &client;
    top->update();
    for (QWidget* w : top->findChildren<QWidget*>())
        w->update();
}

template <typename Dialog, typename... Extra>
void runDisplayDialog(TAstroClient& client, AppState& state, const Extra&... extra) {
    Dialog dialog(&client, state.Options, extra...);
    if (runModal(dialog) == QDialog::Accepted)
        applyDisplayOptions(client, state, dialog.options());
}

}  // namespace

void TAstroClient::defineDisplayCommands(AppState& state) {
    setCommand(CM_DISPLAY1, {[this, &state] { runDisplayDialog<TDisplayDialog1>(*this, state); }, {}, {}});
    setCommand(CM_DISPLAY2, {[this, &state] { runDisplayDialog<TDisplayDialog2>(*this, state); }, {}, {}});
    setCommand(CM_SYMBOLS, {[this, &state] { runDisplayDialog<TSymbolsDialog>(*this, state); }, {}, {}});
    setCommand(CM_COLORS, {[this, &state] { runDisplayDialog<TColorsDialog>(*this, state, state.Strings); }, {}, {}});
}
