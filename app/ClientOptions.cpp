// The option commands of the document area: house system, node type, auto save, options files.
#include <QFileDialog>
#include <algorithm>
#include <QMessageBox>

#include "CommandIds.h"
#include "OptionsFile.h"
#include "FileFilterQt.h"
#include "QtText.h"
#include "SettingsFile.h"
#include "StringIds.h"
#include "TAstroApp.h"
#include "TAstroClient.h"
#include "TAstroFrame.h"
#include "TAstroStatusBar.h"
#include "TRadixWindow.h"

namespace {

AppState& state() { return TAstroApp::instance()->state(); }
QString str(int id) { return fromCp1250(state().Strings[id]); }


}  // namespace

void TAstroClient::optionsChanged() {
    AppState& s = state();
    if (s.Options.autosave && !WriteOptions(s.Options))
        QMessageBox::warning(window(), str(StrId::Error), tr("The options could not be saved to %1.")
                                                     .arg(QString::fromStdString(s.Options.options_file.data())));
    recomputeAll();
}

void TAstroClient::defineOptionCommands() {
    for (int h = 0; h < 10; ++h)
        setCommand(CM_HOUSE0 + h, {[this, h] {
                                       state().Options.housecalc = static_cast<std::uint8_t>(h);
                                       optionsChanged();
                                   }, {}, [h] { return state().Options.housecalc == h; }});
    for (int n = 0; n < 2; ++n)
        setCommand(CM_NODEMEAN + n, {[this, n] {
                                         state().Options.nodetype = static_cast<std::uint8_t>(n);
                                         optionsChanged();
                                     }, {}, [n] { return state().Options.nodetype == n; }});

    setCommand(CM_AUTOSAVE, {[this] {
                                 AppState& s = state();
                                 s.Options.autosave = !s.Options.autosave;
                                 WriteSettings(s.Options, s.ProgramFolder, false);
                                 if (s.Options.autosave && !WriteOptions(s.Options))
                                     QMessageBox::warning(window(), str(StrId::Error),
                                                          tr("The options could not be saved to %1.")
                                                              .arg(QString::fromStdString(s.Options.options_file.data())));
                             }, {}, [] { return state().Options.autosave; }});

    setCommand(CM_SAVEOPTIONS, {[this] {
                                    AppState& s = state();
                                    const QString path = QFileDialog::getSaveFileName(
                                        window(), str(StrId::SaveOptions), QString::fromStdString(s.Options.options_file.data()), qtFileFilter(state().FileFilters[FilterOptions]));
                                    if (path.isEmpty())
                                        return;
                                    TOptions saved = s.Options;
                                    // Paths stay in the file system's own encoding; names and texts are Windows-1250.
                                    const std::string native = path.toStdString();
                                    if (native.size() >= saved.options_file.size()) {
                                        QMessageBox::warning(window(), str(StrId::Error),
                                                             tr("The options could not be saved to %1.").arg(path));
                                        return;
                                    }
                                    saved.options_file.fill('\0');
                                    std::copy(native.begin(), native.end(), saved.options_file.begin());
                                    // A failed write is said so; the current options file stays as it was.
                                    if (!WriteOptions(saved)) {
                                        QMessageBox::warning(window(), str(StrId::Error),
                                                             tr("The options could not be saved to %1.").arg(path));
                                        return;
                                    }
                                    s.Options.options_file = saved.options_file;
                                    WriteSettings(s.Options, s.ProgramFolder, false);
                                    TAstroApp::instance()->showStatusMessage(str(StrId::OptionsSavedTo).replace(QStringLiteral("%s"), path));
                                }, {}, {}});

    setCommand(CM_RETRIEVEOPTIONS, {[this] {
                                        AppState& s = state();
                                        const QString path = QFileDialog::getOpenFileName(
                                            window(), str(StrId::RetrieveOptions), QString::fromStdString(s.Options.options_file.data()), qtFileFilter(state().FileFilters[FilterOptions]));
                                        if (path.isEmpty())
                                            return;
                                        if (!ReadOptions(s.Options, s.ProgramFolder, s.Strings, path.toStdString())) {
                                            QMessageBox::warning(window(), str(StrId::Error), str(StrId::NotAnOptionsFile));
                                            return;
                                        }
                                        WriteSettings(s.Options, s.ProgramFolder, false);
                                        TAstroStatusBar* bar = TAstroApp::instance()->frame()->astroStatusBar();
                                        if (bar->builtWithWineWorkaround() != bool(s.Options.display.wine_workaround))
                                            bar->rebuild(s.Options.display.wine_workaround);
                                        recomputeAll();
                                    }, {}, {}});
}
