#include "DirectionKeyText.h"

#include <QCoreApplication>
#include <cmath>

namespace {

QString tr(const char* text) { return QCoreApplication::translate("DirectionKey", text); }

}  // namespace

bool isNaibodKey(const ChartDirectionSettings& s) {
    if (s.truesolar)
        return false;
    const bool zero = s.angleDegrees == 0 && s.angleMinutes == 0 && s.angleSeconds == 0.0;
    const bool naibod = s.angleDegrees == 0 && s.angleMinutes == NaibodMinutes &&
                        std::abs(s.angleSeconds - NaibodSeconds) < 0.005;
    return zero || naibod;
}

QString keyAngleText(int degrees, int minutes, double seconds) {
    return QStringLiteral("%1\u00B0%2'%3\"")
        .arg(degrees)
        .arg(minutes, 2, 10, QLatin1Char('0'))
        .arg(seconds, 5, 'f', 2, QLatin1Char('0'));
}

QString directionKeyText(const ChartDirectionSettings& s) {
    if (s.truesolar)
        return s.onequ ? tr("true solar arc in right ascension") : tr("true solar arc in longitude");
    if (isNaibodKey(s))
        return tr("Naibod's key (%1 a year)").arg(keyAngleText(0, NaibodMinutes, NaibodSeconds));
    return tr("%1 a year").arg(keyAngleText(s.angleDegrees, s.angleMinutes, s.angleSeconds));
}
