#include "DialogRun.h"

#include <QDialog>
#include <QMessageBox>

#include "QtText.h"
#include "StringIds.h"
#include "TAstroApp.h"

int runModal(QDialog& dialog) {
    return DialogRun::modal ? DialogRun::modal(dialog) : dialog.exec();
}

void showError(QWidget* parent, const QString& text) {
    if (DialogRun::error) {
        DialogRun::error(text);
        return;
    }
    QMessageBox::warning(parent, fromCp1250(TAstroApp::instance()->state().Strings[StrId::Error]), text);
}

void showErrorId(QWidget* parent, int messageId) {
    showError(parent, fromCp1250(TAstroApp::instance()->state().Strings[messageId]));
}

bool askYesNo(QWidget* parent, const QString& caption, const QString& text) {
    if (DialogRun::question)
        return DialogRun::question(caption, text);
    return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}
