#pragma once
#include <QToolBar>
#include <vector>

class QAction;

// The vertical tool bar at the left edge: the most used commands as picture buttons in groups,
// each enabled exactly when its command is.
class TAstroControlBar : public QToolBar {
    Q_OBJECT
public:
    TAstroControlBar(const std::vector<std::vector<QAction*>>& groups, QWidget* parent = nullptr);
};
