#include "TAstroApp.h"

#include <QIcon>
#include <QLibraryInfo>

#include "ChartFonts.h"
#include "Ephemeris.h"
#include "FixedText.h"
#include "OptionsLoader.h"
#include "QtText.h"
#include "StringIds.h"
#include "UserFolder.h"
#include "WindowPlacementQt.h"

#include "LanguageSetting.h"
#include "PrinterList.h"
#include "TAstroClient.h"
#include "TAstroFrame.h"

TAstroApp::TAstroApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName("Zodikeon");
    setOrganizationName("Zodikeon");
    // No display name: Qt would append it to every caption, and the frame's caption already
    // carries the program's name once ("Zodikeon Free - [chart]").
    setWindowIcon(QIcon(QStringLiteral(":/zodikeon/zodikeon.png")));
    setDesktopFileName(QStringLiteral("zodikeon"));
}

TAstroApp::~TAstroApp() = default;

void TAstroApp::applyLanguage(std::uint16_t languageId) {
    m_ctx.state.LanguageId = languageId;
    removeTranslator(&m_appTranslator);
    removeTranslator(&m_qtTranslator);
    if (languageId == LanguageHungarian) {
        if (m_appTranslator.load(QStringLiteral(":/i18n/zodikeon_hu.qm")))
            installTranslator(&m_appTranslator);
        // Qt's own texts (standard buttons, file dialogs) when the system has them.
        if (m_qtTranslator.load(QStringLiteral("qtbase_hu"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            installTranslator(&m_qtTranslator);
    }
    LoadStrings(m_ctx.state);
}

bool TAstroApp::start(const QString& programFolder) {
    AppState& s = m_ctx.state;
    setOverrideCursor(Qt::WaitCursor);
    const bool fontsLoaded = loadChartFonts();
    applyLanguage(storedLanguage());
    if (const std::string error = prepareProgramFolder(s, programFolder.toStdString()); !error.empty()) {
        restoreOverrideCursor();
        s.StartupFailed = true;
        m_ctx.errors.error(nullptr, QCoreApplication::translate("UserFolder", "Zodikeon cannot set up the folder for your charts and settings:\n%1")
                                        .arg(QString::fromLocal8Bit(error)));
        return false;
    }
    m_ephemeris = startEphemeris(s.EphemerisPath);

    const OptionsLoadResult loaded = LoadStartupOptions(s.Options, s.ProgramFolder, s.Strings);
    if (!loaded.ok) {
        restoreOverrideCursor();
        s.StartupFailed = true;
        m_ctx.errors.errorId(nullptr, StrId::NoValidOptionsFile);
        return false;
    }

    m_ctx.printers = loadPrinterList(tr("PDF file"));
    // The towns and time zones, from the paths that the options were given.
    const TOptions& o = s.Options;
    const auto path = [](const PathText& p) { return std::string(fixedText(p)); };
    LoadTownDatabase(m_ctx.towns,
                     {path(o.times_file), path(o.user_times_file), path(o.towns_file), path(o.user_towns_file),
                      path(o.town_exclusions_file), townAliasesBeside(path(o.towns_file))},
                     s.Strings);
    const bool townsLoaded = !m_ctx.towns.mainTowns.empty() && !m_ctx.towns.mainZones.empty();

    m_frame = std::make_unique<TAstroFrame>(m_ctx, [this](std::uint16_t id) { SwitchLanguage(id); });
    m_frame->installMenu();
    restoreOverrideCursor();

    const WindowPlacement& placement = o.window_placements[PlacementFrame];
    if (placement.showCmd != 0)
        applyPlacement(*m_frame, placement);
    else
        m_frame->showMaximized();
    m_frame->client()->showIntro();

    // Problems that do not stop the program are said once it is on the screen.
    if (!loaded.dignityMessage.empty())
        m_ctx.errors.error(m_frame.get(), fromCp1250(loaded.dignityMessage));
    if (m_ephemeris.state != EphemerisFolder::Ready)
        m_ctx.errors.error(m_frame.get(),
                           tr("No ephemeris files were found in %1.\n\nThe planets are computed from the "
                              "library's built-in theory, with less precision; the minor bodies cannot be "
                              "computed.")
                               .arg(QString::fromStdString(s.EphemerisPath)));
    if (!townsLoaded)
        m_ctx.errors.error(m_frame.get(), tr("The town and time-zone files could not be read (%1).\n\n"
                                             "Towns cannot be chosen by name; positions and zones can still be "
                                             "typed in.")
                                              .arg(QString::fromStdString(path(o.towns_file))));
    if (!fontsLoaded)
        m_ctx.errors.error(m_frame.get(), tr("The program's symbol font could not be loaded: the glyphs of the "
                                             "planets and signs may be missing from the charts."));
    return true;
}

void TAstroApp::SwitchLanguage(std::uint16_t languageId) {
    if (languageId == m_ctx.state.LanguageId)
        return;
    storeLanguage(languageId);  // not kept for the next start when it cannot be stored
    applyLanguage(languageId);
    if (m_frame)
        m_frame->retranslate();
}
