#include "DirectionTexts.h"

#include <QCoreApplication>
#include <array>

#include "DirectionList.h"
#include "TransitTexts.h"

namespace {

constexpr std::array<const char*, 4> MethodNames = {
    QT_TRANSLATE_NOOP("DirectionTexts", "mundane"),
    QT_TRANSLATE_NOOP("DirectionTexts", "zodiacal"),
    QT_TRANSLATE_NOOP("DirectionTexts", "zodiacal with latitude"),
    QT_TRANSLATE_NOOP("DirectionTexts", "under the pole"),
};

QString translated(const char* text) { return QCoreApplication::translate("DirectionTexts", text); }

}  // namespace

QString directionPromissorName(int promissor) {
    // The Part of Fortune's promissor mark has the same number as its row.
    return promissor == FortunePromissor ? promissorMarkName(PromissorMarkFortune) : transitingName(promissor);
}

QString directionMethodName(int type) {
    if (type == SecondaryMethod)
        return translated(QT_TRANSLATE_NOOP("DirectionTexts", "secondary"));
    const auto i = static_cast<std::size_t>(type);
    return translated(type >= 0 && i < MethodNames.size() ? MethodNames[i] : MethodNames[0]);
}

QString directionSenseName(bool converse) {
    return converse ? translated(QT_TRANSLATE_NOOP("DirectionTexts", "converse"))
                    : translated(QT_TRANSLATE_NOOP("DirectionTexts", "direct"));
}

QString yearsSpan(double years) {
    if (years == 1)
        return translated(QT_TRANSLATE_NOOP("DirectionTexts", "a year"));
    if (years == 0.5)
        return translated(QT_TRANSLATE_NOOP("DirectionTexts", "half a year"));
    return translated(QT_TRANSLATE_NOOP("DirectionTexts", "%1 years")).arg(years, 0, 'g', 3);
}
