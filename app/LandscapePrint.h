#pragma once
// Printing a window's pages on paper turned sideways, as the list and time-line windows print.
#include <QString>
#include <functional>

class AppContext;
class QPainter;
class QWidget;

// Asks for a printer (the job named `docName`) and hands `paint` the painter begun on it and a
// `newPage` that starts each page after the first (false when it cannot). A cancelled choice
// prints nothing; a printer that cannot be painted on is told as `failure` in an error box over
// `parent`.
void printLandscape(QWidget* parent, AppContext& ctx, const QString& docName, const QString& failure,
                    const std::function<void(QPainter& painter, const std::function<bool()>& newPage)>& paint);
