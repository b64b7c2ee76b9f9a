#pragma once
#include <QToolBar>

class TAstroClient;

// The vertical tool bar at the left edge: the most used commands as picture buttons, each
// enabled exactly when its command is.
class TAstroControlBar : public QToolBar {
    Q_OBJECT
public:
    TAstroControlBar(TAstroClient* client, QWidget* parent = nullptr);
};
