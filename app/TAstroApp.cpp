#include "TAstroApp.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QMessageBox>

#include "ChartFonts.h"
#include "Ephemeris.h"
#include "FixedText.h"
#include "OptionsLoader.h"
#include "QtText.h"
#include "UserFolder.h"
#include "WindowPlacementQt.h"

#include "LanguageSetting.h"
#include "TAstroClient.h"
#include "TAstroFrame.h"
#include "TAstroStatusBar.h"

TAstroApp::TAstroApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName("Zodikeon");
    setOrganizationName("Zodikeon");
    setApplicationDisplayName(Name);
    setWindowIcon(QIcon(QStringLiteral(":/zodikeon/zodikeon.png")));
    setDesktopFileName(QStringLiteral("zodikeon"));
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
    setOverrideCursor(Qt::WaitCursor);
    loadChartFonts();
    applyLanguage(storedLanguage());
    if (const std::string error = prepareProgramFolder(m_state, programFolder.toStdString()); !error.empty()) {
        restoreOverrideCursor();
        m_state.StartupFailed = true;
        if (!quietErrors)
            QMessageBox::warning(nullptr, fromCp1250(m_state.Strings[319]),
                                 QCoreApplication::translate("UserFolder", "Zodikeon cannot set up the folder for your charts and settings:\n%1")
                                     .arg(QString::fromLocal8Bit(error)));
        return false;
    }
    m_ephemeris = startEphemeris(m_state.EphemerisPath);

    const OptionsLoadResult loaded = LoadStartupOptions(m_state.Options, m_state.ProgramFolder, m_state.Strings);
    if (!loaded.ok) {
        restoreOverrideCursor();
        m_state.StartupFailed = true;
        if (!quietErrors)
            QMessageBox::warning(nullptr, fromCp1250(m_state.Strings[319]), fromCp1250(m_state.Strings[608]));
        return false;
    }

    m_printers = loadPrinterList(tr("PDF file"));
    // The towns and time zones, from the paths that the options were given.
    const TOptions& o = m_state.Options;
    const auto path = [](const PathText& p) { return std::string(fixedText(p)); };
    LoadTownDatabase(m_towns,
                     {path(o.times_file), path(o.user_times_file), path(o.towns_file), path(o.user_towns_file),
                      path(o.town_exclusions_file)},
                     m_state.Strings);

    m_frame = std::make_unique<TAstroFrame>();
    m_frame->client()->installMenu(m_frame.get());
    restoreOverrideCursor();

    const WindowPlacement& placement = m_state.Options.window_placements[PlacementFrame];
    if (placement.showCmd != 0)
        applyPlacement(*m_frame, placement);
    else
        m_frame->showMaximized();
    m_frame->client()->showIntro();

    // Problems that do not stop the program are said once it is on the screen.
    if (!quietErrors) {
        if (!loaded.dignityMessage.empty())
            QMessageBox::warning(m_frame.get(), fromCp1250(m_state.Strings[319]), fromCp1250(loaded.dignityMessage));
        if (m_ephemeris.state != EphemerisFolder::Ready)
            QMessageBox::warning(m_frame.get(), fromCp1250(m_state.Strings[319]),
                                 tr("No ephemeris files were found in %1.\n\nThe planets are computed from the "
                                    "library's built-in theory, with less precision; the minor bodies cannot be "
                                    "computed.")
                                     .arg(QString::fromStdString(m_state.EphemerisPath)));
    }
    return true;
}

void TAstroApp::SwitchLanguage(std::uint16_t languageId) {
    if (languageId == m_state.LanguageId)
        return;
    storeLanguage(languageId);  // not kept for the next start when it cannot be stored
    applyLanguage(languageId);
    if (!m_frame)
        return;
    m_frame->client()->installMenu(m_frame.get());
    TAstroStatusBar* bar = m_frame->astroStatusBar();
    if (bar->builtWithWineWorkaround() != bool(m_state.Options.display.wine_workaround))
        bar->rebuild(m_state.Options.display.wine_workaround);
    // Every chart is computed again so that its texts appear in the new language.
    m_frame->client()->recomputeAll();
}

void TAstroApp::showStatusMessage(const QString& text) {
    if (m_frame)
        m_frame->astroStatusBar()->setMessage(text);
}

void TAstroApp::lastFilesChanged() {
    if (m_frame)
        m_frame->client()->rebuildLastFiles();
}
