#pragma once
// The handlers and enablers of the frame's commands, and the command table's rows built from
// them. Commands that concern one chart act on the active chart window.
#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "CommandTable.h"
#include "Options.h"
#include "TCollationDialog.h"
#include "TProgressionDialog.h"
#include "TReturnDialog.h"
#include "TTransitPeriodDialog.h"

class AppContext;
class TAstroFrame;
class TAstroClient;
class THoroWindow;
class TRadixWindow;
struct PrintSession;

class AppCommands : public QObject {
    Q_OBJECT
public:
    AppCommands(AppContext& ctx, TAstroFrame& frame, std::function<void(std::uint16_t)> switchLanguage);
    ~AppCommands() override;

    // One row per command: the whole command table of the frame.
    std::vector<CommandRow> rows();

    // After an option that shapes the calculation changed: auto save, then every chart is
    // computed again.
    void optionsChanged();
    // Reads the options file `path` chosen for Retrieve: on success the settings name it and
    // every chart is computed again; a file that is not an options file changes nothing and is
    // said so, as is an error in the dignity data file read with it.
    void retrieveOptionsFrom(const QString& path);

private:
    TAstroClient& client() const;
    THoroWindow* activeWindow() const;
    TRadixWindow* activeChart() const;
    bool hasChart() const;
    bool hasNatalChart() const;
    // A list window of its own (transits, directions) answers the program's keys for leaving
    // and for the manual too, not only the frame: a person reading a list expects Ctrl+Q and F1
    // to work where the keyboard focus is. Alt+F4 stays the window manager's, closing the list.
    void lendProgramKeys(QWidget& window);

    // Horoscope menu
    void newChart();
    void personalData();
    void open();
    // Import towns: a town file of this or an older installation into the user towns.
    void importTowns();
    // Import charts: an AAF or CSV file into a folder of horoscope files, with a report.
    void importCharts();
    // Export open charts: the charts of the open chart windows into an AAF or CSV file.
    void exportOpenCharts();
    void save();
    void saveAs();
    void print();
    void collate();
    // Transits: the window of the active chart for a period chosen first, and the selection.
    void showTransits();
    void editTransitSelection();
    void exit();
    // Options menu
    void setHouseSystem(int system);
    void setNodeType(int type);
    void toggleAutoSave();
    void saveOptions();
    void retrieveOptions();
    void editOrbs();
    void editDignities();
    void editScores();
    // Display options, symbols and colours: the dialog edits a copy, OK takes it over, saves it
    // when automatic saving is on and shows it everywhere at once.
    void editDisplay1();
    void editDisplay2();
    void editSymbols();
    void editColors();
    void takeDisplayOptions(const TOptions& edited);
    // Every chart computed again under the wait cursor.
    void recomputeWaiting();
    // Window menu and keys
    void arrangeIcons();
    void closeAll();
    void closeActive();
    void navigate(int id);
    void toggleInnerOuter();
    // Help menu
    void openManual();
    void openWebsite();
    void about();

    AppContext& m_ctx;
    TAstroFrame& m_frame;
    std::function<void(std::uint16_t)> m_switchLanguage;
    std::unique_ptr<PrintSession> m_printSession;  // printer and page set-up of the Print command
    // What the option dialogs showed last, shown first again while the program runs.
    struct OptionDialogChoices {
        int aspect = 0;       // orb row: Conjunction
        int dignityBody = 0;  // Sun
        int dignityKind = 0;  // domicile
    };
    OptionDialogChoices m_choices;
    CollationChoice m_collationChoice;  // the Collation dialog's last choice, for the run

    // Returns, progressions, the midtime chart and the direction settings.
    std::vector<CommandRow> whenRows();
    void castReturn();
    void showProgressions();
    void castMidtime();
    void editDirections();
    ReturnChoice m_returnChoice;            // the Return dialog's last choice, for the run
    ProgressionChoice m_progressionChoice;  // the Progressions dialog's last choice, for the run
    TransitPeriod m_transitPeriod;      // the transits window's last period, for the run

    // Primary and secondary directions, their selections and the rectification.
    std::vector<CommandRow> directionRows();
    void showDirections(bool primary);
    void showRectification();
    void editDirectionSelection(bool primary);
};
