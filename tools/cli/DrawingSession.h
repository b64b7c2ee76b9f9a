#pragma once
// What drawing needs in the command-line tool: a Qt application without a display (the
// offscreen platform unless one is chosen) and the chart fonts.
#include <QGuiApplication>
#include <memory>

class DrawingSession {
public:
    DrawingSession();

private:
    int m_argc = 1;
    char m_name[13] = "zodikeon-cli";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QGuiApplication> m_app;
};
