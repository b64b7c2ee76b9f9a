#include "DateUT.h"

#include "BirthData.h"
#include "JulianMoment.h"

namespace {

constexpr double HalfDay = 0.5;

}  // namespace

double dayStartUT(const QDate& date) {
    BirthMoment m;
    m.utDate = civilDate(date.year(), date.month(), date.day());
    m.utTime = ClockTime{};
    return m.julianDayUT();
}

double dayNoonUT(const QDate& date) { return dayStartUT(date) + HalfDay; }
