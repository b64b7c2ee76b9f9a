// The Import charts and Export open charts commands of the frame.
#include "AppCommands.h"
#include "AppContext.h"
#include "ChartExchangeCommands.h"
#include "TAstroClient.h"
#include "TAstroFrame.h"
#include "TRadixWindow.h"

void AppCommands::importCharts() { importChartsCommand(&m_frame, m_ctx); }

void AppCommands::exportOpenCharts() {
    // Each chart once, in the order of the windows; a collation exports its first chart.
    std::vector<RadixData> charts;
    for (const TRadixWindow* window : client().charts())
        charts.push_back(window->chart());
    exportCharts(&m_frame, m_ctx, charts);
}
