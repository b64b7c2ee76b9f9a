#include "TTownDataDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstdlib>

#include "BirthEntry.h"
#include "Prompts.h"
#include "EntryFields.h"
#include "FixedText.h"
#include "QtText.h"
#include "AppContext.h"
#include "StringIds.h"
#include "TTimeCalcDialog.h"
#include "TownEdit.h"
#include "TownList.h"

namespace {


constexpr int ZoneNumberRole = Qt::UserRole;

QLabel* over(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    return label;
}

}  // namespace

TTownDataDialog::TTownDataDialog(QWidget* parent, AppContext& ctx, TownRecord& record, const QString& caption)
    : TMyDialog(parent, caption), m_ctx(ctx), m_record(record), m_name(new QLineEdit(this)), m_region(new QComboBox(this)) {
    setWindowTitle(tr("Town Data"));
    const TownDatabase& db = m_ctx.towns;
    m_name->setObjectName(QStringLiteral("townName"));
    m_name->setMaxLength(int(TownEditNameLength));
    m_region->setObjectName(QStringLiteral("region"));
    m_region->setEditable(true);
    m_region->setInsertPolicy(QComboBox::NoInsert);
    m_region->setMaxVisibleItems(20);
    acceptOnEnter(m_region, this);
    m_lonDegrees = numberField(this, 3, QStringLiteral("lonDegrees"));
    m_lonMinutes = numberField(this, 2, QStringLiteral("lonMinutes"));
    m_lonLetter = letterField(this, QStringLiteral("EW"), QStringLiteral("lonLetter"));
    m_latDegrees = numberField(this, 2, QStringLiteral("latDegrees"));
    m_latMinutes = numberField(this, 2, QStringLiteral("latMinutes"));
    m_latLetter = letterField(this, QStringLiteral("NS"), QStringLiteral("latLetter"));
    m_zone = new QComboBox(this);
    m_zone->setObjectName(QStringLiteral("zone"));
    m_zone->setMaxVisibleItems(20);
    auto* view = new QPushButton(tr("&View..."), this);
    view->setObjectName(QStringLiteral("view"));
    view->setAutoDefault(false);

    auto* grid = new QGridLayout;
    auto* nameLabel = new QLabel(tr("&Name:"), this);
    nameLabel->setBuddy(m_name);
    auto* regionLabel = new QLabel(tr("&Region:"), this);
    regionLabel->setBuddy(m_region);
    auto* zoneLabel = new QLabel(tr("Time &zone:"), this);
    zoneLabel->setBuddy(m_zone);
    auto* lonLabel = new QLabel(tr("&Long"), this);
    lonLabel->setBuddy(m_lonDegrees);
    auto* latLabel = new QLabel(tr("L&at"), this);
    latLabel->setBuddy(m_latDegrees);
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(m_name, 0, 1, 1, 5);
    grid->addWidget(regionLabel, 1, 0);
    grid->addWidget(m_region, 1, 1, 1, 5);
    grid->addWidget(over(tr("deg"), this), 2, 1);
    grid->addWidget(over(tr("min"), this), 2, 2);
    grid->addWidget(over(tr("E/W"), this), 2, 3);
    grid->addWidget(lonLabel, 3, 0);
    grid->addWidget(m_lonDegrees, 3, 1);
    grid->addWidget(m_lonMinutes, 3, 2);
    grid->addWidget(m_lonLetter, 3, 3);
    grid->addWidget(latLabel, 4, 0);
    grid->addWidget(m_latDegrees, 4, 1);
    grid->addWidget(m_latMinutes, 4, 2);
    grid->addWidget(m_latLetter, 4, 3);
    grid->addWidget(over(tr("N/S"), this), 5, 3, Qt::AlignTop);
    grid->addWidget(zoneLabel, 6, 0);
    auto* zoneRow = new QHBoxLayout;
    zoneRow->addWidget(m_zone, 1);
    zoneRow->addWidget(view);
    grid->addLayout(zoneRow, 6, 1, 1, 5);
    grid->setColumnStretch(5, 1);
    m_name->setMinimumWidth(m_name->fontMetrics().horizontalAdvance(QString(40, QLatin1Char('n'))));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &TTownDataDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(view, &QPushButton::clicked, this, &TTownDataDialog::viewZone);

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ZoneList zones = townEditorZoneList(db, m_record.zone);
    for (const ZoneListItem& item : zones.items)
        m_zone->addItem(fromCp1250(item.text), item.number);
    m_zone->setCurrentIndex(zones.selected);
    for (const TownRecord& town : db.mainTowns)
        if (town.isRegion())
            m_region->addItem(fromCp1250(townName(town)));
    QApplication::restoreOverrideCursor();

    const std::string_view stored = townName(m_record);
    if (!stored.empty()) {
        const TownNameParts parts = splitTownName(stored);
        m_name->setText(fromCp1250(parts.name));
        if (!parts.region.empty())
            m_region->setEditText(fromCp1250(parts.region));
        else
            m_region->setEditText(QString());
        updateOk();
    } else {
        m_region->setEditText(fromCp1250(m_ctx.state.Strings[StrId::Hungary]));
        regionChanged();
    }
    connect(m_name, &QLineEdit::textChanged, this, &TTownDataDialog::updateOk);
    connect(m_region, &QComboBox::editTextChanged, this, &TTownDataDialog::regionChanged);

    const auto showAngle = [](int arcMinutes, QLineEdit* degrees, QLineEdit* minutes, QLineEdit* letter,
                              const char* positive, const char* negative) {
        degrees->setText(QString::number(std::abs(arcMinutes) / 60));
        minutes->setText(QString::number(std::abs(arcMinutes) % 60));
        letter->setText(QLatin1String(arcMinutes < 0 ? negative : positive));
    };
    showAngle(m_record.longitude, m_lonDegrees, m_lonMinutes, m_lonLetter, "E", "W");
    showAngle(m_record.latitude, m_latDegrees, m_latMinutes, m_latLetter, "N", "S");

    chainTabOrder({m_name, m_region, m_lonDegrees, m_lonMinutes, m_lonLetter, m_latDegrees, m_latMinutes,
                   m_latLetter, m_zone, view});
    m_name->setFocus();
}

int TTownDataDialog::selectedZoneNumber() const {
    return m_zone->currentIndex() < 0 ? NoZone : m_zone->currentData(ZoneNumberRole).toInt();
}

void TTownDataDialog::updateOk() {
    m_ok->setEnabled(!m_name->text().isEmpty() && !m_region->currentText().isEmpty());
}

void TTownDataDialog::regionChanged() {
    updateOk();
    const ZoneDescriptor* selected = zoneByNumber(m_ctx.towns, selectedZoneNumber());
    const ZoneDescriptor* zone =
        regionZone(m_ctx.towns, toCp1250(m_region->currentText()), selected ? selected->name : std::string_view());
    if (!zone)
        return;
    for (int i = 0; i < m_zone->count(); ++i)
        if (zoneByNumber(m_ctx.towns, m_zone->itemData(i, ZoneNumberRole).toInt()) == zone) {
            m_zone->setCurrentIndex(i);
            return;
        }
}

void TTownDataDialog::viewZone() {
    const ZoneDescriptor* zone = zoneByNumber(m_ctx.towns, selectedZoneNumber());
    if (!zone)
        return;
    TTimeCalcDialog dialog(this, m_ctx, *zone);
    m_ctx.prompts().runModal(dialog);
}

void TTownDataDialog::accept() {
    BirthEntry entry;
    entry.longitudeLetter = fieldLetter(m_lonLetter);
    entry.longitudeDegrees = fieldNumber(m_lonDegrees);
    entry.longitudeMinutes = fieldNumber(m_lonMinutes);
    entry.latitudeLetter = fieldLetter(m_latLetter);
    entry.latitudeDegrees = fieldNumber(m_latDegrees);
    entry.latitudeMinutes = fieldNumber(m_latMinutes);
    std::int16_t longitude = 0;
    std::int16_t latitude = 0;
    if (const int message = checkTownPosition(entry, longitude, latitude); message != EntryValid) {
        m_ctx.errors.errorId(this, message);
        QLineEdit* field = message == InvalidLongitude ? m_lonDegrees : m_latDegrees;
        field->setFocus();
        field->selectAll();
        return;
    }
    setFixedText(m_record.name, joinTownName(toCp1250(m_name->text()), toCp1250(m_region->currentText())));
    m_record.longitude = longitude;
    m_record.latitude = latitude;
    m_record.zone = static_cast<std::int16_t>(selectedZoneNumber());
    TMyDialog::accept();
}
