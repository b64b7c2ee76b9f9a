#include "TLifeEventDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "BirthEntry.h"
#include "ChartBlocks.h"
#include "FixedText.h"
#include "QtText.h"
#include "AppContext.h"

TLifeEventDialog::TLifeEventDialog(QWidget* parent, AppContext& ctx, LifeEvent& event, const QString& caption)
    : TMyDialog(parent, caption), m_ctx(ctx), m_event(event), m_name(new QComboBox(this)) {
    const AppState& s = m_ctx.state;
    setWindowTitle(tr("Life Event"));

    m_name->setObjectName(QStringLiteral("eventName"));
    m_name->setEditable(true);
    m_name->setInsertPolicy(QComboBox::NoInsert);
    m_name->lineEdit()->setMaxLength(int(LifeEvent::EnteredNameLength));
    m_name->setMinimumContentsLength(int(LifeEvent::EnteredNameLength));
    acceptOnEnter(m_name, this);
    m_date.create(this);
    m_date.fillEras(s.Strings);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("&Event:"), this), 0, 0);
    grid->addWidget(m_name, 0, 1, 1, 4);
    grid->addWidget(new QLabel(tr("year"), this), 1, 2);
    grid->addWidget(new QLabel(tr("month"), this), 1, 3);
    grid->addWidget(new QLabel(tr("day"), this), 1, 4);
    auto* dateLabel = new QLabel(tr("&Date:"), this);
    dateLabel->setBuddy(m_date.era);
    qobject_cast<QLabel*>(grid->itemAtPosition(0, 0)->widget())->setBuddy(m_name);
    grid->addWidget(dateLabel, 2, 0);
    grid->addWidget(m_date.era, 2, 1);
    grid->addWidget(m_date.year, 2, 2);
    grid->addWidget(m_date.month, 2, 3);
    grid->addWidget(m_date.day, 2, 4);
    grid->setColumnStretch(5, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TLifeEventDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_name->setEditText(fromCp1250(fixedText(m_event.name)));
    m_date.show(m_event.date);
    chainTabOrder({m_name, m_date.era, m_date.year, m_date.month, m_date.day});
    m_name->setFocus();
}

void TLifeEventDialog::accept() {
    BirthEntry entry;
    m_date.read(entry);
    entry.gregorian = m_event.date.gregorian != 0;
    CalDate date;
    if (const int message = checkEntryDate(entry, date); message != EntryValid) {
        m_ctx.errors.error(this, entryErrorText(m_ctx.strings(), message));
        (message == InvalidYear ? m_date.year : m_date.day)->setFocus();
        return;
    }
    m_event.date = date;
    setFixedText(m_event.name, toCp1250(m_name->currentText()), LifeEvent::EnteredNameLength);
    TMyDialog::accept();
}
