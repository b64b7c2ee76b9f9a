#pragma once
// What the import, export and batch commands share: the --format option and the report of
// the records of an exchange file.
#include <optional>
#include <string>
#include <vector>

#include "ChartExchange.h"
#include "CliArgs.h"

class StringTable;

// --format aaf|csv; nullopt when not given. Returns CliUsage after saying why on a bad value.
int exchangeFormatOption(const CliArgs& args, std::optional<ExchangeFormat>& format);

// "FILE: Line 12: reason" on standard error for each issue; notices marked as notes.
void tellRecordIssues(const std::string& file, const std::vector<RecordIssue>& issues, const StringTable& strings);
