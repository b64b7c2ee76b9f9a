#pragma once
// The application of a Qt test: the test's own main() makes it, the test reaches it here.
#include <QCoreApplication>
#include <QStringList>

#include "TAstroApp.h"
#include "TAstroFrame.h"

inline TAstroApp& testApp() { return *static_cast<TAstroApp*>(QCoreApplication::instance()); }
inline TAstroFrame& testFrame() { return *testApp().frame(); }
