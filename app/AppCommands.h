#pragma once
// The handlers and enablers of the frame's commands, and the command table's rows built from
// them. Commands that concern one chart act on the active chart window.
#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "CommandTable.h"

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

private:
    TAstroClient& client() const;
    THoroWindow* activeWindow() const;
    TRadixWindow* activeChart() const;
    bool hasChart() const;
    bool hasNatalChart() const;

    // Horoscope menu
    void newChart();
    void personalData();
    void open();
    void save();
    void saveAs();
    void print();
    void exit();
    // Options menu
    void setHouseSystem(int system);
    void setNodeType(int type);
    void toggleAutoSave();
    void saveOptions();
    void retrieveOptions();
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
};
