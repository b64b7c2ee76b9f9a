// The Import towns command: a town file of this or an older installation, with the time
// zones it needs, into the user towns.
#include <QApplication>
#include <QDir>
#include <QFile>

#include "CommandIds.h"
#include "FileFilterQt.h"
#include "Prompts.h"
#include "QtText.h"
#include "AppCommands.h"
#include "AppContext.h"
#include "TAstroFrame.h"
#include "TownImport.h"

namespace {

// The wait cursor while the files are read, but not over a question or a file dialog.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

class NormalCursor {
public:
    NormalCursor() { QApplication::setOverrideCursor(Qt::ArrowCursor); }
    ~NormalCursor() { QApplication::restoreOverrideCursor(); }
};

QString chooseFile(Prompts& prompts, QWidget* parent, const QString& caption, const QString& filter) {
    return prompts.openFile(parent, caption, QDir::homePath(), filter);
}

ImportAnswer ask(Prompts& prompts, QWidget* parent, const QString& caption, const QString& text) {
    switch (prompts.askYesNoCancel(parent, caption, text)) {
    case Prompts::Answer::Yes: return ImportAnswer::Yes;
    case Prompts::Answer::No: return ImportAnswer::No;
    case Prompts::Answer::Cancel: return ImportAnswer::Cancel;
    }
    return ImportAnswer::Cancel;
}

std::string nativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

// Runs the command on the town database of the run; the towns lists read it afresh when they
// open, so the imported towns are there at once.
void importTowns(QWidget* parent, Prompts& prompts, TownDatabase& db, const AppState& state) {
    const StringTable& strings = state.Strings;
    const QString caption = fromCp1250(strings[ImportCaptionId]);
    const QString path = chooseFile(prompts, parent, fromCp1250(strings[StrId::ImportChooseTownFile]),
                                    qtFileFilter(state.FileFilters[FilterTowns]));
    if (path.isEmpty())
        return;
    ImportQuestions questions;
    questions.importWholeDatabase = [&] {
        NormalCursor normal;
        return ask(prompts, parent, caption, fromCp1250(strings[ImportWholeQuestionId]));
    };
    questions.importUserZones = [&] {
        NormalCursor normal;
        return ask(prompts, parent, caption, fromCp1250(strings[ImportZonesQuestionId]));
    };
    questions.chooseTimeFile = [&]() -> std::optional<std::string> {
        NormalCursor normal;
        const QString file = chooseFile(prompts, parent, fromCp1250(strings[ImportChooseTimeFileId]),
                                        qtFileFilter(state.FileFilters[FilterZones]));
        if (file.isEmpty())
            return std::nullopt;
        return nativePath(file);
    };
    ImportResult result;
    {
        WaitCursor wait;
        result = ImportTowns(db, nativePath(path), strings, questions);
    }
    switch (result.outcome) {
    case ImportOutcome::Cancelled:
        return;
    case ImportOutcome::Failed:
        prompts.message(parent, Prompts::Severity::Warning, caption,
                        fromCp1250(result.problem.empty() ? std::string(strings[ImportFailedId])
                                                          : std::string(strings[ImportFailedId]) + "\n\n" + result.problem));
        return;
    case ImportOutcome::SaveFailed:
        prompts.message(parent, Prompts::Severity::Warning, caption, fromCp1250(strings[ImportSaveFailedId]));
        return;
    case ImportOutcome::Imported:
        prompts.message(parent, Prompts::Severity::Information, caption,
                        fromCp1250(importedMessage(result, strings)));
        return;
    }
}

}  // namespace

void AppCommands::importTowns() { ::importTowns(&m_frame, m_ctx.prompts(), m_ctx.towns, m_ctx.state); }
