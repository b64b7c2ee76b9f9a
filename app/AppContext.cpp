#include "AppContext.h"

#include "OptionsFile.h"
#include "QtText.h"
#include "SettingsFile.h"

QString AppContext::text(int id) const { return fromCp1250(state.Strings[id]); }

bool AppContext::saveSettings(QWidget* parent, bool withLastFiles) {
    if (state.StartupFailed)
        return false;
    if (WriteSettings(state.Options, state.ProgramFolder, withLastFiles))
        return true;
    errors.errorOnce(QStringLiteral("settings"), parent,
                     tr("The settings cannot be saved in %1: recent files, window places and the default town "
                        "will not be kept for the next start.")
                         .arg(QString::fromStdString(state.ProgramFolder)));
    return false;
}

bool AppContext::autosaveOptions(QWidget* parent) {
    if (!state.Options.autosave || WriteOptions(state.Options))
        return true;
    errors.error(parent, tr("The options could not be saved to %1.")
                             .arg(QString::fromStdString(state.Options.options_file.data())));
    return false;
}
