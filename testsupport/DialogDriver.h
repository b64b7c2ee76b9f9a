#pragma once
// Driving the program's dialogs from tests: a modal run is handed to a function that fills in
// the fields by their object names and presses a button, and error boxes are collected.
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "DialogRun.h"
#include "TestApp.h"

template <typename T>
T* field(QObject& dialog, const char* name) {
    T* w = dialog.findChild<T*>(QLatin1String(name));
    if (!w)
        qFatal("no control '%s' in %s", name, dialog.metaObject()->className());
    return w;
}

inline void setText(QObject& dialog, const char* name, const QString& text) {
    field<QLineEdit>(dialog, name)->setText(text);
}

inline void choose(QObject& dialog, const char* name, int index) {
    field<QComboBox>(dialog, name)->setCurrentIndex(index);
}

// Presses OK (or Cancel); the result the dialog ends with, or -1 while it stays open.
inline int press(QDialog& dialog, QDialogButtonBox::StandardButton which = QDialogButtonBox::Ok) {
    for (QDialogButtonBox* box : dialog.findChildren<QDialogButtonBox*>())
        if (QPushButton* b = box->button(which); b && box->parent() == &dialog) {
            dialog.setResult(-1);
            b->click();
            return dialog.result();
        }
    qFatal("no such button in %s", dialog.metaObject()->className());
}

// Runs the next modal dialogs with these handlers, in order; each returns the dialog's result.
// A dialog beyond the list fails the test and is cancelled.
struct DialogScript {
    QList<std::function<int(QDialog&)>> steps;
    QStringList errors;
    QStringList questions;
    QList<bool> answers;  // for the Yes/No questions, in order; Yes when none are left
    int run = 0;

    void install() {
        DialogRun::modal = [this](QDialog& d) {
            if (run >= steps.size()) {
                qWarning("unexpected dialog %s", d.metaObject()->className());
                ++run;
                return int(QDialog::Rejected);
            }
            return steps[run++](d);
        };
        testApp().context().errors.setSink([this](const QString&, const QString& text) { errors << text; });
        DialogRun::question = [this](const QString&, const QString& text) {
            questions << text;
            return answers.isEmpty() ? true : answers.takeFirst();
        };
    }
    ~DialogScript() {
        DialogRun::modal = nullptr;
        recordReportedErrors();
        DialogRun::question = nullptr;
    }
    bool allRun() const { return run == steps.size(); }
};

// The shipped main town and zone files in a temporary program folder (linked: they are only
// read); the user files are made there by the program.
inline bool addTownFiles(QTemporaryDir& dir) {
    const QString data = qEnvironmentVariable("ZDK_SOURCE_DIR") + "/dist/data/";
    QDir root(dir.path());
    return QFile::link(data + "ZDKTOWNS.TWD", root.filePath("data/ZDKTOWNS.TWD")) &&
           QFile::link(data + "ZDKTIMES.TID", root.filePath("data/ZDKTIMES.TID")) &&
           QFile::link(data + "ZDKTOWNS.ALT", root.filePath("data/ZDKTOWNS.ALT"));
}
