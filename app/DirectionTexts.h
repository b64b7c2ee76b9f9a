#pragma once
// The texts of the directions lists beyond the transits' names (TransitTexts.h), which the
// selection dialogs and lists share: a row's promissor and the methods.
#include <QString>

// The promissor of a list row: a body 0..18 or the Part of Fortune (FortunePromissor).
QString directionPromissorName(int promissor);
// The method of the primary directions for direction `type` 0..3 (a type this program does
// not know is named as the default one); "secondary" for SecondaryMethod.
QString directionMethodName(int type);
// "direct" or "converse".
QString directionSenseName(bool converse);
// A span of years: "a year", "half a year" or "2.5 years".
QString yearsSpan(double years);
