// The commands that enter personal data: a new chart, and the data of the active chart.
#include <QApplication>
#include <cstring>
#include <ctime>

#include "ApplyTown.h"
#include "ChartDirectionOptions.h"
#include "CommandIds.h"
#include "DialogRun.h"
#include "FixedText.h"
#include "RadixData.h"
#include "StringIds.h"
#include "TAstroApp.h"
#include "TAstroClient.h"
#include "TBirthDialog.h"
#include "TRadixWindow.h"
#include "TownDatabase.h"

namespace {

AppState& state() { return TAstroApp::instance()->state(); }


// "Now" in the default town's zone: the clock's Universal Time shown in the town's clock.
BirthMoment momentNow() {
    BirthMoment moment = BirthMoment::now();
    const TownDatabase& db = TAstroApp::instance()->towns();
    const std::string_view defaultTown = fixedText(state().Options.default_town);
    if (const TownRecord* town = defaultTown.empty() ? nullptr : FindTown(db, defaultTown))
        ApplyTown(db, *town, moment, ApplyZoneAlways);
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    const BirthMoment universal = BirthMoment::atClock(utc);
    moment.utDate = universal.localDate;
    moment.utTime = universal.localTime;
    moment.universalToLocal();
    return moment;
}

}  // namespace

void TAstroClient::definePersonalCommands() {
    setCommand(CM_NEW, {[this] {
                   auto record = std::make_unique<RadixData>();
                   setFixedText(record->horType, state().Strings.str(StrId::TypeRadix));
                   record->moment = momentNow();
                   ChartBlocks blocks;
                   blocks.directions = chartDirectionSettings(state().Options);
                   TBirthDialog dialog(this, *record, blocks.lifeEvents);
                   if (runModal(dialog) != QDialog::Accepted)
                       return;
                   QApplication::setOverrideCursor(Qt::WaitCursor);
                   TRadixWindow* window = TRadixWindow::fromData(*record, blocks);
                   addChart(window);
                   QApplication::restoreOverrideCursor();
               }, {}, {}});
    setCommand(CM_PERSONALDATA, {[this] {
                   TRadixWindow* chart = activeChart();
                   const LifeEventList events = chart->blocks().lifeEvents;
                   TBirthDialog dialog(this, chart->chart(), chart->blocks().lifeEvents);
                   const bool accepted = runModal(dialog) == QDialog::Accepted;
                   // The life events are changed by their own OK; a chart whose events changed
                   // must ask to be saved even when the personal data were cancelled.
                   const bool eventsChanged = std::memcmp(&events, &chart->blocks().lifeEvents, sizeof events) != 0;
                   if (!accepted && !eventsChanged)
                       return;
                   chart->chartChanged();
                   refreshStatus();
               }, [this] { return activeWindow() && activeWindow()->isNatalChart() && activeChart(); }, {}});
}
