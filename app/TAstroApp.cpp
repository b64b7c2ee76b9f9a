#include "TAstroApp.h"

#include <QLibraryInfo>

#include "LanguageSetting.h"
#include "TAstroClient.h"
#include "TAstroFrame.h"

TAstroApp::TAstroApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName("Zodikeon");
    setOrganizationName("Zodikeon");
    setApplicationDisplayName(Name);
}

TAstroApp::~TAstroApp() = default;

void TAstroApp::applyLanguage(std::uint16_t languageId) {
    m_state.LanguageId = languageId;
    removeTranslator(&m_appTranslator);
    removeTranslator(&m_qtTranslator);
    if (languageId == LanguageHungarian) {
        if (m_appTranslator.load(QStringLiteral(":/i18n/zodikeon_hu.qm")))
            installTranslator(&m_appTranslator);
        // Qt's own texts (standard buttons, file dialogs) when the system has them.
        if (m_qtTranslator.load(QStringLiteral("qtbase_hu"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            installTranslator(&m_qtTranslator);
    }
    LoadStrings(m_state);
}

bool TAstroApp::start(const QString& programFolder) {
    applyLanguage(storedLanguage());
    SetProgramFolder(m_state, programFolder.toStdString());
    m_frame = std::make_unique<TAstroFrame>();
    m_frame->client()->installMenu(m_frame.get());
    m_frame->showMaximized();
    m_frame->client()->showIntro();
    return true;
}

void TAstroApp::SwitchLanguage(std::uint16_t languageId) {
    if (languageId == m_state.LanguageId)
        return;
    storeLanguage(languageId);  // not kept for the next start when it cannot be stored
    applyLanguage(languageId);
    if (m_frame)
        m_frame->client()->installMenu(m_frame.get());
}
