#include "TTownChoice.h"

#include <QButtonGroup>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "AppContext.h"
#include "ApplyTown.h"
#include "BirthData.h"
#include "FixedText.h"
#include "Prompts.h"
#include "QtText.h"
#include "TPrefixDialog.h"
#include "TTownsDialog.h"
#include "TownDatabase.h"

namespace {

constexpr int OwnPlace = 0, AtTown = 1;
constexpr int TownLabelMinWidth = 200;

}  // namespace

TTownChoice::TTownChoice(QWidget* parent, AppContext& ctx, const QString& title, const QString& ownText,
                         const QString& ownName, std::string town)
    : QGroupBox(title, parent), m_ctx(ctx), m_town(std::move(town)), m_places(new QButtonGroup(this)) {
    auto* own = new QRadioButton(ownText, this);
    auto* atTown = new QRadioButton(tr("a t&own:"), this);
    m_townLabel = new QLabel(this);
    m_townButton = new QPushButton(tr("T&own..."), this);
    own->setObjectName(ownName);
    atTown->setObjectName(QStringLiteral("atTown"));
    m_places->addButton(own, OwnPlace);
    m_places->addButton(atTown, AtTown);
    m_townLabel->setMinimumWidth(TownLabelMinWidth);
    m_townButton->setAutoDefault(false);  // Enter confirms the dialog
    auto* layout = new QGridLayout(this);
    layout->addWidget(own, 0, 0, 1, 3);
    layout->addWidget(atTown, 1, 0);
    layout->addWidget(m_townLabel, 1, 1);
    layout->addWidget(m_townButton, 1, 2);

    m_places->button(m_town.empty() ? OwnPlace : AtTown)->setChecked(true);
    showTown();
    updateEnabled();
    connect(m_places, &QButtonGroup::idClicked, this, [this](int id) {
        if (id == AtTown && m_town.empty())
            chooseTown();
        updateEnabled();
        emit changed();
    });
    connect(m_townButton, &QPushButton::clicked, this, [this] {
        chooseTown();
        emit changed();
    });
}

std::string TTownChoice::town() const { return atTown() ? m_town : std::string(); }

bool TTownChoice::atTown() const { return m_places->checkedId() == AtTown; }

void TTownChoice::setChoosable(bool choosable) {
    m_choosable = choosable;
    updateEnabled();
}

void TTownChoice::chooseTown() {
    TPrefixDialog prefix(window(), m_ctx.memory.townPrefix);
    if (m_ctx.prompts().runModal(prefix) != QDialog::Accepted) {
        if (m_town.empty())
            m_places->button(OwnPlace)->setChecked(true);
        return;
    }
    const TownRecord* chosen = nullptr;
    TTownsDialog list(window(), m_ctx, m_ctx.memory.townPrefix, chosen);
    if (m_ctx.prompts().runModal(list) == QDialog::Accepted && chosen) {
        BirthMoment named;
        ApplyTown(m_ctx.towns, *chosen, named, ApplyNoZone);
        m_town = std::string(fixedText(named.town));
        m_places->button(AtTown)->setChecked(true);
    } else if (m_town.empty()) {
        m_places->button(OwnPlace)->setChecked(true);
    }
    showTown();
    updateEnabled();
}

void TTownChoice::showTown() {
    m_townLabel->setText(m_town.empty() ? QString() : fromCp1250(m_town.c_str()));
}

void TTownChoice::updateEnabled() {
    for (QAbstractButton* b : m_places->buttons())
        b->setEnabled(m_choosable);
    m_townButton->setEnabled(m_choosable);
    m_townLabel->setEnabled(m_choosable && atTown());
}
