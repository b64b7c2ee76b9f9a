#include "AppContext.h"

#include <QDesktopServices>
#include <cstring>

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

AppContext::AppContext()
    : errors(state.Strings, m_qtPrompts), openUrl([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {}

Prompts& AppContext::setPrompts(Prompts& prompts) {
    Prompts& before = *m_prompts;
    m_prompts = &prompts;
    errors.setPrompts(prompts);
    return before;
}

void AppContext::setOptionsUnsaved(bool unsaved) {
    if (unsaved == m_optionsUnsaved)
        return;
    m_optionsUnsaved = unsaved;
    emit optionsUnsavedChanged(unsaved);
}

bool AppContext::writeOptions(QWidget* parent) {
    if (WriteOptions(state.Options)) {
        setOptionsUnsaved(false);
        return true;
    }
    setOptionsUnsaved(true);
    errors.error(parent, tr("The options could not be saved to %1.")
                             .arg(QString::fromStdString(state.Options.options_file.data())));
    return false;
}

bool AppContext::autosaveOptions(QWidget* parent) {
    if (state.Options.autosave)
        return writeOptions(parent);
    setOptionsUnsaved(true);
    return true;
}

bool AppContext::autosaveOptions(QWidget* parent, const TOptions& before) {
    // An OK that changed nothing leaves nothing to save.
    if (std::memcmp(&before, &state.Options, sizeof before) == 0)
        return true;
    return autosaveOptions(parent);
}

bool AppContext::mayDiscardOptions(QWidget* parent, const QString& caption) {
    if (!m_optionsUnsaved || state.StartupFailed)
        return true;
    const QString question = tr("The options have been changed since they were last saved.\n\n"
                                "Save them to %1?")
                                 .arg(QString::fromStdString(state.Options.options_file.data()));
    switch (prompts().askYesNoCancel(parent, caption, question)) {
    case Prompts::Answer::Yes: return writeOptions(parent);
    case Prompts::Answer::No: return true;
    case Prompts::Answer::Cancel: return false;
    }
    return false;
}
