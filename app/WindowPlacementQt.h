#pragma once
// Window placements as the settings file keeps them (a Windows WINDOWPLACEMENT).
#include "Options.h"

class QWidget;

constexpr std::uint32_t ShowNormal = 1;
constexpr std::uint32_t ShowMinimized = 2;
constexpr std::uint32_t ShowMaximized = 3;

WindowPlacement placementOf(const QWidget& window);
// Restores the normal rectangle and shows the window in its stored state.
void applyPlacement(QWidget& window, const WindowPlacement& placement);
