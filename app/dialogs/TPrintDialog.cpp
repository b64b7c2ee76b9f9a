#include "TPrintDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TPrintDialog::TPrintDialog(QWidget* parent, const PrintChoice& choice, const QStringList& printers,
                           std::function<void(const PrintChoice&)> preview, std::function<void(int)> setup)
    : TMyDialog(parent), m_start(choice) {
    setWindowTitle(tr("Print Horoscope"));
    auto* layout = new QVBoxLayout(this);

    auto* colouring = new QGroupBox(tr(" Coloring:"), this);
    auto* colouringLayout = new QHBoxLayout(colouring);
    m_black = new QRadioButton(tr("Black"), colouring);
    m_black->setObjectName("black");
    m_coloured = new QRadioButton(tr("Colored"), colouring);
    m_coloured->setObjectName("colored");
    colouringLayout->addWidget(m_black);
    colouringLayout->addWidget(m_coloured);
    layout->addWidget(colouring);

    auto* features = new QGroupBox(tr(" Select features to print:"), this);
    auto* featuresLayout = new QVBoxLayout(features);
    const char* const texts[OfferedPrintEntries] = {
        QT_TR_NOOP("Notes"),
        QT_TR_NOOP("&Wheel"),
        QT_TR_NOOP("C&ombined table / Collation aspects"),
        QT_TR_NOOP("Planets in &signs and houses I."),
        QT_TR_NOOP("Planets in signs and houses II."),
        QT_TR_NOOP("&Planet and house cusp positions"),
        QT_TR_NOOP("&Aspects"),
        QT_TR_NOOP("Deta&iled aspect data"),
        QT_TR_NOOP("Ast&eroids and special points"),
    };
    for (int i = 0; i < OfferedPrintEntries; ++i) {
        m_pages[static_cast<std::size_t>(i)] = new QCheckBox(tr(texts[i]), features);
        m_pages[static_cast<std::size_t>(i)]->setObjectName(QStringLiteral("page%1").arg(109 + i));
        m_pages[static_cast<std::size_t>(i)]->setChecked(choice.pages[static_cast<std::size_t>(i)]);
        featuresLayout->addWidget(m_pages[static_cast<std::size_t>(i)]);
    }
    layout->addWidget(features);

    auto* printer = new QGroupBox(tr(" Printer:"), this);
    auto* printerLayout = new QHBoxLayout(printer);
    m_printers = new QComboBox(printer);
    m_printers->setObjectName("printer");
    m_printers->addItems(printers);
    m_printers->setCurrentIndex(std::clamp(choice.printer, 0, std::max(0, static_cast<int>(printers.size()) - 1)));
    printerLayout->addWidget(m_printers, 1);
    auto* setupButton = new QPushButton(tr("Setup..."), printer);
    setupButton->setObjectName("setup");
    printerLayout->addWidget(setupButton);
    layout->addWidget(printer);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* previewButton = buttons->addButton(tr("Pre&view..."), QDialogButtonBox::ActionRole);
    previewButton->setObjectName("preview");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    (choice.black ? m_black : m_coloured)->setChecked(true);
    connect(setupButton, &QPushButton::clicked, this, [this, setup] {
        if (setup && m_printers->currentIndex() >= 0)
            setup(m_printers->currentIndex());
    });
    connect(previewButton, &QPushButton::clicked, this, [this, preview] {
        if (preview)
            preview(current());
    });
}

PrintChoice TPrintDialog::current() const {
    PrintChoice c = m_start;
    c.black = m_black->isChecked();
    for (int i = 0; i < OfferedPrintEntries; ++i)
        c.pages[static_cast<std::size_t>(i)] = m_pages[static_cast<std::size_t>(i)]->isChecked();
    c.printer = m_printers->currentIndex();
    return c;
}
