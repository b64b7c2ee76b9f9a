#pragma once
// The windows of the Import towns command, replaceable so that tests can choose the files,
// answer the questions and read the messages without a user at the keyboard.
#include <QMessageBox>
#include <QString>
#include <functional>

struct ImportTownsPrompts {
    // Replaces the open-file dialog: the chosen path, or empty when cancelled.
    static inline std::function<QString(const QString& caption, const QString& filter)> openFile;
    // Replaces a Yes/No/Cancel question box.
    static inline std::function<QMessageBox::StandardButton(const QString& text)> question;
    // Replaces the message box of an error or of the result.
    static inline std::function<void(const QString& text)> message;
};
