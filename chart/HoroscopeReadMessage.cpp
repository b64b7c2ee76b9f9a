#include "HoroscopeReadMessage.h"

#include <QCoreApplication>

namespace {

QString tr(const char* text) { return QCoreApplication::translate("HoroscopeFile", text); }

QString partName(const HoroscopeProblem& p) {
    switch (p.part) {
    case HoroscopePart::Name: return tr("name");
    case HoroscopePart::Type: return tr("horoscope type");
    case HoroscopePart::Moment: return tr("birth data");
    case HoroscopePart::Notes: return tr("notes");
    case HoroscopePart::LifeEvents: return tr("life events");
    case HoroscopePart::Directions: return tr("direction settings");
    case HoroscopePart::Persons: return tr("persons block");
    case HoroscopePart::UniversalDate: return tr("birth date (UT)");
    case HoroscopePart::UniversalTime: return tr("birth time (UT)");
    case HoroscopePart::Longitude: return tr("geographic longitude");
    case HoroscopePart::Latitude: return tr("geographic latitude");
    case HoroscopePart::ClockKind: return tr("kind of clock time");
    case HoroscopePart::Zone: return tr("time zone");
    case HoroscopePart::LocalDate: return tr("birth date (local)");
    case HoroscopePart::LocalTime: return tr("birth time (local)");
    case HoroscopePart::Sex: return tr("sex");
    case HoroscopePart::LifeEventCount: return tr("number of life events");
    case HoroscopePart::LifeEventDate: return tr("date of life event %1").arg(p.event);
    }
    return {};
}

}  // namespace

QString horoscopeProblemText(const HoroscopeProblem& problem) {
    if (problem.cutShort)
        return tr("it is cut short in the %1 (the file has %2 bytes, %3 are needed)")
            .arg(partName(problem))
            .arg(problem.size)
            .arg(problem.needed);
    return tr("the %1 holds %2, which cannot be entered").arg(partName(problem), QString::fromStdString(problem.value));
}

QString horoscopeReadMessage(const QString& path, HoroscopeRead result, const HoroscopeProblem& problem) {
    switch (result) {
    case HoroscopeRead::Ok:
        return {};
    case HoroscopeRead::CannotOpen:
        return tr("The file %1 cannot be read.").arg(path);
    case HoroscopeRead::NotHoroscopeFile:
        return tr("%1 is not a horoscope file.").arg(path);
    case HoroscopeRead::Damaged:
        break;
    }
    return tr("The horoscope file %1 is damaged and was not opened: %2.").arg(path, horoscopeProblemText(problem));
}
