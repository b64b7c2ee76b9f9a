#pragma once
// Horoscope files named on the command line ("zodikeon Anna.hor Bela.hor") or handed over by a
// second start to the running program.
#include <QStringList>

class AppContext;
class TAstroFrame;

// The files among the program's arguments (without the program name): options beginning with
// "-" are skipped until "--"; file URLs become local paths, other URLs are skipped; relative paths are made absolute
// against `workingFolder`, so that another process can open them.
QStringList startupFileArguments(const QStringList& arguments, const QString& workingFolder);

// Opens each file in a chart window (a file already open brings its window to the front); one
// that cannot be read or is no horoscope file gets the message of the Open command, which
// names the file and says what is wrong with it.
void openStartupFiles(TAstroFrame& frame, AppContext& ctx, const QStringList& files);

// Files handed over by a second start: the frame comes to the front and opens them; while a
// modal dialog is open they wait until it has closed.
void openForwardedFiles(TAstroFrame& frame, AppContext& ctx, const QStringList& files);
