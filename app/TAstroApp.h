#pragma once
#include <QApplication>
#include <QTranslator>
#include <memory>

#include "AppState.h"
#include "Ephemeris.h"
#include "PrinterList.h"
#include "TownDatabase.h"

class TAstroFrame;

// The application: process-wide state, the interface language and the single main window.
class TAstroApp : public QApplication {
    Q_OBJECT
public:
    static constexpr const char* Name = "Zodikeon Free";

    TAstroApp(int& argc, char** argv);
    ~TAstroApp() override;

    static TAstroApp* instance() { return qobject_cast<TAstroApp*>(QCoreApplication::instance()); }
    AppState& state() { return m_state; }
    const PrinterList& printers() const { return m_printers; }
    TAstroFrame* frame() const { return m_frame.get(); }
    // The town and time-zone database of the run, loaded at start-up after the options.
    TownDatabase& towns() { return m_towns; }

    // Performs the start-up work and shows the frame; false when the program cannot start.
    bool start(const QString& programFolder = {});

    // Changes the interface language of menus, dialogs, texts by id and every chart.
    void SwitchLanguage(std::uint16_t languageId);
    // Installs the translators of a language without persisting it (start-up and tests).
    void applyLanguage(std::uint16_t languageId);

    // The status bar's message field ("Horoscope saved to ...").
    void showStatusMessage(const QString& text);
    // The recently-used list changed: the menu entries are rebuilt.
    void lastFilesChanged();
    // Start-up failed with this message (shown in a box unless `quiet`); the exit code is 1.
    static inline bool quietErrors = false;

private:
    AppState m_state;
    std::unique_ptr<TAstroFrame> m_frame;
    QTranslator m_appTranslator;
    QTranslator m_qtTranslator;
    EphemerisStart m_ephemeris;
    PrinterList m_printers;
    TownDatabase m_towns;
};
