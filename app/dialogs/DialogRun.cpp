#include "DialogRun.h"

#include <QDialog>
#include <QMessageBox>

int runModal(QDialog& dialog) {
    return DialogRun::modal ? DialogRun::modal(dialog) : dialog.exec();
}

bool askYesNo(QWidget* parent, const QString& caption, const QString& text) {
    if (DialogRun::question)
        return DialogRun::question(caption, text);
    return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}
