#pragma once
// A temporary program folder for a test: the shipped options and data, the ephemeris linked.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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
