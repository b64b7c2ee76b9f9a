#include "DialogRun.h"

#include <QDialog>
#include <QMessageBox>

#include "QtText.h"
#include "TAstroApp.h"

int runModal(QDialog& dialog) {
    return DialogRun::modal ? DialogRun::modal(dialog) : dialog.exec();
}

void showError(QWidget* parent, const QString& text) {
    if (DialogRun::error) {
        DialogRun::error(text);
        return;
    }
    QMessageBox box(QMessageBox::Warning, fromCp1250(TAstroApp::instance()->state().Strings[319]), text,
                    QMessageBox::Ok, parent);
    // A short text makes a box so narrow that the window manager cuts its caption ("Er…e").
    box.setStyleSheet(QStringLiteral("QLabel { min-width: 18em; }"));
    box.exec();
}

void showErrorId(QWidget* parent, int messageId) {
    showError(parent, fromCp1250(TAstroApp::instance()->state().Strings[messageId]));
}

bool askYesNo(QWidget* parent, const QString& caption, const QString& text) {
    if (DialogRun::question)
        return DialogRun::question(caption, text);
    return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}
