#include "ChartExchange.h"

#include <fcntl.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>

#include "AafFormat.h"
#include "FixedText.h"
#include "HoroscopeFile.h"
#include "JoinPath.h"
#include "StringIds.h"
#include "StringTable.h"

namespace {

// Tries this many names before giving up on a folder.
constexpr int MaxNameTries = 100000;

std::string lowerExtension(const std::string& path) {
    const auto dot = path.rfind('.');
    const auto slash = path.find_last_of("/\\");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    std::string ext = path.substr(dot + 1);
    for (char& c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

// Creates `path` only when it does not exist yet and writes `bytes` into it. A failed write
// removes what was created.
enum class NewFile { Written, Exists, Failed };
NewFile createNewFile(const std::string& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return errno == EEXIST ? NewFile::Exists : NewFile::Failed;
    std::size_t done = 0;
    bool ok = true;
    while (ok && done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        if (ok)
            done += static_cast<std::size_t>(n);
    }
    ok = (::close(fd) == 0) && ok;
    if (!ok)
        ::unlink(path.c_str());
    return ok ? NewFile::Written : NewFile::Failed;
}

}  // namespace

std::optional<ExchangeFormat> exchangeFormatOf(const std::string& path) {
    const std::string ext = lowerExtension(path);
    if (ext == "aaf")
        return ExchangeFormat::Aaf;
    if (ext == "csv")
        return ExchangeFormat::Csv;
    return std::nullopt;
}

bool readExchangeRecords(std::string_view bytes, ExchangeFormat format, const ExchangeSink& sink) {
    if (format == ExchangeFormat::Csv)
        return readCsv(bytes, sink);
    readAaf(bytes, sink);
    return true;
}

std::string writeNewFile(const std::string& folder, const std::string& fileName, std::string_view bytes) {
    std::string stem = fileName, ext;
    if (const auto dot = fileName.rfind('.'); dot != std::string::npos && dot > 0) {
        stem = fileName.substr(0, dot);
        ext = fileName.substr(dot);
    }
    for (int n = 1; n <= MaxNameTries; ++n) {
        const std::string path = JoinPath(folder, n == 1 ? fileName : stem + "_" + std::to_string(n) + ext);
        switch (createNewFile(path, bytes)) {
        case NewFile::Written: return path;
        case NewFile::Exists: continue;
        case NewFile::Failed: return {};
        }
    }
    return {};
}

ImportReport importCharts(const std::string& file, std::optional<ExchangeFormat> format, const std::string& folder,
                          const TownDatabase* atlas, const StringTable& strings, const ChartBlocks& blocks) {
    ImportReport report;
    if (!format)
        format = exchangeFormatOf(file);
    if (!format) {
        report.status = ImportStatus::UnknownFormat;
        return report;
    }
    const WholeFile whole = readWholeFile(file, ExchangeFileLimit);
    if (!whole.ok()) {
        report.status = ImportStatus::CannotRead;
        report.message = wholeFileMessage(strings, whole.status, file, ExchangeFileLimit);
        if (report.message.empty())
            report.message = fillPlaceholders(strings[StrId::FileMissing], {file});
        return report;
    }
    RadixData radix;
    ExchangeSink sink;
    sink.refused = [&](RecordIssue&& issue) { report.refused.push_back(std::move(issue)); };
    sink.record = [&](ExchangeRecord&& record) {
        ChartFromRecord made = chartFromRecord(record, atlas, strings, radix);
        if (made.refusal) {
            report.refused.push_back(std::move(*made.refusal));
            return;
        }
        const std::string path = writeNewFile(folder, DefaultHoroscopeFileName(fixedText(radix.name)),
                                              serializeHoroscopeFile(strings, radix, blocks));
        if (path.empty()) {
            report.unwritable.push_back(std::string(fixedText(radix.name)));
            return;
        }
        report.written.push_back(path);
        for (RecordIssue& notice : made.notices)
            report.notices.push_back(std::move(notice));
    };
    if (!readExchangeRecords(whole.bytes, *format, sink)) {
        report.status = ImportStatus::NoHeader;
        return report;
    }
    report.status = report.written.empty() ? ImportStatus::NoRecord : ImportStatus::Ok;
    return report;
}

std::string exportText(const std::vector<RadixData>& charts, ExchangeFormat format) {
    std::string out = format == ExchangeFormat::Csv ? csvHeader() : "#: Zodikeon\n";
    for (const RadixData& radix : charts)
        out += format == ExchangeFormat::Csv ? csvRow(radix) : aafRecord(radix);
    return out;
}
