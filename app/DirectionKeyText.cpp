#include "DirectionKeyText.h"

#include <QCoreApplication>
#include <cmath>

namespace {

QString keyText(const char* source) { return QCoreApplication::translate("DirectionKey", source); }

}  // namespace

bool isNaibodKey(const ChartDirectionSettings& s) {
    if (s.truesolar)
        return false;
    const bool zero = s.angleDegrees == 0 && s.angleMinutes == 0 && s.angleSeconds == 0.0;
    const bool naibod =
        s.angleDegrees == 0 && s.angleMinutes == NaibodMinutes && std::abs(s.angleSeconds - NaibodSeconds) < 0.005;
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
        return s.onequ ? keyText(QT_TRANSLATE_NOOP("DirectionKey", "true solar arc in right ascension"))
                       : keyText(QT_TRANSLATE_NOOP("DirectionKey", "true solar arc in longitude"));
    if (isNaibodKey(s))
        return keyText(QT_TRANSLATE_NOOP("DirectionKey", "Naibod's key (%1 a year)"))
            .arg(keyAngleText(0, NaibodMinutes, NaibodSeconds));
    return keyText(QT_TRANSLATE_NOOP("DirectionKey", "%1 a year"))
        .arg(keyAngleText(s.angleDegrees, s.angleMinutes, s.angleSeconds));
}

QString directionKeyShortText(const ChartDirectionSettings& s) {
    if (s.truesolar)
        return s.onequ ? keyText(QT_TRANSLATE_NOOP("DirectionKey", "solar arc in RA"))
                       : keyText(QT_TRANSLATE_NOOP("DirectionKey", "solar arc"));
    if (isNaibodKey(s))
        return keyText(QT_TRANSLATE_NOOP("DirectionKey", "Naibod"));
    return keyAngleText(s.angleDegrees, s.angleMinutes, s.angleSeconds);
}
