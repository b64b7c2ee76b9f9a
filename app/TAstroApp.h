#pragma once
#include <QApplication>
#include <QTranslator>
#include <memory>

#include "AppContext.h"
#include "Ephemeris.h"

class TAstroFrame;

// The application: the context of the run, the interface language and the single main window.
class TAstroApp : public QApplication {
    Q_OBJECT
public:
    static constexpr const char* Name = "Zodikeon Free";

    TAstroApp(int& argc, char** argv);
    ~TAstroApp() override;

    AppContext& context() { return m_ctx; }
    AppState& state() { return m_ctx.state; }
    TAstroFrame* frame() const { return m_frame.get(); }

    // Performs the start-up work and shows the frame; false when the program cannot start.
    bool start(const QString& programFolder = {});

    // Changes the interface language of menus, dialogs, texts by id and every chart.
    void SwitchLanguage(std::uint16_t languageId);
    // Installs the translators of a language without persisting it (start-up and tests).
    void applyLanguage(std::uint16_t languageId);

private:
    AppContext m_ctx;
    std::unique_ptr<TAstroFrame> m_frame;
    QTranslator m_appTranslator;
    QTranslator m_qtTranslator;
    EphemerisStart m_ephemeris;
};
