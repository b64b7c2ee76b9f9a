#pragma once
// The generated string tables (see tools/stringgen); nullptr where an id has no text.
extern const char* const kStringsEnglish[2000];
extern const char* const kStringsHungarian[2000];
