#pragma once
// Chart collections in and out from the program: the Import charts command (an AAF or CSV file
// into a folder of charts, with the report of what was written and refused) and exporting
// charts into an AAF or CSV file, from the open charts or from the horoscope browser's list.
#include <QStringList>
#include <string>
#include <vector>

#include "RadixData.h"

class AppContext;
class QWidget;

void importChartsCommand(QWidget* parent, AppContext& ctx);

// Asks for the export file and writes `charts` into it; `leftOut` names the charts that could
// not be read, which the report then lists.
void exportCharts(QWidget* parent, AppContext& ctx, const std::vector<RadixData>& charts,
                  const QStringList& leftOut = {});

// Reads the horoscope files and exports their charts.
void exportChartFiles(QWidget* parent, AppContext& ctx, const std::vector<std::string>& paths);
