#include "TTownsDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "DialogRun.h"
#include "QtText.h"
#include "AppContext.h"
#include "StringIds.h"
#include "TTownDataDialog.h"
#include "TownDatabase.h"
#include "TownListModel.h"

TTownsDialog::TTownsDialog(QWidget* parent, AppContext& ctx, const QString& searchText,
                           const TownRecord*& chosen, const QString& caption)
    : TMyDialog(parent, caption), m_ctx(ctx), m_chosen(chosen), m_search(new QLineEdit(this)), m_view(new QListView(this)),
      m_model(new TownListModel(this)) {
    setWindowTitle(tr("Towns"));
    m_search->setObjectName(QStringLiteral("search"));
    m_search->setPlaceholderText(tr("Beginning of the name, then other words of it"));
    m_search->setClearButtonEnabled(true);
    m_view->setObjectName(QStringLiteral("towns"));
    m_view->setModel(m_model);
    m_view->setItemDelegate(new TownRowDelegate(m_view));
    m_view->setUniformItemSizes(true);  // the view never measures more than the rows it shows
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setFocusPolicy(Qt::ClickFocus);
    const QFontMetrics fm(m_view->font());
    // Room for a name of a chart's length and the position column beside it.
    m_view->setMinimumSize(fm.horizontalAdvance(QString(44, QLatin1Char('n'))) + fm.horizontalAdvance(QStringLiteral("00°00′ N  000°00′ W  ")),
                           fm.lineSpacing() * 18);

    auto* newButton = new QPushButton(tr("&New..."), this);
    m_edit = new QPushButton(tr("&Edit..."), this);
    m_delete = new QPushButton(tr("&Delete"), this);
    newButton->setObjectName(QStringLiteral("new"));
    m_edit->setObjectName(QStringLiteral("edit"));
    m_delete->setObjectName(QStringLiteral("delete"));
    for (QPushButton* b : {newButton, m_edit, m_delete})
        b->setAutoDefault(false);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);

    auto* side = new QVBoxLayout;
    side->addWidget(newButton);
    side->addWidget(m_edit);
    side->addWidget(m_delete);
    side->addStretch(1);
    side->addWidget(buttons);
    auto* list = new QVBoxLayout;
    list->addWidget(m_search);
    list->addWidget(m_view, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(list, 1);
    layout->addLayout(side);

    connect(buttons, &QDialogButtonBox::accepted, this, &TTownsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(newButton, &QPushButton::clicked, this, &TTownsDialog::newTown);
    connect(m_edit, &QPushButton::clicked, this, &TTownsDialog::editTown);
    connect(m_delete, &QPushButton::clicked, this, &TTownsDialog::deleteTown);
    connect(m_view, &QListView::doubleClicked, this, &TTownsDialog::accept);
    connect(m_search, &QLineEdit::textChanged, this, [this] { refill(); });

    m_search->setText(searchText);  // fills the list
    if (searchText.isEmpty())
        refill();
    m_search->installEventFilter(this);
    m_search->setFocus();
}

void TTownsDialog::showEvent(QShowEvent* event) {
    TMyDialog::showEvent(event);
    // Typing goes on after the prefix instead of replacing it.
    QTimer::singleShot(0, m_search, [this] {
        m_search->deselect();
        m_search->end(false);
    });
}

const TownRecord* TTownsDialog::selectedTown() const {
    return m_model->town(m_view->currentIndex().row());
}

void TTownsDialog::refill(const TownRecord* select) {
    m_model->setList(FillTownList(m_ctx.towns, toCp1250(m_search->text()), select), &m_ctx.towns);
    const int row = m_model->list().selected;
    if (row >= 0) {
        const QModelIndex index = m_model->index(row);
        m_view->setCurrentIndex(index);
        m_view->scrollTo(index, QAbstractItemView::PositionAtCenter);
    }
    // The selection model is replaced with the rows: follow it again.
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this, &TTownsDialog::updateButtons,
            Qt::UniqueConnection);
    updateButtons();
}

void TTownsDialog::updateButtons() {
    const TownRecord* town = selectedTown();
    m_ok->setEnabled(town != nullptr);
    m_edit->setEnabled(town != nullptr);
    m_delete->setEnabled(town && isUserTown(m_ctx.towns, town));
}

bool TTownsDialog::eventFilter(QObject* watched, QEvent* event) {
    // The arrow and page keys move through the list while the search text has the focus.
    if (watched == m_search && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
            QApplication::sendEvent(m_view, event);
            return true;
        }
    }
    return TMyDialog::eventFilter(watched, event);
}

void TTownsDialog::accept() {
    const TownRecord* town = selectedTown();
    if (!town)
        return;
    m_chosen = town;
    TMyDialog::accept();
}

// The list is refilled before saving: its rows point into the user towns, and the message of a
// failed save lets the list repaint.
void TTownsDialog::saveUserTowns() {
    if (!SaveUserTowns(m_ctx.towns, m_ctx.state.Strings))
        m_ctx.errors.error(this, tr("The user towns could not be saved to %1.").arg(fromCp1250(m_ctx.towns.paths.userTowns)));
}

void TTownsDialog::newTown() {
    TownRecord record;
    TTownDataDialog dialog(this, m_ctx, record);
    if (runModal(dialog) != QDialog::Accepted)
        return;
    refill(InsertUserTowns(m_ctx.towns, {&record, 1}));
    saveUserTowns();
}

void TTownsDialog::editTown() {
    const TownRecord* selected = selectedTown();
    if (!selected)
        return;
    TownRecord copy = *selected;
    TTownDataDialog dialog(this, m_ctx, copy);
    if (runModal(dialog) != QDialog::Accepted)
        return;
    // A main town stays as it is: the edited copy becomes a user town.
    if (isUserTown(m_ctx.towns, selected))
        RemoveUserTown(m_ctx.towns, selected);
    refill(InsertUserTowns(m_ctx.towns, {&copy, 1}));
    saveUserTowns();
}

void TTownsDialog::deleteTown() {
    const TownRecord* selected = selectedTown();
    if (!selected || !isUserTown(m_ctx.towns, selected))
        return;
    const QString question =
        fromCp1250(m_ctx.state.Strings[StrId::DeleteTownQuestion]).replace(QStringLiteral("%s"), fromCp1250(townName(*selected)));
    if (!askYesNo(this, fromCp1250(m_ctx.state.Strings[StrId::DeleteTown]), question))
        return;
    RemoveUserTown(m_ctx.towns, selected);
    refill();
    saveUserTowns();
}
