#pragma once
#include <QElapsedTimer>
#include <string>

#include "TMyDialog.h"

class AppContext;

struct HoroscopeBrowserMemory;
struct HoroscopeListing;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class THoroComboBox;
class ElidedLabel;

// The horoscope browser behind Open: every horoscope file of one folder, sorted by the
// person's name and narrowed by a search text, with the birth data and notes of the selected
// one. OK hands the chosen file's full path (the file system's bytes) to the caller.
class TDatabaseDialog : public TMyDialog {
    Q_OBJECT
public:
    static constexpr int MaxSearchText = 79;

    // `path` receives the chosen file on OK. The folder starts as the last one used.
    TDatabaseDialog(QWidget* parent, AppContext& ctx, std::string& path);
    ~TDatabaseDialog() override;

    // The listing of the run (in the context): rebuilt at every opening and by Refresh or a
    // folder change.
    HoroscopeListing& listing();
    // The search text of the run, kept from one opening to the next.
    QString& searchText();

    // Rebuilds the listing of the current folder, the counters moving while it runs.
    void ScanFolder();
    // Refills the list from the listing with the entries matching `search`; selects the first.
    void FillList(const QString& search);
    // The counters and the selected entry's birth data and notes.
    void ShowDetails();
    // Asks, then deletes the selected entry's file.
    void DeleteSelected();
    // Exports the charts the list shows (all of the folder, or those the search text leaves).
    void exportListed();
    // Lets the user pick another folder and lists it.
    void changeFolder();

    std::string folder() const { return m_folder; }
    bool isScanning() const { return m_scanning; }
    // True once the first listing of this opening is complete.
    bool isListed() const { return m_listed; }
    THoroComboBox* list() const { return m_list; }
    QString countersText() const;
    // How many files the listing left out, when any.
    QString skippedText() const;
    QString momentText() const;
    QString placeText() const;
    QString notesText() const;

public slots:
    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void setScanning(bool scanning);
    bool scanProgress(std::size_t found);

    AppContext& m_ctx;
    std::string& m_path;
    std::string m_folder;
    THoroComboBox* m_list;
    ElidedLabel* m_folderLabel;
    QLabel* m_folderCaption;
    QLabel* m_searchCaption;
    QPushButton* m_change;
    QPushButton* m_refresh;
    QPushButton* m_delete;
    QPushButton* m_export;
    QPushButton* m_ok;
    QLabel* m_counters;
    QLabel* m_skipped;
    QLabel* m_moment;
    QLabel* m_place;
    QLabel* m_notesCaption;
    QPlainTextEdit* m_notes;
    class QGroupBox* m_details;
    QElapsedTimer m_sinceRepaint;
    bool m_started = false;
    bool m_scanning = false;
    bool m_listed = false;
    bool m_cancelRequested = false;
    bool m_folderUnreadable = false;
};

// Forgets the browser's listing: a chart was saved, so the next opening lists afresh.
void discardHoroscopeListing(HoroscopeBrowserMemory& browser);
