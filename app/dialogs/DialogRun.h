#pragma once
// Modal runs and error boxes of the program's own dialogs, replaceable so that tests can fill
// in and close dialogs and read the messages without a user at the keyboard.
#include <QString>
#include <functional>

class QDialog;
class QWidget;

struct DialogRun {
    // Replaces QDialog::exec() of every dialog started with runModal.
    static inline std::function<int(QDialog&)> modal;
    // Replaces the message box of showError (the text only; the caption is always "Error").
    static inline std::function<void(const QString&)> error;
    // Replaces a Yes/No question box; returns true for Yes.
    static inline std::function<bool(const QString& caption, const QString& text)> question;
};

int runModal(QDialog& dialog);
// A message box with the caption string 319 "Error" and the exclamation icon.
void showError(QWidget* parent, const QString& text);
// A message box with the caption string 319 and text `messageId` of the string table.
void showErrorId(QWidget* parent, int messageId);
// A Yes/No box with the question icon; true for Yes.
bool askYesNo(QWidget* parent, const QString& caption, const QString& text);
