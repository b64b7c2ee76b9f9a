#include "TBirthDialog.h"

#include <algorithm>
#include <cstdlib>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ApplyTown.h"
#include "BirthEntry.h"
#include "ChartBlocks.h"
#include "ClockChange.h"
#include "Prompts.h"
#include "FixedText.h"
#include "NotesText.h"
#include "QtText.h"
#include "RadixData.h"
#include "SettingsFile.h"
#include "AppContext.h"
#include "StringIds.h"
#include "TEventsDialog.h"
#include "TPrefixDialog.h"
#include "TTownsDialog.h"
#include "TownDatabase.h"

namespace {

constexpr int TypeCount = 24;
static_assert(StrId::TypeRadix + TypeCount - 1 == StrId::TypeMidtime, "the type names are read by offset");

bool sameZone(const BirthMoment& a, const BirthMoment& b) {
    return a.zoneHours == b.zoneHours && a.zoneMinutes == b.zoneMinutes && a.zoneWest == b.zoneWest;
}

// The offset of a moment's clock in minutes East, as a clock change reports offsets.
int momentOffset(const BirthMoment& m) {
    if (m.timeKind != TimeZone)
        return 0;
    const int minutes = m.zoneHours * 60 + m.zoneMinutes;
    return m.zoneWest ? -minutes : minutes;
}

QString offsetName(const ClockOffset& offset) {
    QString text = QString::fromLatin1(offsetText(offset.minutes));
    if (!offset.abbreviation.empty())
        text += QLatin1Char(' ') + fromCp1250(offset.abbreviation);
    return text;
}

}  // namespace

TBirthDialog::TBirthDialog(QWidget* parent, AppContext& ctx, RadixData& record, LifeEventList& events,
                           const QString& caption)
    : TMyDialog(parent, caption), m_ctx(ctx), m_record(record), m_events(events), m_moment(record.moment) {
    setWindowTitle(tr("Personal Data"));
    buildLayout();
    setUp();

    connect(m_timeKind, &QComboBox::currentIndexChanged, this, &TBirthDialog::enableZone);
    connect(m_date.era, &QComboBox::currentIndexChanged, this, &TBirthDialog::dateOrTimeEdited);
    for (QLineEdit* edit : {m_date.year, m_date.month, m_date.day, m_hour, m_minute, m_second})
        connect(edit, &QLineEdit::textChanged, this, &TBirthDialog::dateOrTimeEdited);
    connect(m_townButton, &QPushButton::clicked, this, &TBirthDialog::chooseTown);
    connect(m_defaultTown, &QPushButton::clicked, this, &TBirthDialog::makeDefaultTown);
    connect(m_lifeEvents, &QPushButton::clicked, this, &TBirthDialog::editLifeEvents);
    connect(m_otherOffset, &QPushButton::clicked, this, &TBirthDialog::takeOtherOffset);
    // A zone typed by hand is the one applied: the note says so.
    for (QLineEdit* edit : {m_zoneHours, m_zoneMinutes, m_zoneLetter})
        connect(edit, &QLineEdit::textChanged, this, [this] {
            if (!m_initialising)
                showZoneNote();
        });
    connect(m_notes, &QPlainTextEdit::textChanged, this, [this] { limitNotes(m_notes); });
    m_timer.setParent(this);  // found by name, so tests can drive the blinking tick by tick
    m_timer.setObjectName(QStringLiteral("blinkTimer"));
    connect(&m_timer, &QTimer::timeout, this, &TBirthDialog::tick);
    m_timer.start(100);
    m_initialising = false;
}

TBirthDialog::~TBirthDialog() = default;

void TBirthDialog::setUp() {
    const StringTable& s = m_ctx.state.Strings;
    const std::string_view townText = fixedText(m_moment.town);
    m_town = townText.empty() ? nullptr : FindTown(m_ctx.towns, townText);

    for (int i = 0; i < TypeCount; ++i)
        m_type->addItem(m_ctx.text(StrId::TypeRadix + i));
    m_name->setText(fromCp1250(fixedText(m_record.name)));
    m_sex->addItem(m_ctx.text(StrId::Male));
    m_sex->addItem(m_ctx.text(StrId::Female));
    m_sex->setCurrentIndex(m_moment.sex == SexMale || m_moment.sex == SexFemale ? m_moment.sex - 1 : -1);
    m_type->setEditText(fromCp1250(fixedText(m_record.horType)));
    m_notes->setPlainText(notesForEditing(m_record.notes));

    m_date.fillEras(s);
    m_date.show(m_moment.localDate);
    m_hour->setText(QString::number(m_moment.localTime.hour));
    m_minute->setText(QString::number(m_moment.localTime.minute));
    m_second->setText(QString::number(int(m_moment.localTime.second)));
    m_calendar->addItem(m_ctx.text(StrId::Julian));
    m_calendar->addItem(m_ctx.text(StrId::Gregorian));
    for (int id : {StrId::GreenwMeanTime, StrId::LocalMeanTime, StrId::ZoneTime})
        m_timeKind->addItem(m_ctx.text(id));
    showTownAndPosition();
    showClock(m_moment);

    chainTabOrder({m_name, m_sex, m_type, m_date.era, m_date.year, m_date.month, m_date.day, m_hour, m_minute,
                   m_second, m_timeKind, m_zoneHours, m_zoneMinutes, m_zoneLetter, m_calendar, m_townButton,
                   m_defaultTown, m_lonDegrees, m_lonMinutes, m_lonLetter, m_latDegrees, m_latMinutes, m_latLetter,
                   m_lifeEvents, m_notes});
    m_name->setFocus();
    m_name->selectAll();
}

void TBirthDialog::showTownAndPosition() {
    m_townName->setText(fromCp1250(fixedText(m_moment.town)));
    m_townName->setCursorPosition(0);
    m_lonDegrees->setText(QString::number(m_moment.longitude.wholeDegrees()));
    m_lonMinutes->setText(QString::number(m_moment.longitude.minutes));
    m_lonLetter->setText(m_moment.longitude.isNegative() ? QStringLiteral("W") : QStringLiteral("E"));
    m_latDegrees->setText(QString::number(m_moment.latitude.wholeDegrees()));
    m_latMinutes->setText(QString::number(m_moment.latitude.minutes));
    m_latLetter->setText(m_moment.latitude.isNegative() ? QStringLiteral("S") : QStringLiteral("N"));
}

void TBirthDialog::showClock(const BirthMoment& before) {
    const bool wasInitialising = m_initialising;
    m_initialising = true;
    m_calendar->setCurrentIndex(m_moment.localDate.gregorian ? 1 : 0);
    m_timeKind->setCurrentIndex(std::min<int>(m_moment.timeKind, TimeZone));
    m_zoneHours->setText(QString::number(m_moment.zoneHours));
    m_zoneMinutes->setText(QString::number(m_moment.zoneMinutes));
    m_zoneLetter->setText(m_moment.zoneWest == 1 ? QStringLiteral("W") : QStringLiteral("E"));
    enableZone();
    m_initialising = wasInitialising;
    if (before.timeKind == TimeZone && m_moment.timeKind == TimeZone && !sameZone(before, m_moment))
        m_blink = BlinkTicks;
    showZoneNote();
}

void TBirthDialog::showZoneNote() {
    const ZoneDescriptor* zone = m_town ? zoneByNumber(m_ctx.towns, m_town->zone) : nullptr;
    ClockChange change;
    if (zone && m_moment.timeKind != TimeGMT)
        change = clockChangeAt(*zone, m_moment.localDate, m_moment.localTime.hour, m_moment.localTime.minute,
                               m_town->longitude);
    if (change.reading == ClockReading::Normal) {
        m_otherOffset->hide();
        // Summer time is said, so that a birth time read from a summer-time clock is not
        // corrected for it a second time.
        const auto summer = zone && m_moment.timeKind == TimeZone
                                ? summerTimeAt(*zone, m_moment.localDate, m_moment.localTime.hour,
                                               m_moment.localTime.minute, m_town->longitude)
                                : std::nullopt;
        if (!summer) {
            m_zoneNote->hide();
            return;
        }
        m_zoneNote->setText(tr("Summer time is in force here at this moment: %1.").arg(offsetName(*summer)));
        fitZoneNote();
        return;
    }
    // The offset the fields hold: the town's rule, the other one the user took, or one typed.
    ClockOffset typed;
    typed.timeKind = static_cast<std::uint8_t>(std::max(0, m_timeKind->currentIndex()));
    if (typed.timeKind == TimeZone) {
        const int minutes = fieldNumber(m_zoneHours) * 60 + fieldNumber(m_zoneMinutes);
        typed.minutes = fieldLetter(m_zoneLetter) == 'W' ? -minutes : minutes;
    } else {
        typed.minutes = momentOffset(m_moment);
    }
    const auto holds = [&](const ClockOffset& o) { return o.timeKind == typed.timeKind && o.minutes == typed.minutes; };
    const bool tookOther = holds(change.other());
    const ClockOffset& held = tookOther ? change.other() : holds(change.applied()) ? change.applied() : typed;
    const ClockOffset& offered = tookOther ? change.applied() : change.other();
    if (change.reading == ClockReading::Skipped)
        m_zoneNote->setText(tr("This local time did not exist here: the clock was put forward from %1 to %2. "
                               "%3 is applied.")
                                .arg(offsetName(change.before), offsetName(change.after), offsetName(held)));
    else
        m_zoneNote->setText(tr("This local time occurred twice here: the clock was put back from %1 to %2. "
                               "%3 is applied.")
                                .arg(offsetName(change.before), offsetName(change.after), offsetName(held)));
    // Either offset may be what the person's clock showed (a clock not yet put forward reads
    // the skipped hour), so both kinds of change offer the other one.
    m_otherOffset->setText(tr("&Use %1").arg(offsetName(offered)));
    m_otherOffset->setProperty("offerMinutes", offered.minutes);
    m_otherOffset->setProperty("offerKind", int(offered.timeKind));
    m_otherOffset->show();
    fitZoneNote();
}

void TBirthDialog::fitZoneNote() {
    // A wrapped label in a grid gets no more height than one line unless it asks for it; the
    // width is the column span's once the dialog has been laid out.
    const int width = m_zoneNote->width() > 100 ? m_zoneNote->width() : m_timeKind->width() * 2;
    m_zoneNote->setMinimumHeight(m_zoneNote->heightForWidth(width));
    m_zoneNote->show();
}

void TBirthDialog::takeOtherOffset() {
    const BirthMoment before = m_moment;
    const int minutes = m_otherOffset->property("offerMinutes").toInt();
    m_moment.timeKind = static_cast<std::uint8_t>(m_otherOffset->property("offerKind").toInt());
    m_moment.zoneWest = minutes < 0;
    m_moment.zoneHours = static_cast<std::uint8_t>(std::abs(minutes) / 60);
    m_moment.zoneMinutes = static_cast<std::uint8_t>(std::abs(minutes) % 60);
    m_moment.localToUniversal();
    showClock(before);
}

void TBirthDialog::enableZone() {
    const bool zone = m_timeKind->currentIndex() == TimeZone;
    for (QLineEdit* edit : {m_zoneHours, m_zoneMinutes, m_zoneLetter})
        edit->setEnabled(zone);
}

BirthEntry TBirthDialog::readEntry() const {
    BirthEntry e;
    m_date.read(e);
    e.gregorian = m_calendar->currentIndex() == 1;
    e.hour = fieldNumber(m_hour);
    e.minute = fieldNumber(m_minute);
    e.second = fieldNumber(m_second);
    e.timeKind = static_cast<std::uint8_t>(std::max(0, m_timeKind->currentIndex()));
    e.zoneLetter = fieldLetter(m_zoneLetter);
    e.zoneHours = fieldNumber(m_zoneHours);
    e.zoneMinutes = fieldNumber(m_zoneMinutes);
    e.longitudeLetter = fieldLetter(m_lonLetter);
    e.longitudeDegrees = fieldNumber(m_lonDegrees);
    e.longitudeMinutes = fieldNumber(m_lonMinutes);
    e.latitudeLetter = fieldLetter(m_latLetter);
    e.latitudeDegrees = fieldNumber(m_latDegrees);
    e.latitudeMinutes = fieldNumber(m_latMinutes);
    if (e.timeKind != TimeZone) {
        // The zone fields are disabled then and could not be corrected: a zone left unusable
        // there is replaced by the one the moment already has.
        BirthEntry zoneOnly;
        zoneOnly.year = 1;
        zoneOnly.month = zoneOnly.day = 1;
        zoneOnly.zoneLetter = e.zoneLetter;
        zoneOnly.zoneHours = e.zoneHours;
        zoneOnly.zoneMinutes = e.zoneMinutes;
        BirthMoment probe;
        if (checkBirthEntry(zoneOnly, probe) != EntryValid) {
            e.zoneLetter = m_moment.zoneWest == 1 ? 'W' : 'E';
            e.zoneHours = m_moment.zoneHours;
            e.zoneMinutes = m_moment.zoneMinutes;
        }
    }
    return e;
}

bool TBirthDialog::checkEntry(BirthMoment& moment, bool messages) {
    const int result = checkBirthEntry(readEntry(), moment);
    if (result == EntryValid)
        return true;
    if (messages) {
        m_ctx.errors.error(this, entryErrorText(m_ctx.strings(), result));
        QLineEdit* field = result == InvalidYear        ? m_date.year
                           : result == InvalidDate      ? m_date.day
                           : result == InvalidTime      ? m_hour
                           : result == InvalidLongitude ? m_lonDegrees
                           : result == InvalidLatitude  ? m_latDegrees
                                                        : m_zoneHours;
        field->setFocus();
        field->selectAll();
    }
    return false;
}

void TBirthDialog::dateOrTimeEdited() {
    if (m_initialising || !m_town)
        return;
    BirthEntry e = readEntry();
    // Only calendar, date, time and zone count here: the town supplies the position.
    e.longitudeLetter = 'E';
    e.longitudeDegrees = e.longitudeMinutes = 0;
    e.latitudeLetter = 'N';
    e.latitudeDegrees = e.latitudeMinutes = 0;
    BirthMoment working = m_moment;
    if (checkBirthEntry(e, working) != EntryValid || working.timeKind == TimeGMT)
        return;
    const BirthMoment before = working;
    ApplyTown(m_ctx.towns, *m_town, working, ApplyZoneFollowingDate);
    working.localToUniversal();
    m_moment = working;
    showClock(before);
}

void TBirthDialog::chooseTown() {
    BirthMoment working = m_moment;
    if (!checkEntry(working, true))
        return;
    working.localToUniversal();
    m_moment = working;
    TPrefixDialog prefix(this, m_ctx.memory.townPrefix);
    if (m_ctx.prompts().runModal(prefix) != QDialog::Accepted)
        return;
    const TownRecord* chosen = nullptr;
    TTownsDialog list(this, m_ctx, m_ctx.memory.townPrefix, chosen);
    if (m_ctx.prompts().runModal(list) != QDialog::Accepted || !chosen) {
        // The town shown stays; the towns list may have changed, so it is looked up again.
        const std::string_view shown = fixedText(m_moment.town);
        m_town = shown.empty() ? nullptr : FindTown(m_ctx.towns, shown);
        return;
    }
    const BirthMoment before = m_moment;
    m_town = chosen;
    ApplyTown(m_ctx.towns, *chosen, m_moment, ApplyZoneAlways);
    m_moment.localToUniversal();
    const bool wasInitialising = m_initialising;
    m_initialising = true;
    showTownAndPosition();
    m_initialising = wasInitialising;
    if (before.timeKind != TimeGMT)
        showClock(before);
    else
        showZoneNote();
}

void TBirthDialog::makeDefaultTown() {
    const QString text = m_townName->text().left(int(BirthMoment::EnteredTownLength));
    if (text.isEmpty())
        return;
    TOptions& o = m_ctx.state.Options;
    toCp1250Field(text, o.default_town.data(), o.default_town.size());
    if (WriteSettings(o, m_ctx.state.ProgramFolder, false))
        m_ctx.showStatus(tr("Default town: %1").arg(text));
    else
        m_ctx.errors.error(this, tr("The default town could not be written to the settings file."));
}

void TBirthDialog::editLifeEvents() {
    TEventsDialog dialog(this, m_ctx, m_events);
    m_ctx.prompts().runModal(dialog);
}

void TBirthDialog::accept() {
    BirthMoment working = m_moment;
    if (!checkEntry(working, true))
        return;
    const QString name = m_name->text().trimmed();
    const QString type = m_type->currentText().trimmed();
    setFixedText(m_record.name, name.isEmpty() ? m_ctx.state.Strings.str(StrId::NoName) : toCp1250(name),
                 RadixData::EnteredNameLength);
    setFixedText(m_record.horType, type.isEmpty() ? m_ctx.state.Strings.str(StrId::NoType) : toCp1250(type),
                 RadixData::EnteredHorTypeLength);
    working.sex = static_cast<std::uint8_t>(m_sex->currentIndex() + 1);
    storeNotes(m_notes->toPlainText(), m_record.notes);
    working.localToUniversal();
    m_record.moment = working;
    TMyDialog::accept();
}

void TBirthDialog::done(int result) {
    m_timer.stop();
    TMyDialog::done(result);
}

void TBirthDialog::tick() {
    if (m_blink == 0)
        return;
    const int old = m_blink--;
    for (QLineEdit* edit : {m_zoneHours, m_zoneMinutes, m_zoneLetter})
        edit->setVisible(old % 2 == 1);
}
