#pragma once
// The questions, messages and file choosers of the application, and the modal run of its own
// dialogs: everything that waits for the user. The context holds one; the program uses the
// Qt boxes, tests a scripted one that answers and records what was asked.
#include <QString>

class QDialog;
class QWidget;

class Prompts {
public:
    enum class Answer { Yes, No, Cancel };
    enum class Severity { Information, Warning, Error };

    virtual ~Prompts() = default;

    // A question with Yes and No, or with Yes, No and Cancel; closing the box is Cancel (No
    // without a Cancel button). `safe` is the default button.
    virtual Answer question(QWidget* parent, const QString& caption, const QString& text, bool withCancel,
                            Answer safe) = 0;
    virtual void message(QWidget* parent, Severity severity, const QString& caption, const QString& text) = 0;
    // The chosen file or folder; empty when cancelled.
    virtual QString openFile(QWidget* parent, const QString& caption, const QString& start, const QString& filter) = 0;
    // `suffix` completes a name typed without one.
    virtual QString saveFile(QWidget* parent, const QString& caption, const QString& proposed, const QString& filter,
                             const QString& suffix) = 0;
    virtual QString chooseFolder(QWidget* parent, const QString& caption, const QString& start) = 0;
    // Runs one of the program's dialogs modally; its result code.
    virtual int runModal(QDialog& dialog) = 0;

    bool askYesNo(QWidget* parent, const QString& caption, const QString& text, Answer safe = Answer::Yes) {
        return question(parent, caption, text, false, safe) == Answer::Yes;
    }
    Answer askYesNoCancel(QWidget* parent, const QString& caption, const QString& text) {
        return question(parent, caption, text, true, Answer::Yes);
    }
};
