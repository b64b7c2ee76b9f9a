// The Import towns command: a town file of this or an older installation, with the time
// zones it needs, into the user towns.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>

#include "CommandIds.h"
#include "FileFilterQt.h"
#include "ImportTownsPrompts.h"
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

QString chooseFile(QWidget* parent, const QString& caption, const QString& filter) {
    if (ImportTownsPrompts::openFile)
        return ImportTownsPrompts::openFile(caption, filter);
    QFileDialog dialog(parent, caption, QDir::homePath(), filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().front()
                                                                                   : QString();
}

ImportAnswer ask(QWidget* parent, const QString& caption, const QString& text) {
    const QMessageBox::StandardButton button =
        ImportTownsPrompts::question
            ? ImportTownsPrompts::question(text)
            : QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    return button == QMessageBox::Yes ? ImportAnswer::Yes : button == QMessageBox::No ? ImportAnswer::No : ImportAnswer::Cancel;
}

void tell(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text) {
    if (ImportTownsPrompts::message) {
        ImportTownsPrompts::message(text);
        return;
    }
    QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

std::string nativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

// Runs the command on the town database of the run; the towns lists read it afresh when they
// open, so the imported towns are there at once.
void importTowns(QWidget* parent, TownDatabase& db, const AppState& state) {
    const StringTable& strings = state.Strings;
    const QString caption = fromCp1250(strings[ImportCaptionId]);
    const QString path =
        chooseFile(parent, fromCp1250(strings[StrId::ImportChooseTownFile]), qtFileFilter(state.FileFilters[FilterTowns]));
    if (path.isEmpty())
        return;
    ImportQuestions questions;
    questions.importWholeDatabase = [&] {
        NormalCursor normal;
        return ask(parent, caption, fromCp1250(strings[ImportWholeQuestionId]));
    };
    questions.importUserZones = [&] {
        NormalCursor normal;
        return ask(parent, caption, fromCp1250(strings[ImportZonesQuestionId]));
    };
    questions.chooseTimeFile = [&]() -> std::optional<std::string> {
        NormalCursor normal;
        const QString file = chooseFile(parent, fromCp1250(strings[ImportChooseTimeFileId]),
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
        tell(parent, QMessageBox::Warning, caption,
             fromCp1250(result.problem.empty() ? std::string(strings[ImportFailedId])
                                               : std::string(strings[ImportFailedId]) + "\n\n" + result.problem));
        return;
    case ImportOutcome::SaveFailed:
        tell(parent, QMessageBox::Warning, caption, fromCp1250(strings[ImportSaveFailedId]));
        return;
    case ImportOutcome::Imported:
        tell(parent, QMessageBox::Information, caption, fromCp1250(importedMessage(result, strings)));
        return;
    }
}

}  // namespace

void AppCommands::importTowns() { ::importTowns(&m_frame, m_ctx.towns, m_ctx.state); }
