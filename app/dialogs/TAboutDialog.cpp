#include "TAboutDialog.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "QtText.h"
#include "AppContext.h"
#include "TIntroWindow.h"

TAboutDialog::TAboutDialog(QWidget* parent, const AppContext& ctx)
    : TMyDialog(parent), m_ctx(ctx), m_version(new QLabel(this)), m_info(new QLabel(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(5, 5, 5, 8);
    auto* intro = new TIntroWindow(ctx, this);
    layout->addWidget(intro, 0, Qt::AlignHCenter);
    m_info->setWordWrap(true);
    m_info->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_version);
    layout->addWidget(m_info);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    retranslate();
}

void TAboutDialog::retranslate() {
    const AppState& s = m_ctx.state;
    setWindowTitle(tr("About"));
    m_version->setText(tr("Version %1").arg(fromCp1250(s.Strings[730])));
    m_info->setText(tr("Zodikeon Free: natal charts computed with the Swiss Ephemeris.") + QStringLiteral("\n") +
                    fromCp1250(s.Strings[734]) + QStringLiteral("\n") +
                    tr("Town data \u00A9 GeoNames (geonames.org), CC BY 4.0, modified") + QStringLiteral("\n") +
                    tr("Time zones from the IANA time zone database (public domain)") + QStringLiteral("\n") +
                    tr("Symbols drawn from the Noto fonts, Liberation fonts: SIL Open Font License 1.1"));
}

void TAboutDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    TMyDialog::changeEvent(event);
}
