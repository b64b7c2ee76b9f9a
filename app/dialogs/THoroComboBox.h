#pragma once
#include <QWidget>
#include <vector>

struct HoroscopeEntry;
struct HoroscopeListing;
class QLineEdit;
class QListView;
class HoroscopeEntryModel;

// The horoscope browser's list, built like a simple combo box: an edit field for the search
// text above a list that is always open. Each item carries its listing entry and is drawn in
// three columns (person's name, horoscope type, file name) whose positions are measured once
// per listing, from every entry of it.
class THoroComboBox : public QWidget {
    Q_OBJECT
public:
    explicit THoroComboBox(QWidget* parent = nullptr);

    QLineEdit* edit() const { return m_edit; }
    QListView* list() const { return m_list; }

    // The listing whose entries are shown; its column positions are measured on first drawing.
    void setListing(HoroscopeListing* listing);
    // Replaces the items (without redrawing in between); nothing is selected afterwards.
    void setEntries(std::vector<const HoroscopeEntry*> entries);
    int count() const;
    const HoroscopeEntry* entry(int row) const;  // nullptr outside the rows
    int currentRow() const;                      // -1 without a selection
    void setCurrentRow(int row);
    void removeRow(int row);

signals:
    // The user changed the search text.
    void searchEdited(const QString& text);
    // The selection moved (also to none).
    void currentRowChanged(int row);
    // An item was double-clicked: confirm it.
    void itemConfirmed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_edit;
    QListView* m_list;
    HoroscopeEntryModel* m_model;
};
