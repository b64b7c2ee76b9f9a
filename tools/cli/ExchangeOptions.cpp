#include "ExchangeOptions.h"

#include <iostream>

#include "CliCommands.h"
#include "CodePage.h"
#include "StringTable.h"

int exchangeFormatOption(const CliArgs& args, std::optional<ExchangeFormat>& format) {
    format.reset();
    const auto value = args.value("format");
    if (!value)
        return CliOk;
    if (*value == "aaf")
        format = ExchangeFormat::Aaf;
    else if (*value == "csv")
        format = ExchangeFormat::Csv;
    else
        return cliError(CliUsage, "--format must be aaf or csv, not '" + *value + "'");
    return CliOk;
}

void tellRecordIssues(const std::string& file, const std::vector<RecordIssue>& issues, const StringTable& strings) {
    for (const RecordIssue& issue : issues)
        std::cerr << file << ": " << (isRefusal(issue.kind) ? "" : "note: ")
                  << cp1250ToUtf8(recordIssueText(issue, strings)) << "\n";
}
