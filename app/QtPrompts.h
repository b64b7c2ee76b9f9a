#pragma once
#include "Prompts.h"

// The prompts of the running program: QMessageBox and QFileDialog over the parent window.
class QtPrompts final : public Prompts {
public:
    Answer question(QWidget* parent, const QString& caption, const QString& text, bool withCancel,
                    Answer safe) override;
    void message(QWidget* parent, Severity severity, const QString& caption, const QString& text) override;
    QString openFile(QWidget* parent, const QString& caption, const QString& start, const QString& filter) override;
    QString saveFile(QWidget* parent, const QString& caption, const QString& proposed, const QString& filter,
                     const QString& suffix) override;
    QString chooseFolder(QWidget* parent, const QString& caption, const QString& start) override;
    int runModal(QDialog& dialog) override;
};
