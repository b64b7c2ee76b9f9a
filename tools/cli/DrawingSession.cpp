#include "DrawingSession.h"

#include <iostream>

#include "ChartFonts.h"

DrawingSession::DrawingSession() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's remark that a session without a runtime folder falls back to /tmp is no news for a script.
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (type == QtWarningMsg && message.contains(QLatin1String("XDG_RUNTIME_DIR")))
            return;
        if (previous)
            previous(type, context, message);
    });
    m_app = std::make_unique<QGuiApplication>(m_argc, m_argv);
    if (!loadChartFonts())
        std::cerr << "zodikeon-cli: warning: the chart fonts could not be loaded; glyphs may be missing\n";
}
