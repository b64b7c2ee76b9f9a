#pragma once
// How far a chart view zooms: the chart windows' mouse wheel and the command line's --zoom
// keep within these.
constexpr double MinZoom = 0.2;
constexpr double MaxZoom = 10.0;
