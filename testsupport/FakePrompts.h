#pragma once
// The prompts of a test: dialogs are handed to scripted steps that fill them in and press a
// button, questions get scripted answers, file choosers a scripted path, and everything that
// was asked or told is recorded. install() puts it in the test application's context; it
// gives the previous prompts back when it goes.
#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

#include "AppContext.h"
#include "Prompts.h"
#include "TestApp.h"

class FakePrompts : public Prompts {
public:
    struct Told {
        Severity severity;
        QString caption;
        QString text;
    };
    enum class FileKind { Open, Save, Folder };
    struct FileRequest {
        FileKind kind;
        QString caption;
        QString start;  // the proposed file or the starting folder
        QString filter;
    };

    // The next modal dialogs, in order; each returns the dialog's result. A dialog beyond the
    // list fails the test and is cancelled, unless `execUnscripted` runs it for real.
    QList<std::function<int(QDialog&)>> steps;
    bool execUnscripted = false;
    int run = 0;
    // Answers to the questions, in order; `fallback` when none are left.
    QList<Answer> answers;
    Answer fallback = Answer::Yes;
    // The path a file chooser returns; cancelled (empty) when not set.
    std::function<QString(const FileRequest&)> chooseFile;

    QList<Told> told;
    QStringList errors;     // the texts of the error messages
    QStringList messages;   // the texts of the other messages
    QStringList questions;  // the texts of the questions
    QStringList questionCaptions;
    QList<FileRequest> fileRequests;

    FakePrompts() = default;
    FakePrompts(const FakePrompts&) = delete;
    FakePrompts& operator=(const FakePrompts&) = delete;
    ~FakePrompts() override {
        if (m_previous)
            m_ctx->setPrompts(*m_previous);
    }

    void install() { install(testApp().context()); }
    void install(AppContext& ctx) {
        if (m_previous)
            return;
        m_ctx = &ctx;
        m_previous = &ctx.setPrompts(*this);
    }
    bool allRun() const { return run == steps.size(); }
    // Forgets what was asked and told.
    void clearRecords() {
        told.clear();
        errors.clear();
        messages.clear();
        questions.clear();
        questionCaptions.clear();
        fileRequests.clear();
    }

    Answer question(QWidget*, const QString& caption, const QString& text, bool withCancel, Answer) override {
        questions << text;
        questionCaptions << caption;
        const Answer a = answers.isEmpty() ? fallback : answers.takeFirst();
        return !withCancel && a == Answer::Cancel ? Answer::No : a;
    }
    void message(QWidget*, Severity severity, const QString& caption, const QString& text) override {
        told << Told{severity, caption, text};
        (severity == Severity::Error ? errors : messages) << text;
    }
    QString openFile(QWidget*, const QString& caption, const QString& start, const QString& filter) override {
        return file({FileKind::Open, caption, start, filter});
    }
    QString saveFile(QWidget*, const QString& caption, const QString& proposed, const QString& filter,
                     const QString&) override {
        return file({FileKind::Save, caption, proposed, filter});
    }
    QString chooseFolder(QWidget*, const QString& caption, const QString& start) override {
        return file({FileKind::Folder, caption, start, QString()});
    }
    int runModal(QDialog& dialog) override {
        if (run < steps.size())
            return steps[run++](dialog);
        if (execUnscripted)
            return dialog.exec();
        qWarning("unexpected dialog %s", dialog.metaObject()->className());
        ++run;
        return QDialog::Rejected;
    }

private:
    QString file(const FileRequest& request) {
        fileRequests << request;
        return chooseFile ? chooseFile(request) : QString();
    }

    AppContext* m_ctx = nullptr;
    Prompts* m_previous = nullptr;
};

// The prompts under every test of the program: dialogs not scripted run for real (a test
// closes them with a timer), questions are answered No, file choosers cancelled, and the
// messages are kept here.
inline FakePrompts& basePrompts() {
    static FakePrompts prompts;
    return prompts;
}
inline void installBasePrompts() {
    FakePrompts& base = basePrompts();
    base.execUnscripted = true;
    base.fallback = Prompts::Answer::No;
    testApp().context().setPrompts(base);
}
