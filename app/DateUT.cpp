#include "DateUT.h"

#include "BirthData.h"

namespace {

constexpr double HalfDay = 0.5;

}  // namespace

double dayStartUT(const QDate& date) {
    BirthMoment m;
    m.utDate = CalDate(date.year(), date.month(), date.day(), true);
    m.utTime = ClockTime{};
    return m.julianDayUT();
}

double dayNoonUT(const QDate& date) { return dayStartUT(date) + HalfDay; }
