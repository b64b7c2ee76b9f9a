#pragma once
// Chart collections in and out: an AAF or CSV file imported into a folder of horoscope files,
// and charts exported into such a file.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ChartBlocks.h"
#include "CsvFormat.h"
#include "ExchangeRecord.h"
#include "WholeFile.h"

class StringTable;
struct TownDatabase;

enum class ExchangeFormat { Aaf, Csv };

// The format a file name's extension names (".aaf", ".csv", any letter case).
std::optional<ExchangeFormat> exchangeFormatOf(const std::string& path);

// Exchange files are read whole; the largest one allowed holds millions of records.
constexpr std::uintmax_t ExchangeFileLimit = 1024ULL * 1024 * 1024;

// Reads `bytes` in `format`, handing each record or refusal to `sink` in file order. False when
// a CSV file has no header row naming its date and time.
bool readExchangeRecords(std::string_view bytes, ExchangeFormat format, const ExchangeSink& sink);

enum class ImportStatus {
    Ok,             // at least one chart written
    CannotRead,     // the file cannot be read (message says why)
    UnknownFormat,  // no format given and the extension names none
    NoHeader,       // a CSV file without its header row
    NoRecord,       // nothing that could be imported (every record refused, or none)
};

struct ImportReport {
    ImportStatus status = ImportStatus::NoRecord;
    std::string message;               // why the file could not be read, for CannotRead
    std::vector<std::string> written;  // paths of the charts written, in file order
    std::vector<RecordIssue> refused;  // records not imported, in file order
    std::vector<RecordIssue> notices;  // records imported with a note
    std::vector<std::string> unwritable;  // charts that could not be written (a full disk)
};

// Imports `file` into `folder`: one horoscope file per record that makes a chart, named after
// the person (DefaultHoroscopeFileName) and, when that name is taken, with "_2", "_3"... before
// the extension; an existing file is never replaced, nothing in the folder is changed. `atlas`
// places records without coordinates (may be null). `blocks` go with every chart.
ImportReport importCharts(const std::string& file, std::optional<ExchangeFormat> format, const std::string& folder,
                          const TownDatabase* atlas, const StringTable& strings, const ChartBlocks& blocks);

// Writes `bytes` as a new file named after `fileName` in `folder`, never replacing a file: the
// first free name of "name.hor", "name_2.hor", ... Returns the path written, or empty.
std::string writeNewFile(const std::string& folder, const std::string& fileName, std::string_view bytes);

// The text of an export file of `charts` in `format` (UTF-8).
std::string exportText(const std::vector<RadixData>& charts, ExchangeFormat format);
