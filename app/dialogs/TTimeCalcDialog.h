#pragma once
#include "TMyDialog.h"

class AppContext;

struct ZoneDescriptor;

// A read-only view of one time zone: its name and the clock rules it had, from when.
class TTimeCalcDialog : public TMyDialog {
    Q_OBJECT
public:
    TTimeCalcDialog(QWidget* parent, const AppContext& ctx, const ZoneDescriptor& zone, const QString& caption = {});
};
