// The commands that answer "when": returns, progressions with their shifter, the midtime chart
// of two charts, and the direction settings that time the progressions.
#include <QApplication>
#include <QDir>
#include <QFile>

#include "AppCommands.h"
#include "AppContext.h"
#include "ChartDirectionOptions.h"
#include "CommandIds.h"
#include "ComputeRadix.h"
#include "DateUT.h"
#include "HoroscopeFile.h"
#include "HoroscopeReadMessage.h"
#include "Prompts.h"
#include "QtText.h"
#include "StringIds.h"
#include "TAstroClient.h"
#include "TAstroFrame.h"
#include "TDatabaseDialog.h"
#include "TDirectionDialog.h"
#include "TRadixWindow.h"
#include "ToolIcons.h"
#include "WhenCharts.h"

namespace {

// The tool-bar group of Collation and the radix shifter, which these commands join.
constexpr int ShifterTools = 3;

// A reading the clock of the chart's place showed twice is told, with the offset the chart holds.
QString clockNote(const ClockChange& note) {
    if (note.reading != ClockReading::Repeated)
        return {};
    return QCoreApplication::translate("AppCommands",
                                       "The clock of this place showed the chart's time twice (it was put back from "
                                       "%1 to %2): the chart holds %3.")
        .arg(QString::fromStdString(offsetText(note.before.minutes)),
             QString::fromStdString(offsetText(note.after.minutes)),
             QString::fromStdString(offsetText(note.applied().minutes)));
}

}  // namespace

std::vector<CommandRow> AppCommands::whenRows() {
    // A chart of its own: not a collation or progressions window, which show two charts.
    const auto singleChart = [this] { return hasNatalChart() && !activeChart()->isCollation(); };
    return {
        {CM_RETURN, QT_TRANSLATE_NOOP("Menu", "Ret&urn..."), {Qt::CTRL | Qt::SHIFT | Qt::Key_R}, toolPictureReturn,
         ShifterTools, [this] { castReturn(); }, singleChart, {}},
        {CM_PROGRESSIONS, QT_TRANSLATE_NOOP("Menu", "Pro&gressions..."), {Qt::CTRL | Qt::SHIFT | Qt::Key_P},
         toolPictureProgressions, ShifterTools, [this] { showProgressions(); }, singleChart, {}},
        {CM_MIDTIME, QT_TRANSLATE_NOOP("Menu", "&Midtime chart..."), {Qt::CTRL | Qt::SHIFT | Qt::Key_M}, nullptr, 0,
         [this] { castMidtime(); }, singleChart, {}},
        {CM_DIRECTIONS, QT_TRANSLATE_NOOP("Menu", "Dir&ection settings..."), {}, nullptr, 0,
         [this] { editDirections(); }, {}, {}},
        {CM_PROGRESSIONSHIFTER, QT_TRANSLATE_NOOP("Menu", "&Progression shifter"), {Qt::CTRL | Qt::SHIFT | Qt::Key_G},
         toolPictureProgressionShifter, ShifterTools,
         [this] { m_frame.showProgressionShifter(!m_frame.progressionShifterVisible()); }, {},
         [this] { return m_frame.progressionShifterVisible(); }},
    };
}

void AppCommands::castReturn() {
    TRadixWindow* natal = activeChart();
    if (!natal || natal->isCollation())
        return;
    TReturnDialog dialog(&m_frame, m_ctx, natal->chart(), m_returnChoice);
    if (m_ctx.prompts().runModal(dialog) != QDialog::Accepted)
        return;
    // The town is looked up again: the towns list may have changed since it was chosen.
    const std::string& townName = m_returnChoice.town;
    const TownRecord* town = townName.empty() ? nullptr : FindTown(m_ctx.towns, townName);
    if (!townName.empty() && !town) {
        m_ctx.errors.error(&m_frame, m_ctx.text(StrId::CollationTownGone).arg(fromCp1250(townName.c_str())));
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QStringList notes;
    for (const ReturnMoment& r : dialog.chosen()) {
        ClockChange note;
        const RadixData chart = castReturnChart(m_ctx.towns, m_ctx.strings(), natal->chart(), r, town,
                                                m_ctx.options(), &note);
        // A new chart: its direction settings come from the options, as for an entered one.
        ChartBlocks blocks;
        blocks.directions = chartDirectionSettings(m_ctx.options());
        client().addChart(TRadixWindow::fromData(m_ctx, chart, blocks));
        if (const QString text = clockNote(note); !text.isEmpty() && !notes.contains(text))
            notes << text;
    }
    QApplication::restoreOverrideCursor();
    if (!notes.isEmpty())
        m_ctx.showStatus(notes.join(QLatin1Char(' ')));
}

void AppCommands::showProgressions() {
    TRadixWindow* natal = activeChart();
    if (!natal || natal->isCollation())
        return;
    TProgressionDialog dialog(&m_frame, natal->blocks().directions, m_progressionChoice);
    if (m_ctx.prompts().runModal(dialog) != QDialog::Accepted)
        return;
    ProgressionRequest request;
    request.kind = m_progressionChoice.kind;
    request.quotidian = m_progressionChoice.quotidian;
    request.targetUT = dayNoonUT(dialog.target());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    client().addChart(TRadixWindow::progressionOf(m_ctx, *natal, request));
    QApplication::restoreOverrideCursor();
}

void AppCommands::castMidtime() {
    TRadixWindow* first = activeChart();
    if (!first || first->isCollation())
        return;
    std::string path;
    TDatabaseDialog browser(&m_frame, m_ctx, path);
    if (m_ctx.prompts().runModal(browser) != QDialog::Accepted || path.empty())
        return;
    RadixData second;
    ChartBlocks secondBlocks;
    HoroscopeProblem problem;
    const HoroscopeRead read = ReadHoroscopeFile(path, m_ctx.strings(), chartDirectionSettings(m_ctx.options()),
                                                 second, secondBlocks, &problem);
    if (read != HoroscopeRead::Ok) {
        const QString file = QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(path)));
        m_ctx.errors.error(&m_frame, horoscopeReadMessage(file, read, problem));
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    second.moment.universalToLocal();
    computeRadix(second, m_ctx.options());
    ClockChange note;
    const RadixData chart =
        castMidtimeChart(m_ctx.towns, m_ctx.strings(), first->chart(), second, m_ctx.options(), &note);
    ChartBlocks blocks;
    blocks.directions = chartDirectionSettings(m_ctx.options());
    client().addChart(TRadixWindow::fromData(m_ctx, chart, blocks));
    QApplication::restoreOverrideCursor();
    if (const QString text = clockNote(note); !text.isEmpty())
        m_ctx.showStatus(text);
}

void AppCommands::editDirections() {
    TOptions& o = m_ctx.options();
    // The settings of the active chart, which OK changes too; a collation has none of its own
    // (its natal chart keeps them in its file), a progression has: they time it.
    TRadixWindow* chart = activeChart();
    if (chart && chart->isCollation() && !chart->isProgression())
        chart = nullptr;
    TDirectionDialog dialog(&m_frame, {chart ? chart->blocks().directions : chartDirectionSettings(o),
                                       o.dirkeyasgntohoro != 0});
    if (m_ctx.prompts().runModal(dialog) != QDialog::Accepted)
        return;
    const TDirectionDialog::Directions& edited = dialog.directions();
    const TOptions before = o;
    setChartDirectionSettings(o, edited.settings);
    o.dirkeyasgntohoro = edited.followActiveChart;
    if (chart && chart->blocks().directions != edited.settings) {
        chart->blocks().directions = edited.settings;
        chart->directionsChanged();
    }
    m_ctx.autosaveOptions(&m_frame, before);
    m_frame.refreshStatus();
}
