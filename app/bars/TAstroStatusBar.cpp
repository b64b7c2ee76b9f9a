#include "TAstroStatusBar.h"

#include <QEvent>
#include <QLabel>

#include <cstdio>

#include "BirthText.h"
#include "QtText.h"
#include "RadixData.h"
#include "StringTable.h"

namespace {

// The fields keep the look of the bar: black on light grey, a thin line on their left.
const char kFieldStyle[] = "QLabel { color: black; background: rgb(240,240,240); border: none;"
                           " border-left: 1px solid rgb(160,160,160); padding: 0 4px; }";

// The unsaved-options field draws the eye in dark red.
const char kWarningFieldStyle[] = "QLabel { color: rgb(160,0,0); background: rgb(240,240,240); border: none;"
                                  " border-left: 1px solid rgb(160,160,160); padding: 0 4px; }";

}  // namespace

std::string statusPlaceText(const BirthMoment& m) {
    std::string town(m.town.data(), strnlen(m.town.data(), m.town.size()));
    if (!town.empty() && town[0] == '+')
        town.erase(0, std::min<std::size_t>(2, town.size()));
    if (const auto comma = town.find(','); comma != std::string::npos)
        town.resize(comma);
    char buf[128];
    std::snprintf(buf, sizeof buf, "%s  %u\xB0%02u'%c  %u\xB0%02u'%c", town.c_str(), unsigned(m.longitude.wholeDegrees()),
                  unsigned(m.longitude.minutes), m.longitude.isNegative() ? 'W' : 'E',
                  unsigned(m.latitude.wholeDegrees()), unsigned(m.latitude.minutes),
                  m.latitude.isNegative() ? 'S' : 'N');
    return buf;
}

TAstroStatusBar::TAstroStatusBar(QWidget* parent)
    : QStatusBar(parent), m_message(new QLabel(this)), m_unsaved(new QLabel(this)), m_progression(new QLabel(this)) {
    setSizeGripEnabled(true);
    setStyleSheet("QStatusBar { background: rgb(240,240,240); } QStatusBar::item { border: none; }");
    m_message->setStyleSheet("QLabel { color: black; padding: 0 4px; }");
    addWidget(m_message, 1);
    // Before the chart fields, which rebuild() replaces.
    m_unsaved->setStyleSheet(kWarningFieldStyle);
    m_unsaved->setObjectName(QStringLiteral("optionsUnsaved"));
    addPermanentWidget(m_unsaved);
    m_unsaved->hide();
    // A progressions window names its target date, key and arc here.
    m_progression->setStyleSheet(kFieldStyle);
    m_progression->setObjectName(QStringLiteral("progression"));
    addPermanentWidget(m_progression);
    m_progression->hide();
    retranslate();
    rebuild(false);
}

void TAstroStatusBar::setOptionsUnsaved(bool unsaved) { m_unsaved->setVisible(unsaved); }

void TAstroStatusBar::setProgressionText(const QString& text) {
    m_progression->setText(text);
    m_progression->setVisible(!text.isEmpty());
}

QString TAstroStatusBar::progressionText() const { return m_progression->isHidden() ? QString() : m_progression->text(); }

QString TAstroStatusBar::optionsUnsavedText() const { return !m_unsaved->isHidden() ? m_unsaved->text() : QString(); }

void TAstroStatusBar::retranslate() {
    m_unsaved->setText(tr("Options not saved"));
    m_unsaved->setToolTip(tr("The options have changed since they were last saved. Use Options > Save, or turn on "
                             "Options > Auto save."));
}

void TAstroStatusBar::changeEvent(QEvent* event) {
    QStatusBar::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void TAstroStatusBar::rebuild(bool wineWorkaround) {
    QStringList texts;
    for (QLabel*& field : m_fields) {
        texts << (field ? field->text() : QString());
        if (field) {
            removeWidget(field);
            delete field;
            field = nullptr;
        }
    }
    m_wine = wineWorkaround;
    const double factor = wineWorkaround ? 1.7 : 1.0;
    const int characters[4] = {int(9 * factor), int(3 * factor), int(9 * factor), int(9 * factor)};
    QFont bold = font();
    bold.setBold(true);
    const int average = QFontMetrics(bold).averageCharWidth();
    for (int i = 0; i < 4; ++i) {
        auto* field = new QLabel(texts[i], this);
        field->setFont(bold);
        field->setStyleSheet(kFieldStyle);
        // A minimum: a longer text widens its field rather than being clipped.
        field->setMinimumWidth(characters[i] * average);
        field->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        addPermanentWidget(field);
        m_fields[i] = field;
    }
}

void TAstroStatusBar::setMessage(const QString& text) {
    m_message->setText(text);
    m_message->repaint();
}

QString TAstroStatusBar::message() const { return m_message->text(); }

QString TAstroStatusBar::fieldText(int field) const {
    return field >= 0 && field < 4 ? m_fields[field]->text() : QString();
}

void TAstroStatusBar::refresh(const RadixData* chart, const StringTable& strings, const RadixData* second) {
    if (!chart) {
        for (QLabel* f : m_fields) {
            f->clear();
            f->setToolTip({});
        }
    } else {
        // A two-chart window shows both charts' texts, one of them where they are the same (the
        // same person or place): the bar has no room for repeats.
        const auto both = [second](const RadixData& c, auto text) {
            const QString first = text(c);
            if (!second)
                return first;
            const QString other = text(*second);
            return first == other ? first : first + QStringLiteral("  \u2022  ") + other;
        };
        m_fields[0]->setText(both(*chart, [](const RadixData& c) { return fromCp1250(c.name.data()); }));
        m_fields[1]->setText(both(*chart, [](const RadixData& c) { return fromCp1250(c.horType.data()); }));
        m_fields[2]->setText(
            both(*chart, [&strings](const RadixData& c) { return fromCp1250(momentText(c.moment, strings)); }));
        m_fields[3]->setText(both(*chart, [](const RadixData& c) { return fromCp1250(statusPlaceText(c.moment)); }));
        // Where the bar is too narrow for a field, its whole text shows on pointing at it.
        for (QLabel* f : m_fields)
            f->setToolTip(f->text());
    }
    repaint();
}
