#include "ChartExchangeCommands.h"

#include <QApplication>
#include <QFile>

#include "AppContext.h"
#include "ChartDirectionOptions.h"
#include "ChartExchange.h"
#include "FixedText.h"
#include "HoroscopeFile.h"
#include "JoinPath.h"
#include "ProfileFile.h"
#include "Prompts.h"
#include "QtText.h"
#include "StringIds.h"
#include "TExchangeReportDialog.h"

namespace {

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

std::string nativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }
QString qtPath(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

QString text(const AppContext& ctx, int id, const QString& a = {}, const QString& b = {}) {
    QString t = fromCp1250(ctx.strings()[id]);
    t.replace(QStringLiteral("%1"), a);
    return b.isNull() ? t : t.replace(QStringLiteral("%2"), b);
}

QString exchangeFilter(const AppContext& ctx, bool both) {
    QStringList filters;
    if (both)
        filters << fromCp1250(ctx.strings()[StrId::ExchangeFilesFilter]);
    filters << fromCp1250(ctx.strings()[StrId::AafFilesFilter]) << fromCp1250(ctx.strings()[StrId::CsvFilesFilter]);
    return filters.join(QStringLiteral(";;"));
}

void appendIssues(QStringList& lines, const AppContext& ctx, int headingId, const std::vector<RecordIssue>& issues) {
    if (issues.empty())
        return;
    if (!lines.isEmpty())
        lines << QString();
    lines << text(ctx, headingId, QString::number(issues.size()));
    for (const RecordIssue& issue : issues)
        lines << QStringLiteral("  ") + fromCp1250(recordIssueText(issue, ctx.strings()));
}

}  // namespace

void importChartsCommand(QWidget* parent, AppContext& ctx) {
    Prompts& prompts = ctx.prompts();
    const QString caption = text(ctx, StrId::ImportChartsCaption);
    const QString start = qtPath(std::string(fixedText(ctx.state.Options.last_directory)));
    const QString file = prompts.openFile(parent, text(ctx, StrId::ImportChooseFile), start, exchangeFilter(ctx, true));
    if (file.isEmpty())
        return;
    const QString folder = prompts.chooseFolder(parent, text(ctx, StrId::ImportChooseFolder), start);
    if (folder.isEmpty())
        return;
    ChartBlocks blocks{};
    blocks.directions = chartDirectionSettings(ctx.state.Options);
    ImportReport report;
    {
        WaitCursor wait;
        report = importCharts(nativePath(file), std::nullopt, nativePath(folder), &ctx.towns, ctx.strings(), blocks);
    }
    switch (report.status) {
    case ImportStatus::CannotRead:
        prompts.message(parent, Prompts::Severity::Error, caption, fromCp1250(report.message));
        return;
    case ImportStatus::UnknownFormat:
        prompts.message(parent, Prompts::Severity::Error, caption, text(ctx, StrId::ExchangeUnknownFormat, file));
        return;
    case ImportStatus::NoHeader:
        prompts.message(parent, Prompts::Severity::Error, caption, text(ctx, StrId::CsvNoHeader, file));
        return;
    case ImportStatus::NoRecord:
        if (report.refused.empty()) {
            prompts.message(parent, Prompts::Severity::Error, caption, text(ctx, StrId::ImportNoRecord, file));
            return;
        }
        break;
    case ImportStatus::Ok:
        // The browser opens on the folder of the new charts.
        setFixedText(ctx.state.Options.last_directory, nativePath(folder));
        break;
    }
    QStringList lines;
    appendIssues(lines, ctx, StrId::ImportRecordsRefused, report.refused);
    appendIssues(lines, ctx, StrId::ImportRecordsNoted, report.notices);
    for (const std::string& name : report.unwritable)
        lines << text(ctx, StrId::ExportCannotWrite, fromCp1250(name));
    const QString summary = report.status == ImportStatus::Ok
                                ? text(ctx, StrId::ImportChartsWritten, QString::number(report.written.size()), folder)
                                : text(ctx, StrId::ImportNoRecord, file);
    ctx.showStatus(summary);
    TExchangeReportDialog dialog(parent, caption, summary, lines);
    prompts.runModal(dialog);
}

void exportCharts(QWidget* parent, AppContext& ctx, const std::vector<RadixData>& charts, const QStringList& leftOut) {
    Prompts& prompts = ctx.prompts();
    const QString caption = text(ctx, StrId::ExportChartsCaption);
    if (charts.empty()) {
        prompts.message(parent, Prompts::Severity::Error, caption, text(ctx, StrId::ExportNothing));
        return;
    }
    const QString proposed =
        qtPath(JoinPath(std::string(fixedText(ctx.state.Options.last_directory)), "charts.aaf"));
    const QString path = prompts.saveFile(parent, text(ctx, StrId::ExportChooseFile), proposed,
                                          exchangeFilter(ctx, false), QStringLiteral("aaf"));
    if (path.isEmpty())
        return;
    const auto format = exchangeFormatOf(nativePath(path));
    if (!format) {
        prompts.message(parent, Prompts::Severity::Error, caption, text(ctx, StrId::ExchangeUnknownFormat, path));
        return;
    }
    bool written = false;
    {
        WaitCursor wait;
        written = writeFileAtomically(nativePath(path), exportText(charts, *format));
    }
    if (!written) {
        prompts.message(parent, Prompts::Severity::Error, caption, text(ctx, StrId::ExportCannotWrite, path));
        return;
    }
    const QString summary = text(ctx, StrId::ExportChartsWritten, QString::number(charts.size()), path);
    ctx.showStatus(summary);
    if (!leftOut.isEmpty()) {
        QStringList lines{text(ctx, StrId::ExportSomeUnreadable)};
        for (const QString& name : leftOut)
            lines << QStringLiteral("  ") + name;
        TExchangeReportDialog dialog(parent, caption, summary, lines);
        prompts.runModal(dialog);
    }
}

void exportChartFiles(QWidget* parent, AppContext& ctx, const std::vector<std::string>& paths) {
    std::vector<RadixData> charts;
    QStringList leftOut;
    {
        WaitCursor wait;
        for (const std::string& path : paths) {
            RadixData radix;
            ChartBlocks blocks;
            if (ReadHoroscopeFile(path, ctx.strings(), chartDirectionSettings(ctx.state.Options), radix, blocks) !=
                HoroscopeRead::Ok) {
                leftOut << qtPath(path);
                continue;
            }
            radix.moment.universalToLocal();
            charts.push_back(radix);
        }
    }
    exportCharts(parent, ctx, charts, leftOut);
}
