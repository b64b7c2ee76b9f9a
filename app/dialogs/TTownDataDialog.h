#pragma once
#include "TMyDialog.h"

class AppContext;

class QComboBox;
class QLineEdit;
class QPushButton;
struct TownRecord;

// Edits a town: its name and region (stored as "name, region"), its position and its time
// zone. A region typed or chosen selects the zone whose name begins with it.
class TTownDataDialog : public TMyDialog {
    Q_OBJECT
public:
    TTownDataDialog(QWidget* parent, AppContext& ctx, TownRecord& record, const QString& caption = {});

public slots:
    void accept() override;

private:
    void updateOk();
    void regionChanged();
    void viewZone();
    int selectedZoneNumber() const;

    AppContext& m_ctx;
    TownRecord& m_record;
    QLineEdit* m_name;
    QComboBox* m_region;
    QLineEdit* m_lonDegrees;
    QLineEdit* m_lonMinutes;
    QLineEdit* m_lonLetter;
    QLineEdit* m_latDegrees;
    QLineEdit* m_latMinutes;
    QLineEdit* m_latLetter;
    QComboBox* m_zone;
    QPushButton* m_ok = nullptr;
};
