#pragma once
// A temporary program folder for a test: the shipped options and data, the ephemeris linked.
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "FakePrompts.h"
#include "TestApp.h"

inline bool makeProgramFolder(QTemporaryDir& dir, bool withOptions = true) {
    const QString source = qEnvironmentVariable("ZDK_SOURCE_DIR");
    const QString built = qEnvironmentVariable("ZDK_PROGRAM_DIR");
    QDir root(dir.path());
    if (!root.mkpath("options") || !root.mkpath("data") || !root.mkpath("horo"))
        return false;
    if (withOptions && !QFile::copy(source + "/dist/options/ZODIKEON.ZDO", root.filePath("options/ZODIKEON.ZDO")))
        return false;
    QFile::copy(source + "/dist/data/zdkdigns.csv", root.filePath("data/zdkdigns.csv"));
    return QFile::link(built + "/data/ephem", root.filePath("data/ephem"));
}

// Starts the test's application on a fresh program folder, in English, with the per-user
// settings kept in `settings` and the base prompts of the tests instead of message boxes.
inline bool startTestApp(QTemporaryDir& folder, QTemporaryDir& settings, bool (*prepare)(QTemporaryDir&) = nullptr) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    if (!makeProgramFolder(folder) || (prepare && !prepare(folder)))
        return false;
    installBasePrompts();
    if (!testApp().start(folder.path()))
        return false;
    testApp().applyLanguage(LanguageEnglish);
    return true;
}
