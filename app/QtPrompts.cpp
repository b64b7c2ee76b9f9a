#include "QtPrompts.h"

#include <QDialog>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace {

// Characters of the blank row that keeps a message box wide.
constexpr int MinimumBoxChars = 40;

QMessageBox::StandardButton buttonOf(Prompts::Answer answer) {
    switch (answer) {
    case Prompts::Answer::Yes: return QMessageBox::Yes;
    case Prompts::Answer::No: return QMessageBox::No;
    case Prompts::Answer::Cancel: return QMessageBox::Cancel;
    }
    return QMessageBox::NoButton;
}

// A short text makes a box so narrow that the window manager cuts its caption ("Er…e"): a
// blank row across the whole box keeps it wide enough, and the text keeps its place.
void keepWide(QMessageBox& box) {
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(box.fontMetrics().averageCharWidth() * MinimumBoxChars, 0, QSizePolicy::Minimum,
                                      QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace

Prompts::Answer QtPrompts::question(QWidget* parent, const QString& caption, const QString& text, bool withCancel,
                                    Answer safe) {
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel)
        buttons |= QMessageBox::Cancel;
    QMessageBox box(QMessageBox::Question, caption, text, buttons, parent);
    if (safe != Answer::Cancel || withCancel)
        box.setDefaultButton(buttonOf(safe));
    box.setEscapeButton(withCancel ? QMessageBox::Cancel : QMessageBox::No);
    keepWide(box);
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return withCancel ? Answer::Cancel : Answer::No;
    }
}

void QtPrompts::message(QWidget* parent, Severity severity, const QString& caption, const QString& text) {
    // Errors keep the exclamation icon the program has always shown for them.
    const QMessageBox::Icon icon = severity == Severity::Information ? QMessageBox::Information : QMessageBox::Warning;
    QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
    keepWide(box);
    box.exec();
}

QString QtPrompts::openFile(QWidget* parent, const QString& caption, const QString& start, const QString& filter) {
    QFileDialog dialog(parent, caption, start, filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().first()
                                                                                   : QString();
}

QString QtPrompts::saveFile(QWidget* parent, const QString& caption, const QString& proposed, const QString& filter,
                            const QString& suffix) {
    QFileDialog dialog(parent, caption, proposed, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (!suffix.isEmpty())
        dialog.setDefaultSuffix(suffix);
    if (!proposed.isEmpty())
        dialog.selectFile(proposed);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().first()
                                                                                   : QString();
}

QString QtPrompts::chooseFolder(QWidget* parent, const QString& caption, const QString& start) {
    return QFileDialog::getExistingDirectory(parent, caption, start, QFileDialog::ShowDirsOnly);
}

int QtPrompts::runModal(QDialog& dialog) { return dialog.exec(); }
