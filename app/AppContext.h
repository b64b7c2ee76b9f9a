#pragma once
// What the windows and dialogs of one run share: the texts, folders and options of the run, the
// town database, the printers and the one error reporter. The application makes it and hands it
// down through constructors; nothing reaches for it through a global.
#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>

#include "AppState.h"
#include "ErrorReporter.h"
#include "PrinterList.h"
#include "QtPrompts.h"
#include "RunMemory.h"
#include "TownDatabase.h"

class AppContext : public QObject {
    Q_OBJECT
public:
    AppContext();

    AppState state;
    TownDatabase towns;
    PrinterList printers;
    ErrorReporter errors;
    RunMemory memory;
    // Opens a file or web address in the desktop's program for it; false when none took it.
    std::function<bool(const QUrl&)> openUrl;

    // The questions, messages, file choosers and modal runs of every window.
    Prompts& prompts() const { return *m_prompts; }
    // Hands them to `prompts` (tests script them so); the ones in use before are returned.
    Prompts& setPrompts(Prompts& prompts);

    const StringTable& strings() const { return state.Strings; }
    TOptions& options() { return state.Options; }
    const TOptions& options() const { return state.Options; }
    // Text `id` of the string table as a QString.
    QString text(int id) const;

    // Writes the settings file (the recent files too when `withLastFiles`). A program folder
    // that cannot be written is told once per run; the run goes on with what it has.
    bool saveSettings(QWidget* parent, bool withLastFiles = false);
    // After an option changed: writes the options file when automatic saving is on (a failure
    // is told), else the options count as unsaved until they are written.
    bool autosaveOptions(QWidget* parent);
    // The same after an option dialog's OK, only when the options differ from `before`.
    bool autosaveOptions(QWidget* parent, const TOptions& before);
    // Writes the options to their file; a failure is told and they stay unsaved.
    bool writeOptions(QWidget* parent);
    // Whether the options changed since they were last read or written.
    bool optionsUnsaved() const { return m_optionsUnsaved; }
    void setOptionsUnsaved(bool unsaved);
    // Before the options are given up (Exit, Retrieve): when they are unsaved, asks under
    // `caption` whether to save them. False when the user cancels or the save failed, so the
    // options must be kept.
    bool mayDiscardOptions(QWidget* parent, const QString& caption);

    // The status bar's message field ("Horoscope saved to ...").
    void showStatus(const QString& message) { emit statusMessage(message); }
    // The recently-used list changed.
    void notifyLastFiles() { emit lastFilesChanged(); }

signals:
    void statusMessage(const QString& message);
    void lastFilesChanged();
    void optionsUnsavedChanged(bool unsaved);

private:
    QtPrompts m_qtPrompts;
    Prompts* m_prompts = &m_qtPrompts;
    bool m_optionsUnsaved = false;
};
