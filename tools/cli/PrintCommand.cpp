// zodikeon-cli print: the pages of the Print command as a PDF file, for batch printing.
#include <QBuffer>
#include <QDateTime>
#include <QPdfWriter>
#include <memory>
#include <sstream>

#include "AppState.h"
#include "ChartJob.h"
#include "CliCommands.h"
#include "HoroscopeFile.h"
#include "PrintDocument.h"
#include "ProfileFile.h"

namespace {

const char* const PrintUsage =
    "Usage: zodikeon-cli print --out FILE.pdf [--pages LIST] [--black|--colored] [--paper a4|letter]\n"
    "              [--options PATH.zdo] [--house 0..9|NAME] [--node mean|true] (--file PATH.hor | BIRTH DATA)\n"
    "              [--with PATH.hor | --transit Y-M-D H:M[:S] | --transit now [--town NAME]]\n\n"
    "Prints the chart as the Print command does, one PDF page per printed page. LIST is a comma-separated\n"
    "choice of notes, wheel, combined, signs1, signs2, positions, aspects and details (default\n"
    "wheel,combined,signs1); wheel, combined, signs1 and signs2 share the chart page. The colouring\n"
    "defaults to the options file's print setting. The pages keep the A4 layout on letter paper.\n"
    "The chart options (birth data, --file, --options, --house, --node) are those of\n"
    "'zodikeon-cli chart' (see zodikeon-cli chart --help). With a second chart (--with or --transit, as\n"
    "for 'chart') the pages are those of a collation window: the chart page shows the bi-wheel, and\n"
    "combined prints the collation aspects.\n";

bool parsePages(const std::string& list, PrintSelection& pages) {
    static const std::pair<const char*, int> names[] = {
        {"notes", PrintNotes},         {"wheel", PrintWheel},         {"combined", PrintCombined},
        {"signs1", PrintSignsHouses1}, {"signs2", PrintSignsHouses2}, {"positions", PrintPositions},
        {"aspects", PrintAspects},     {"details", PrintDetails}};
    for (int i = 0; i < OfferedPrintEntries; ++i)
        pages[static_cast<std::size_t>(i)] = false;
    std::stringstream in(list);
    std::string name;
    bool any = false;
    while (std::getline(in, name, ',')) {
        bool known = false;
        for (const auto& [n, entry] : names)
            if (name == n) {
                pages[static_cast<std::size_t>(entry)] = known = any = true;
            }
        if (!known)
            return false;
    }
    return any;
}

}  // namespace


int runPrint(AppState& state, int argc, char** argv, int first) {
    std::string out;
    QPageSize paper(QPageSize::A4);

    ChartJobCommand command;
    command.usage = PrintUsage;
    command.valued = {"out", "pages", "paper"};
    command.flags = {"black", "colored"};
    command.draws = true;
    command.checkOptions = [&](const CliArgs& args) {
        out = args.value("out").value_or("");
        if (out.empty())
            return cliError(CliFailure, "--out FILE.pdf is required");
        if (args.has("black") && args.has("colored"))
            return cliError(CliUsage, "--black and --colored exclude each other");
        if (const auto name = args.value("paper")) {
            if (*name == "letter")
                paper = QPageSize(QPageSize::Letter);
            else if (*name != "a4")
                return cliError(CliFailure, "--paper must be a4 or letter");
        }
        return int(CliOk);
    };
    command.adjustOptions = [](const CliArgs& args, TOptions& options) {
        if (const auto list = args.value("pages"); list && !parsePages(*list, options.print_pages))
            return cliError(CliFailure, "--pages takes a comma-separated list of notes, wheel, combined, signs1, "
                                        "signs2, positions, aspects and details");
        if (args.has("black"))
            options.print_black = true;
        if (args.has("colored"))
            options.print_black = false;
        return int(CliOk);
    };
    const auto job = std::make_unique<ChartJob>();
    if (const int code = loadChartJob(state, argc, argv, first, command, *job); code || job->stage == ChartJobStage::Help)
        return code;

    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setResolution(600);
        pdf.setPageSize(paper);
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setCreator(QStringLiteral("Zodikeon"));
        pdf.setTitle(QString::fromStdString(DefaultHoroscopeFileName(job->radix.name.data())));
        const PrintOutcome outcome = printDocument(pdf, job->radix, job->options, state.Strings,
                                                   QDateTime::currentDateTime(), {}, {}, job->collation.get());
        if (outcome.failed || outcome.pages == 0)
            return cliError(CliFailure, "could not print the chart");
    }
    if (!writeFileAtomically(out, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
        return cliError(CliFailure, "cannot write '" + out + "': check that the folder exists and is writable");
    return CliOk;
}
