#pragma once
// The data that ships in the program folder, produced by code so that its format is
// exactly what the readers expect: the first-start options file and the dignity data file.
// tools/shipgen writes them into dist/; a test fails when the shipped copies differ.
#include <string>

#include "Options.h"

// The options a practising astrologer wants on first start (on top of the file defaults).
void SetShippedOptions(TOptions& options);

// options/ZODIKEON.ZDO as shipped.
std::string ShippedOptionsFileText();

// data/zdkdigns.csv as shipped: the degree table from the traditional tables.
std::string ShippedDignityFileText();
