#pragma once
// Modal runs and questions of the program's own dialogs, replaceable so that tests can fill in
// and close dialogs and answer questions without a user at the keyboard. Errors go through
// the context's ErrorReporter.
#include <QString>
#include <functional>

class QDialog;
class QWidget;

struct DialogRun {
    // Replaces QDialog::exec() of every dialog started with runModal.
    static inline std::function<int(QDialog&)> modal;
    // Replaces a Yes/No question box; returns true for Yes.
    static inline std::function<bool(const QString& caption, const QString& text)> question;
};

int runModal(QDialog& dialog);
// A Yes/No box with the question icon; true for Yes.
bool askYesNo(QWidget* parent, const QString& caption, const QString& text);
