#pragma once
// Driving the program's dialogs from tests: a modal run is handed (by FakePrompts) to a
// function that fills in the fields by their object names and presses a button.
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

#include "FakePrompts.h"
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

// The shipped main town and zone files in a temporary program folder (linked: they are only
// read); the user files are made there by the program.
inline bool addTownFiles(QTemporaryDir& dir) {
    const QString data = qEnvironmentVariable("ZDK_SOURCE_DIR") + "/dist/data/";
    QDir root(dir.path());
    return QFile::link(data + "ZDKTOWNS.TWD", root.filePath("data/ZDKTOWNS.TWD")) &&
           QFile::link(data + "ZDKTIMES.TID", root.filePath("data/ZDKTIMES.TID")) &&
           QFile::link(data + "ZDKTOWNS.ALT", root.filePath("data/ZDKTOWNS.ALT"));
}
