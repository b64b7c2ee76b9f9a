#include "TAstroApp.h"

#include "ChartFonts.h"
#include "LanguageSetting.h"
#include "TAstroFrame.h"

TAstroApp::TAstroApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName("Zodikeon");
    setOrganizationName("Zodikeon");
    setApplicationDisplayName(Name);
}

TAstroApp::~TAstroApp() = default;

bool TAstroApp::start(const QString& programFolder) {
    m_state.LanguageId = storedLanguage();
    LoadStrings(m_state);
    SetProgramFolder(m_state, programFolder.toStdString());
    // The symbol font and the narrow label font travel inside the program.
    loadChartFonts();
    m_frame = std::make_unique<TAstroFrame>();
    m_frame->showMaximized();
    return true;
}
