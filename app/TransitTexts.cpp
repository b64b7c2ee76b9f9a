#include "TransitTexts.h"

#include <QCoreApplication>
#include <array>
#include <cmath>

#include "QtText.h"
#include "StringIds.h"
#include "StringTable.h"
#include "TransitSearch.h"

namespace {

// The natal points of the search (the bodies, the Ascendant, the MC) and the Part of Fortune,
// whose promissor mark the selection keeps.
constexpr int PointFortuneName = NatalPointCount;
constexpr int PointNameCount = NatalPointCount + 1;
constexpr std::array<const char*, PointNameCount> PointNames = {
    QT_TRANSLATE_NOOP("TransitTexts", "Sun"),          QT_TRANSLATE_NOOP("TransitTexts", "Moon"),
    QT_TRANSLATE_NOOP("TransitTexts", "Mercury"),      QT_TRANSLATE_NOOP("TransitTexts", "Venus"),
    QT_TRANSLATE_NOOP("TransitTexts", "Mars"),         QT_TRANSLATE_NOOP("TransitTexts", "Jupiter"),
    QT_TRANSLATE_NOOP("TransitTexts", "Saturn"),       QT_TRANSLATE_NOOP("TransitTexts", "Uranus"),
    QT_TRANSLATE_NOOP("TransitTexts", "Neptune"),      QT_TRANSLATE_NOOP("TransitTexts", "Pluto"),
    QT_TRANSLATE_NOOP("TransitTexts", "North node"),   QT_TRANSLATE_NOOP("TransitTexts", "South node"),
    QT_TRANSLATE_NOOP("TransitTexts", "Lilith"),       QT_TRANSLATE_NOOP("TransitTexts", "Chiron"),
    QT_TRANSLATE_NOOP("TransitTexts", "Pholus"),       QT_TRANSLATE_NOOP("TransitTexts", "Ceres"),
    QT_TRANSLATE_NOOP("TransitTexts", "Pallas"),       QT_TRANSLATE_NOOP("TransitTexts", "Juno"),
    QT_TRANSLATE_NOOP("TransitTexts", "Vesta"),        QT_TRANSLATE_NOOP("TransitTexts", "Ascendant"),
    QT_TRANSLATE_NOOP("TransitTexts", "MC"),           QT_TRANSLATE_NOOP("TransitTexts", "Fortune"),
};

// The command line's names of the same points (those it knows).
constexpr std::array<const char*, PointNameCount> PointKeys = {
    "sun",   "moon", "mercury",   "venus",  "mars",   "jupiter", "saturn", "uranus", "neptune", "pluto",
    "node",  "southnode", "lilith", "chiron", "pholus", "ceres", "pallas", "juno", "vesta", "asc", "mc", "fortune",
};

constexpr std::array<const char*, AspectCount> AspectNames = {
    QT_TRANSLATE_NOOP("TransitTexts", "Conjunction"),    QT_TRANSLATE_NOOP("TransitTexts", "Semisextile"),
    QT_TRANSLATE_NOOP("TransitTexts", "Semisquare"),     QT_TRANSLATE_NOOP("TransitTexts", "Sextile"),
    QT_TRANSLATE_NOOP("TransitTexts", "Quintile"),       QT_TRANSLATE_NOOP("TransitTexts", "Square"),
    QT_TRANSLATE_NOOP("TransitTexts", "Trine"),          QT_TRANSLATE_NOOP("TransitTexts", "Sesquiquadrate"),
    QT_TRANSLATE_NOOP("TransitTexts", "Biquintile"),     QT_TRANSLATE_NOOP("TransitTexts", "Quincunx"),
    QT_TRANSLATE_NOOP("TransitTexts", "Opposition"),     QT_TRANSLATE_NOOP("TransitTexts", "NB"),
    QT_TRANSLATE_NOOP("TransitTexts", "NB5"),            QT_TRANSLATE_NOOP("TransitTexts", "NB7"),
    QT_TRANSLATE_NOOP("TransitTexts", "Quindecile"),     QT_TRANSLATE_NOOP("TransitTexts", "Novile"),
    QT_TRANSLATE_NOOP("TransitTexts", "Binovile"),       QT_TRANSLATE_NOOP("TransitTexts", "Quadnovile"),
};

QString translated(const char* text) { return QCoreApplication::translate("TransitTexts", text); }

QString pointName(int point) {
    return point >= 0 && point < PointNameCount ? translated(PointNames[static_cast<std::size_t>(point)]) : QString();
}

// The names of a point for the filter: as shown, in English and by its command-line key.
std::vector<std::string> pointForms(int point) {
    if (point < 0 || point >= PointNameCount)
        return {};
    const auto p = static_cast<std::size_t>(point);
    return {toCp1250(pointName(point)), PointNames[p], PointKeys[p]};
}

}  // namespace

QString transitingName(int body) { return body >= 0 && body < BodyCount ? pointName(body) : QString(); }
QString natalName(int natal) { return pointName(natal); }

QString promissorMarkName(int mark) {
    return mark == PromissorMarkFortune ? pointName(PointFortuneName) : transitingName(bodyOfPromissorMark(mark));
}

QString significatorMarkName(int mark) { return natalName(natalPointOfMark(mark)); }

QString transitAspectName(int aspect) {
    return aspect >= 0 && aspect < AspectCount ? translated(AspectNames[static_cast<std::size_t>(aspect)]) : QString();
}

QString transitMotionName(int motion) {
    if (motion < 0)
        return translated(QT_TRANSLATE_NOOP("TransitTexts", "retrograde"));
    if (motion == 0)
        return translated(QT_TRANSLATE_NOOP("TransitTexts", "stationary"));
    return translated(QT_TRANSLATE_NOOP("TransitTexts", "direct"));
}

QString transitMotionText(const TransitEvent& event) {
    if (event.exactReached)
        return transitMotionName(event.motion);
    const int minutes = static_cast<int>(std::lround(std::fabs(event.deviation) * 60));
    return translated(QT_TRANSLATE_NOOP("TransitTexts", "station, %1 off"))
        .arg(QString::asprintf("%d\u00B0%02d'", minutes / 60, minutes % 60));
}

TransitNames transitFilterNames(const StringTable& strings) {
    TransitNames names;
    for (int b = 0; b < BodyCount; ++b)
        names.transiting[static_cast<std::size_t>(b)] = pointForms(b);
    names.transiting[PromissorMarkFortune] = pointForms(PointFortuneName);
    for (int n = 0; n < NatalPointCount; ++n)
        names.natal[static_cast<std::size_t>(n)] = pointForms(n);
    for (int a = 0; a < AspectCount; ++a) {
        const auto i = static_cast<std::size_t>(a);
        names.aspects[i] = {toCp1250(transitAspectName(a)), AspectNames[i], strings.str(StrId::AspectCon + a)};
    }
    return names;
}
