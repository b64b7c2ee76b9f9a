#include "TTimeCalcDialog.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "QtText.h"
#include "AppContext.h"
#include "TownDatabase.h"
#include "TownEdit.h"

TTimeCalcDialog::TTimeCalcDialog(QWidget* parent, const AppContext& ctx, const ZoneDescriptor& zone,
                                 const QString& caption)
    : TMyDialog(parent, caption) {
    setWindowTitle(tr("Time Calculation Area"));
    const StringTable& strings = ctx.state.Strings;
    auto* name = new QLineEdit(fromCp1250(zone.name), this);
    name->setObjectName(QStringLiteral("zoneName"));
    name->setEnabled(false);
    auto* rules = new QListWidget(this);
    rules->setObjectName(QStringLiteral("rules"));
    rules->setUniformItemSizes(true);
    const QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    rules->setFont(mono);
    const QFontMetrics fm(mono);
    rules->setMinimumSize(fm.horizontalAdvance(QString(44, QLatin1Char('0'))), fm.lineSpacing() * 20);
    for (const ZoneEntry& entry : zone.rules())
        rules->addItem(fromCp1250(zoneRuleLine(entry, strings)));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name);
    layout->addWidget(rules, 1);
    layout->addWidget(buttons);
    rules->setFocus();
    if (rules->count() > 0)
        rules->setCurrentRow(0);
}
