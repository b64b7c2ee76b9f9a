#pragma once
#include "TMyDialog.h"

class AppContext;

class QLineEdit;
class QListView;
class QPushButton;
class TownListModel;
struct TownRecord;

// The towns whose names match a search text, refilled as the text is typed; the user towns
// can be created, edited and deleted here, and each change is saved at once. OK puts the
// selected town into the caller's slot.
class TTownsDialog : public TMyDialog {
    Q_OBJECT
public:
    TTownsDialog(QWidget* parent, AppContext& ctx, const QString& searchText, const TownRecord*& chosen, const QString& caption = {});

    const TownRecord* selectedTown() const;
    // Refills the list for the search text, selecting `select` or else the first town.
    void refill(const TownRecord* select = nullptr);

public slots:
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void updateButtons();
    void newTown();
    void editTown();
    void deleteTown();
    // Saves the user towns; a failure is told, the towns stay changed in memory.
    void saveUserTowns();

    AppContext& m_ctx;
    const TownRecord*& m_chosen;
    QLineEdit* m_search;
    QListView* m_view;
    TownListModel* m_model;
    QPushButton* m_ok;
    QPushButton* m_edit;
    QPushButton* m_delete;
};
