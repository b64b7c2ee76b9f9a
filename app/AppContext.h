#pragma once
// What the windows and dialogs of one run share: the texts, folders and options of the run, the
// town database, the printers and the one error reporter. The application makes it and hands it
// down through constructors; nothing reaches for it through a global.
#include <QObject>
#include <QString>

#include "AppState.h"
#include "ErrorReporter.h"
#include "PrinterList.h"
#include "TownDatabase.h"

class AppContext : public QObject {
    Q_OBJECT
public:
    AppContext() : errors(state.Strings) {}

    AppState state;
    TownDatabase towns;
    PrinterList printers;
    ErrorReporter errors;

    const StringTable& strings() const { return state.Strings; }
    TOptions& options() { return state.Options; }
    const TOptions& options() const { return state.Options; }
    // Text `id` of the string table as a QString.
    QString text(int id) const;

    // Writes the settings file (the recent files too when `withLastFiles`). A program folder
    // that cannot be written is told once per run; the run goes on with what it has.
    bool saveSettings(QWidget* parent, bool withLastFiles = false);
    // Writes the options file when automatic saving is on; a failure is told.
    bool autosaveOptions(QWidget* parent);

    // The status bar's message field ("Horoscope saved to ...").
    void showStatus(const QString& message) { emit statusMessage(message); }
    // The recently-used list changed.
    void notifyLastFiles() { emit lastFilesChanged(); }

signals:
    void statusMessage(const QString& message);
    void lastFilesChanged();
};
