#pragma once
// The dignity data file (`dignities_file`, normally data/zdkdigns.csv): a heading line, a
// line of 15 column parameters, then one line per degree with its keywords for the 15
// columns of the degree table. Fields are separated by ";", keywords within a field by ",".
#include <string>

#include "Options.h"
#include "StringTable.h"

struct DignityFileResult {
    bool ok = false;        // the whole file was read
    unsigned line = 0;      // place of the first error (1-based), 0 when there was none
    unsigned item = 0;      // field number within the line (1-based)
    std::string text;       // the offending field or keyword, as written in the file
    int reasonId = 0;       // string id of the reason: 821, 822 or 823
    std::string message;    // string 820 filled in (Windows-1250); empty when there is no error to show
};

// Reads the file at `options.dignities_file` into `dignity_column_params` and
// `dignity_degree_table`, stopping at the first error; what was stored before it stays.
// A file that cannot be opened or lacks its first two lines fails without a message; one
// refused unread (no regular file, or larger than DignityFileLimit) fails with the reason.
// Columns 0..4 are read like the others but are meant to be rebuilt afterwards
// (RebuildDignityDegreeTable).
DignityFileResult readDignityFile(TOptions& options, const StringTable& strings);
