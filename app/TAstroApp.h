#pragma once
#include <QApplication>
#include <memory>

#include "AppState.h"

class TAstroFrame;

// The application: process-wide state and the single main window.
class TAstroApp : public QApplication {
    Q_OBJECT
public:
    static constexpr const char* Name = "Zodikeon Free";

    TAstroApp(int& argc, char** argv);
    ~TAstroApp() override;

    static TAstroApp* instance() { return static_cast<TAstroApp*>(QCoreApplication::instance()); }
    AppState& state() { return m_state; }
    TAstroFrame* frame() const { return m_frame.get(); }

    // Performs the start-up work and shows the frame; returns false when the program cannot start.
    bool start(const QString& programFolder = {});

private:
    AppState m_state;
    std::unique_ptr<TAstroFrame> m_frame;
};
