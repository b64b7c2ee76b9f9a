#pragma once
#include <QTimer>

#include "BirthData.h"
#include "EntryFields.h"
#include "TMyDialog.h"

class AppContext;

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
struct BirthEntry;
struct LifeEventList;
struct RadixData;
struct TownRecord;

// The personal data of a chart: name, sex, type, notes, and the birth moment with its
// calendar, clock time, zone, town and position. Edits a working copy of the moment; the
// record is written only on OK. Choosing a town, or changing the date or time while a town is
// known, sets the zone the town had then, and a zone that changes blinks.
class TBirthDialog : public TMyDialog {
    Q_OBJECT
public:
    // `events` is the list that "Life events..." edits: the chart's own, or a temporary one.
    TBirthDialog(QWidget* parent, AppContext& ctx, RadixData& record, LifeEventList& events, const QString& caption = {});
    ~TBirthDialog() override;

    static constexpr int BlinkTicks = 10;
    int blinkCounter() const { return m_blink; }
    const BirthMoment& workingMoment() const { return m_moment; }
    const TownRecord* currentTown() const { return m_town; }

public slots:
    void accept() override;
    void done(int result) override;

private:
    void buildLayout();
    void setUp();
    void showTownAndPosition();
    // Calendar, kind of clock time and zone from the working moment; blinks when the zone of
    // a zone time differs from `before`'s.
    void showClock(const BirthMoment& before);
    void enableZone();
    // Says beside the zone fields when the entered local time was skipped or repeated by a
    // clock change at the current town, which offset the zone fields hold, and offers the
    // other offset; otherwise says when summer time is in force.
    void showZoneNote();
    void fitZoneNote();
    void takeOtherOffset();
    BirthEntry readEntry() const;
    // Reads and checks the whole entry into `moment` (town and sex kept); with `messages` the
    // first failure is shown and its field focused. False when a check fails.
    bool checkEntry(BirthMoment& moment, bool messages);
    void dateOrTimeEdited();
    void chooseTown();
    void makeDefaultTown();
    void editLifeEvents();
    void tick();

    AppContext& m_ctx;
    RadixData& m_record;
    LifeEventList& m_events;
    BirthMoment m_moment;
    const TownRecord* m_town = nullptr;
    int m_blink = 0;
    bool m_initialising = true;
    QTimer m_timer;

    QLineEdit* m_name = nullptr;
    QComboBox* m_sex = nullptr;
    QComboBox* m_type = nullptr;
    QPlainTextEdit* m_notes = nullptr;
    DateFields m_date;
    QLineEdit* m_hour = nullptr;
    QLineEdit* m_minute = nullptr;
    QLineEdit* m_second = nullptr;
    QComboBox* m_calendar = nullptr;
    QComboBox* m_timeKind = nullptr;
    QLineEdit* m_zoneHours = nullptr;
    QLineEdit* m_zoneMinutes = nullptr;
    QLineEdit* m_zoneLetter = nullptr;
    QLabel* m_zoneNote = nullptr;
    QPushButton* m_otherOffset = nullptr;
    QPushButton* m_townButton = nullptr;
    QLineEdit* m_townName = nullptr;
    QPushButton* m_defaultTown = nullptr;
    QPushButton* m_lifeEvents = nullptr;
    QLineEdit* m_lonDegrees = nullptr;
    QLineEdit* m_lonMinutes = nullptr;
    QLineEdit* m_lonLetter = nullptr;
    QLineEdit* m_latDegrees = nullptr;
    QLineEdit* m_latMinutes = nullptr;
    QLineEdit* m_latLetter = nullptr;
};
