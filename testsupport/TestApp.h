#pragma once
// The application of a Qt test: the test's own main() makes it, the test reaches it here.
#include <QCoreApplication>
#include <QStringList>

#include "TAstroApp.h"
#include "TAstroFrame.h"

inline TAstroApp& testApp() { return *static_cast<TAstroApp*>(QCoreApplication::instance()); }
inline TAstroFrame& testFrame() { return *testApp().frame(); }

// The errors the program reported while a test ran, in order.
struct ReportedErrors {
    QStringList captions;
    QStringList texts;
};
inline ReportedErrors& reportedErrors() {
    static ReportedErrors errors;
    return errors;
}
// Errors go to reportedErrors() instead of message boxes.
inline void recordReportedErrors() {
    testApp().context().errors.setSink([](const QString& caption, const QString& text) {
        reportedErrors().captions << caption;
        reportedErrors().texts << text;
    });
}
