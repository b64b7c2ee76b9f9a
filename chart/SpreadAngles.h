#pragma once
// Spreads labels on a circle so that neighbours are at least minSep apart.
#include <span>

// `truePos` holds quarter degrees 0..1439. On return `display` holds the label positions in
// ascending order of their true positions (equal positions keep their input order), each cluster
// of close labels laid out at exactly minSep spacing and centred on its true positions; runs
// that meet across 0 degrees Aries are treated as one. `order[j]` is the input index of display[j].
// All three spans have the same size (at most 255). Too many labels for the circle still get
// minSep spacing and overlap.
void spreadAngles(std::span<int> display, std::span<const int> truePos, std::span<int> order, int minSep);
