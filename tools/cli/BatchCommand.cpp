// zodikeon-cli batch: the chart of every record of an AAF or CSV file, as JSON lines or CSV.
//
// The records are computed on every core. Debian's Swiss Ephemeris library keeps its state per
// thread (thread-local storage), so each worker thread opens the ephemeris folder itself and
// computes charts independently; the reader hands out the records in chunks and the output is
// written chunk by chunk in input order, with only a few chunks in memory at once.
#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <fstream>
#include <iostream>
#include <memory>
#include <mutex>
#include <thread>

#include "AppState.h"
#include "Aspects.h"
#include "ChartCommandJson.h"
#include "ChartJson.h"
#include "ChartLoading.h"
#include "CliCommands.h"
#include "CodePage.h"
#include "ComputeRadix.h"
#include "ComputedJson.h"
#include "Ephemeris.h"
#include "ExchangeFields.h"
#include "ExchangeOptions.h"
#include "FixedText.h"
#include "StringIds.h"
#include "TownDatabase.h"
#include "WholeFile.h"

namespace {

const char* const BatchUsage =
    "Usage: zodikeon-cli batch --in FILE.csv|FILE.aaf [--out FILE] [--format jsonl|csv]\n"
    "              [--fields LIST] [--options PATH.zdo] [--house 0..9|NAME] [--node mean|true] [--jobs N]\n\n"
    "Computes the chart of every record of the input (AAF or CSV by its extension; see 'import')\n"
    "and writes them in input order to FILE or standard output: with --format jsonl (the default)\n"
    "one JSON object per line with the fields of 'chart --json' and \"line\", the record's line;\n"
    "with --format csv a header row and one row per chart with the columns of --fields, a\n"
    "comma-separated list of:\n"
    "  line name date time zone latitude longitude jd   the record (date and time local)\n"
    "  lon lat speed decl ra      one column per body and point (lon_sun .. lon_fortune), degrees\n"
    "  sign house                 sign (1 Aries .. 12 Pisces) and house (1..12) of each body\n"
    "  cusps axes                 the twelve cusps; asc, mc, vertex, eastpoint, coasc, polarasc\n"
    "  aspects                    one column: \"sun-moon tri; ...\" for every aspect found\n"
    "(default: name,date,time,lon,house). Records that cannot be read or placed are reported on\n"
    "standard error with their line and left out; progress is reported there every 10,000\n"
    "records. --jobs sets the number of worker threads (default: one per core).\n"
    "Exit 0 when at least one chart was written, 1 when none or the input cannot be read.\n";

constexpr std::size_t ChunkSize = 64;
constexpr std::size_t ProgressStep = 10000;
constexpr const char* DefaultFields = "name,date,time,lon,house";

const char* const PointKeys[ChartPointCount] = {
    "sun",    "moon",   "mercury", "venus", "mars",   "jupiter", "saturn", "uranus",
    "neptune", "pluto", "node",    "snode", "lilith", "chiron",  "pholus", "ceres",
    "pallas", "juno",   "vesta",   "vertex", "eastpoint", "coasc", "polarasc", "fortune",
};
const char* const AxisKeys[AxisCount] = {"asc", "mc", "vertex", "eastpoint", "coasc", "polarasc", "desc", "ic"};
const char* const FieldNames[] = {"line", "name", "date", "time", "zone", "latitude", "longitude", "jd", "lon", "lat",
                                  "speed", "decl", "ra", "sign", "house", "cusps", "axes", "aspects"};

std::vector<std::string> splitList(const std::string& list) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start <= list.size()) {
        const auto comma = std::min(list.find(',', start), list.size());
        if (const auto f = trimBlanks(std::string_view(list).substr(start, comma - start)); !f.empty())
            out.emplace_back(f);
        start = comma + 1;
    }
    return out;
}

std::string number(double value, int decimals) {
    char text[40];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string quotedCsv(const std::string& utf8) {
    if (utf8.find_first_of(",\"\r\n") == std::string::npos)
        return utf8;
    std::string out = "\"";
    for (const char c : utf8)
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

std::string pointKey(int column) {
    const AspectPoint p = aspectPoint(column);
    switch (p.kind) {
    case PointKind::Axis: return AxisKeys[p.index];
    case PointKind::Body: return PointKeys[p.index];
    case PointKind::Cusp: return "c" + std::to_string(p.index + 1);
    }
    return {};
}

std::string csvHeaderOf(const std::vector<std::string>& fields) {
    std::string out;
    const auto add = [&](const std::string& column) { out += (out.empty() ? "" : ",") + column; };
    for (const std::string& f : fields) {
        if (f == "lon" || f == "lat" || f == "speed" || f == "decl" || f == "ra") {
            const int count = f == "speed" ? BodyCount : ChartPointCount;
            for (int i = 0; i < count; ++i)
                add(f + "_" + PointKeys[i]);
        } else if (f == "sign" || f == "house") {
            for (int i = 0; i < BodyCount; ++i)
                add(f + "_" + PointKeys[i]);
        } else if (f == "cusps") {
            for (int i = 1; i <= CuspCount; ++i)
                add("cusp_" + std::to_string(i));
        } else if (f == "axes") {
            for (int i = 0; i < 6; ++i)
                add(AxisKeys[i]);
        } else {
            add(f);
        }
    }
    return out + "\n";
}

std::string csvRowOf(const std::vector<std::string>& fields, int line, const RadixData& r, const StringTable& strings) {
    std::string out;
    bool firstColumn = true;
    const auto add = [&](const std::string& value) {
        out += (firstColumn ? "" : ",") + value;
        firstColumn = false;
    };
    const auto angle = [&](double radians, int index) { return r.available(index) ? number(radians * RadToDeg, 6) : ""; };
    const BirthMoment& m = r.moment;
    for (const std::string& f : fields) {
        if (f == "line") add(std::to_string(line));
        else if (f == "name") add(quotedCsv(cp1250ToUtf8(fixedText(r.name))));
        else if (f == "date") add(isoDateText(m.localDate));
        else if (f == "time") add(clockTimeText(m.localTime));
        else if (f == "zone") add(m.timeKind == TimeGMT ? "GMT" : m.timeKind == TimeLMT ? "LMT" : offsetZoneText(zoneEastMinutes(m)));
        else if (f == "latitude") add(decimalAngleText(m.latitude));
        else if (f == "longitude") add(decimalAngleText(m.longitude));
        else if (f == "jd") add(number(r.jdUT, 6));
        else if (f == "lon" || f == "lat" || f == "decl" || f == "ra") {
            const auto& values = f == "lon" ? r.lon : f == "lat" ? r.lat : f == "decl" ? r.decl : r.ra;
            for (int i = 0; i < ChartPointCount; ++i)
                add(angle(values[static_cast<std::size_t>(i)], i));
        } else if (f == "speed") {
            for (int i = 0; i < BodyCount; ++i)
                add(angle(r.speed[static_cast<std::size_t>(i)], i));
        } else if (f == "sign" || f == "house") {
            for (int i = 0; i < BodyCount; ++i)
                add(r.available(i) ? std::to_string((f == "sign" ? r.bodySign : r.bodyHouse)[static_cast<std::size_t>(i)] + 1) : "");
        } else if (f == "cusps") {
            for (double c : r.cusp)
                add(number(c * RadToDeg, 6));
        } else if (f == "axes") {
            for (int i = 0; i < 6; ++i)
                add(number(r.axis[static_cast<std::size_t>(i)] * RadToDeg, 6));
        } else if (f == "aspects") {
            std::string list;
            for (int k = 0; k < BodyCount; ++k)
                for (int i = 0; i < AspectPointCount; ++i) {
                    const std::uint8_t code = r.aspectCode[static_cast<std::size_t>(k)][static_cast<std::size_t>(i)];
                    if (!aspectPairSearched(k, i) || !hasAspect(code))
                        continue;
                    list += (list.empty() ? "" : "; ") + std::string(PointKeys[k]) + "-" + pointKey(i) + " " +
                            cp1250ToUtf8(strings[aspectCodeNameId(aspectType(code))]);
                }
            add(quotedCsv(list));
        }
    }
    return out + "\n";
}

// One piece of the input: its records and refusals in order, and what they came out as.
struct Chunk {
    struct Item {
        std::optional<ExchangeRecord> record;
        RecordIssue refusal;
    };
    std::vector<Item> items;
    std::string out, err;
    std::size_t charts = 0;
    bool done = false;
};

struct BatchSettings {
    const AppState* state = nullptr;
    const TOptions* options = nullptr;
    const TownDatabase* atlas = nullptr;
    bool csv = false;
    std::vector<std::string> fields;
    std::string inputName;
};

void computeChunk(Chunk& chunk, const BatchSettings& s) {
    const StringTable& strings = s.state->Strings;
    RadixData radix;
    for (Chunk::Item& item : chunk.items) {
        const auto tell = [&](const RecordIssue& issue) {
            chunk.err += s.inputName + ": " + (isRefusal(issue.kind) ? "" : "note: ") +
                         cp1250ToUtf8(recordIssueText(issue, strings)) + "\n";
        };
        if (!item.record) {
            tell(item.refusal);
            continue;
        }
        const ChartFromRecord made = chartFromRecord(*item.record, s.atlas, strings, radix);
        if (made.refusal) {
            tell(*made.refusal);
            continue;
        }
        for (const RecordIssue& n : made.notices)
            tell(n);
        computeRadix(radix, *s.options);
        ++chunk.charts;
        if (s.csv) {
            chunk.out += csvRowOf(s.fields, item.record->line, radix, strings);
        } else {
            Json json = chartJson(radix, LifeEventList{}, ClockChange{}, *s.options, strings);
            json.set("line", item.record->line);
            chunk.out += json.dump(-1) + "\n";
        }
    }
    chunk.items.clear();
}

// Worker threads that compute chunks; each opens the ephemeris for itself.
class Workers {
public:
    Workers(const BatchSettings& settings, unsigned count) : m_settings(settings) {
        for (unsigned i = 0; i < count; ++i)
            m_threads.emplace_back([this] { run(); });
    }
    ~Workers() {
        {
            std::lock_guard lock(m_mutex);
            m_stopping = true;
        }
        m_wake.notify_all();
        for (std::thread& t : m_threads)
            t.join();
    }
    void submit(std::shared_ptr<Chunk> chunk) {
        {
            std::lock_guard lock(m_mutex);
            m_queue.push_back(std::move(chunk));
        }
        m_wake.notify_one();
    }
    void wait(const Chunk& chunk) {
        std::unique_lock lock(m_mutex);
        m_finished.wait(lock, [&] { return chunk.done; });
    }

private:
    void run() {
        startEphemeris(m_settings.state->EphemerisPath);
        // The library's buffers belong to this thread: freed when it ends, whichever way it does.
        struct ClosedAtEnd {
            ~ClosedAtEnd() { closeEphemeris(); }
        } closedAtEnd;
        for (;;) {
            std::shared_ptr<Chunk> chunk;
            {
                std::unique_lock lock(m_mutex);
                m_wake.wait(lock, [&] { return m_stopping || !m_queue.empty(); });
                if (m_queue.empty())
                    return;
                chunk = std::move(m_queue.front());
                m_queue.pop_front();
            }
            computeChunk(*chunk, m_settings);
            {
                std::lock_guard lock(m_mutex);
                chunk->done = true;
            }
            m_finished.notify_all();
        }
    }

    const BatchSettings& m_settings;
    std::mutex m_mutex;
    std::condition_variable m_wake, m_finished;
    std::deque<std::shared_ptr<Chunk>> m_queue;
    bool m_stopping = false;
    std::vector<std::thread> m_threads;
};

}  // namespace

int runBatch(AppState& state, int argc, char** argv, int first) {
    CliArgs args({"in", "out", "format", "fields", "lang", "options", "house", "node", "jobs"}, {"help"});
    if (const auto end = readCommandArgs(state, args, argc, argv, first, BatchUsage))
        return *end;
    if (!args.positional().empty())
        return cliError(CliUsage, "unexpected argument '" + args.positional().front() + "'");
    const auto in = args.value("in");
    if (!in)
        return cliError(CliUsage, "missing --in");
    const auto inputFormat = exchangeFormatOf(*in);
    if (!inputFormat)
        return cliError(CliUsage, "--in must name a .csv or .aaf file, not '" + *in + "'");
    const std::string format = args.value("format").value_or("jsonl");
    if (format != "jsonl" && format != "csv")
        return cliError(CliUsage, "--format must be jsonl or csv, not '" + format + "'");
    if (args.has("fields") && format != "csv")
        return cliError(CliUsage, "--fields needs --format csv");
    BatchSettings settings;
    settings.state = &state;
    settings.csv = format == "csv";
    settings.fields = splitList(args.value("fields").value_or(DefaultFields));
    for (const std::string& f : settings.fields)
        if (std::find(std::begin(FieldNames), std::end(FieldNames), f) == std::end(FieldNames))
            return cliError(CliUsage, "--fields: unknown field '" + f + "'");
    if (settings.fields.empty())
        return cliError(CliUsage, "--fields needs at least one field");
    unsigned jobs = std::max(1u, std::thread::hardware_concurrency());
    if (const auto j = args.value("jobs")) {
        const int n = std::atoi(j->c_str());
        if (n < 1 || n > 256 || std::to_string(n) != *j)
            return cliError(CliUsage, "--jobs must be a number from 1 to 256, not '" + *j + "'");
        jobs = static_cast<unsigned>(n);
    }
    TOptions options{};
    if (const int code = loadChartOptionsFromArgs(state, args, options))
        return code;
    settings.options = &options;
    settings.inputName = *in;

    const WholeFile whole = readWholeFile(*in, ExchangeFileLimit);
    if (!whole.ok()) {
        std::string message = wholeFileMessage(state.Strings, whole.status, *in, ExchangeFileLimit);
        if (message.empty())
            message = replaced(state.Strings[StrId::FileMissing], *in);
        return cliError(CliFailure, cp1250ToUtf8(message));
    }
    TownDatabase atlas;
    LoadTownDatabase(atlas, townFilePaths(state.ProgramFolder, state.Strings), state.Strings);
    settings.atlas = &atlas;

    std::ofstream file;
    const std::string temporary = args.value("out") ? *args.value("out") + ".tmp" : std::string();
    if (!temporary.empty()) {
        file.open(temporary, std::ios::binary | std::ios::trunc);
        if (!file)
            return cliError(CliFailure, "cannot write '" + *args.value("out") + "'");
    }
    std::ostream& out = temporary.empty() ? std::cout : file;
    if (settings.csv)
        out << csvHeaderOf(settings.fields);

    std::size_t charts = 0, records = 0;
    {
        Workers workers(settings, jobs);
        std::deque<std::shared_ptr<Chunk>> pending;
        auto current = std::make_shared<Chunk>();
        const auto flushOldest = [&] {
            const std::shared_ptr<Chunk> oldest = pending.front();
            pending.pop_front();
            workers.wait(*oldest);
            out << oldest->out;
            std::cerr << oldest->err;
            charts += oldest->charts;
        };
        const auto add = [&](Chunk::Item&& item) {
            current->items.push_back(std::move(item));
            if (++records % ProgressStep == 0)
                std::cerr << "zodikeon-cli: " << records << " records read\n";
            if (current->items.size() < ChunkSize)
                return;
            pending.push_back(current);
            workers.submit(current);
            current = std::make_shared<Chunk>();
            // A few chunks per worker in flight keep every core busy and the memory flat.
            while (pending.size() > 4 * jobs)
                flushOldest();
        };
        ExchangeSink sink{[&](ExchangeRecord&& r) { add({std::move(r), {}}); },
                          [&](RecordIssue&& issue) { add({std::nullopt, std::move(issue)}); }};
        if (!readExchangeRecords(whole.bytes, *inputFormat, sink)) {
            if (!temporary.empty())
                std::remove(temporary.c_str());
            return cliError(CliFailure, replaced(cp1250ToUtf8(state.Strings[StrId::CsvNoHeader]), *in));
        }
        pending.push_back(current);
        workers.submit(current);
        while (!pending.empty())
            flushOldest();
    }
    if (!temporary.empty()) {
        file.close();
        if (!file || std::rename(temporary.c_str(), args.value("out")->c_str()) != 0) {
            std::remove(temporary.c_str());
            return cliError(CliFailure, "cannot write '" + *args.value("out") + "'");
        }
    }
    out.flush();
    if (charts == 0) {
        return cliError(CliFailure, replaced(cp1250ToUtf8(state.Strings[StrId::ImportNoRecord]), *in));
    }
    return CliOk;
}
