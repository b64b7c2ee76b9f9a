#include "TEventsDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "Prompts.h"
#include "LifeEventEdit.h"
#include "QtText.h"
#include "AppContext.h"
#include "StringIds.h"
#include "TLifeEventDialog.h"

namespace {


}  // namespace

TEventsDialog::TEventsDialog(QWidget* parent, AppContext& ctx, LifeEventList& list, const QString& caption)
    : TMyDialog(parent, caption), m_ctx(ctx), m_list(list), m_work(list), m_lines(new QListWidget(this)) {
    setWindowTitle(tr("Life Events for Correction"));
    m_lines->setObjectName(QStringLiteral("events"));
    m_lines->setUniformItemSizes(true);
    const QFontMetrics fm(m_lines->font());
    // Room for the mark, a date and a long name; 12 lines without scrolling.
    m_lines->setMinimumSize(fm.horizontalAdvance(QString(50, QLatin1Char('n'))), fm.lineSpacing() * 12 + 8);

    auto* newButton = new QPushButton(tr("&New..."), this);
    m_edit = new QPushButton(tr("&Edit..."), this);
    m_delete = new QPushButton(tr("&Delete"), this);
    m_select = new QPushButton(tr("&Select"), this);
    newButton->setObjectName(QStringLiteral("new"));
    m_edit->setObjectName(QStringLiteral("edit"));
    m_delete->setObjectName(QStringLiteral("delete"));
    m_select->setObjectName(QStringLiteral("select"));
    for (QPushButton* b : {newButton, m_edit, m_delete, m_select})
        b->setAutoDefault(false);
    connect(newButton, &QPushButton::clicked, this, &TEventsDialog::newEvent);
    connect(m_edit, &QPushButton::clicked, this, &TEventsDialog::editEvent);
    connect(m_delete, &QPushButton::clicked, this, &TEventsDialog::deleteEvent);
    connect(m_select, &QPushButton::clicked, this, &TEventsDialog::toggleEvent);
    connect(m_lines, &QListWidget::itemDoubleClicked, this, &TEventsDialog::editEvent);
    connect(m_lines, &QListWidget::currentRowChanged, this, &TEventsDialog::updateButtons);

    auto* side = new QVBoxLayout;
    for (QPushButton* b : {newButton, m_edit, m_delete, m_select})
        side->addWidget(b);
    side->addStretch(1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TEventsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    side->addWidget(buttons);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_lines, 1);
    layout->addLayout(side);

    refill(0);
    m_lines->setFocus();
}

int TEventsDialog::currentRow() const {
    return m_lines->currentRow();
}

void TEventsDialog::accept() {
    m_list = m_work;
    TMyDialog::accept();
}

void TEventsDialog::refill(int select) {
    const StringTable& strings = m_ctx.state.Strings;
    m_lines->clear();
    const int count = lifeEventCount(m_work);
    for (int i = 0; i < count; ++i)
        m_lines->addItem(fromCp1250(lifeEventLine(m_work.events[static_cast<std::size_t>(i)], strings)));
    if (select >= 0 && select < count)
        m_lines->setCurrentRow(select);
    updateButtons();
}

void TEventsDialog::updateButtons() {
    const bool any = m_lines->currentRow() >= 0;
    m_edit->setEnabled(any);
    m_delete->setEnabled(any);
    m_select->setEnabled(any);
}

void TEventsDialog::newEvent() {
    if (lifeEventCount(m_work) >= LifeEventList::Capacity) {
        m_ctx.errors.errorId(this, StrId::NoMoreLifeEvents);
        return;
    }
    LifeEvent event = newLifeEvent();
    TLifeEventDialog dialog(this, m_ctx, event);
    if (m_ctx.prompts().runModal(dialog) != QDialog::Accepted)
        return;
    refill(insertLifeEvent(m_work, event));
}

void TEventsDialog::editEvent() {
    const int row = m_lines->currentRow();
    if (row < 0 || row >= lifeEventCount(m_work))
        return;
    // The list keeps its order after an edit, even when the date moves.
    TLifeEventDialog dialog(this, m_ctx, m_work.events[static_cast<std::size_t>(row)]);
    if (m_ctx.prompts().runModal(dialog) == QDialog::Accepted)
        refill(row);
}

void TEventsDialog::deleteEvent() {
    const int row = m_lines->currentRow();
    if (row < 0)
        return;
    refill(removeLifeEvent(m_work, row));
}

void TEventsDialog::toggleEvent() {
    const int row = m_lines->currentRow();
    if (toggleLifeEvent(m_work, row))
        refill(row);
}
