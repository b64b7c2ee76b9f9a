#pragma once
// Finding the chart window that already shows a file, so that a file is never open twice.
#include <QList>
#include <QString>

class TRadixWindow;

// The same file, however it is named (another spelling, a link to it); false when either
// does not exist.
bool isSameFile(const QString& a, const QString& b);
// The window among `charts` whose file is `path`, or nullptr.
TRadixWindow* chartShowingFile(const QList<TRadixWindow*>& charts, const QString& path);
// Brings a chart window to the front and gives it the focus.
void activateChart(TRadixWindow* window);
