// The Print command: dialog set-up, OK, Cancel and the preview's restore; print jobs on the
// PDF file printer (pages, cancelling half-way, an unwritable path).
#include <QtTest>

#include <QLabel>
#include <QCheckBox>
#include <QComboBox>
#include <QInputDialog>
#include <QRadioButton>

#include "CommandIds.h"
#include "DialogDriver.h"
#include "FixedText.h"
#include "HoroscopeFile.h"
#include "PrintCommand.h"
#include "PrintJob.h"
#include "ProgramFolderFixture.h"
#include "TestApp.h"
#include "CommandTable.h"
#include "AppContext.h"
#include "TAstroClient.h"
#include "TAstroFrame.h"
#include "TPrintDialog.h"
#include "TPrintPreviewDialog.h"
#include "TRadixWindow.h"
#include "TWaitDialog.h"

namespace {

RadixData person(const char* name) {
    RadixData r;
    setFixedText(r.name, name);
    setFixedText(r.horType, "radix");
    r.moment = BirthMoment(CalDate(1980, 7, 1, true), ClockTime{12, 0, 0}, GeoAngle(19, 5, 0, false),
                           GeoAngle(47, 30, 0, false), TimeGMT, 0, 0, false);
    setFixedText(r.moment.town, "Budapest, Hungary");
    r.moment.localToUniversal();
    return r;
}

TAstroClient* client() { return testFrame().client(); }
AppState& state() { return testApp().state(); }

int pdfPages(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray bytes = f.readAll();
    return int(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"));
}

PrintSelection pagesOf(std::initializer_list<int> on, bool tail = false) {
    PrintSelection p{};
    for (int e : on)
        p[static_cast<std::size_t>(e)] = true;
    for (std::size_t i = OfferedPrintEntries; i < p.size(); ++i)
        p[i] = tail && i % 2 == 1;
    return p;
}

QCheckBox* page(QDialog& d, int entry) { return field<QCheckBox>(d, QStringLiteral("page%1").arg(109 + entry).toLatin1().constData()); }

QString s_pdfPath;

// The PDF printer's file question: the test's path, else the proposal.
QString pdfAnswer(const FakePrompts::FileRequest& r) { return s_pdfPath.isNull() ? r.start : s_pdfPath; }

}  // namespace

class TestPrinting : public QObject {
    Q_OBJECT
    QTemporaryDir m_folder;
    QTemporaryDir m_settings;
    QTemporaryDir m_out;

private slots:
    void initTestCase() {
        QVERIFY(startTestApp(m_folder, m_settings));
        basePrompts().chooseFile = pdfAnswer;
    }
    void init() {
        client()->addChart(TRadixWindow::fromData(testApp().context(), person("Kov\xE1""cs \xC9va"), ChartBlocks{}));
        state().Options.print_black = false;
        state().Options.print_pages = pagesOf({PrintWheel, PrintCombined, PrintSignsHouses1}, true);
        state().Options.autosave = false;
        s_pdfPath = m_out.filePath("chart.pdf");
        QFile::remove(s_pdfPath);
    }
    void cleanup() {
        client()->closeAllCharts();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void printIsGreyedWithoutAChart() {
        testFrame().commands()->updateActions();
        QVERIFY(testFrame().commands()->action(CM_PRINT)->isEnabled());
        client()->closeAllCharts();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        testFrame().commands()->updateActions();
        QVERIFY(!testFrame().commands()->action(CM_PRINT)->isEnabled());
    }

    void dialogSetUp_data() {
        QTest::addColumn<bool>("black");
        QTest::addColumn<PrintSelection>("pages");
        QTest::newRow("colored, chart page") << false << pagesOf({1, 2, 3}, true);
        QTest::newRow("black, every page") << true << pagesOf({0, 1, 2, 3, 4, 5, 6, 7, 8});
    }
    void dialogSetUp() {
        QFETCH(bool, black);
        QFETCH(PrintSelection, pages);
        TPrintDialog d(nullptr, PrintChoice{black, pages, 1}, {"Laser", "Ink", "PDF file"}, {}, {});
        QCOMPARE(field<QRadioButton>(d, "black")->isChecked(), black);
        QCOMPARE(field<QRadioButton>(d, "colored")->isChecked(), !black);
        for (int i = 0; i < OfferedPrintEntries; ++i)
            QCOMPARE(page(d, i)->isChecked(), pages[static_cast<std::size_t>(i)]);
        QCOMPARE(field<QComboBox>(d, "printer")->currentText(), QString("Ink"));
        QCOMPARE(field<QComboBox>(d, "printer")->count(), 3);
        // The entries that the dialog does not offer come back as they were.
        QVERIFY(d.current().pages == pages);
    }

    // The preview shows every chosen page: turned with Previous and Next, counted in the label,
    // and zoomed in and back to the whole page.
    void preview_turnsAndZoomsEveryChosenPage() {
        FakePrompts script;
        script.steps << [&](QDialog& d) {
            for (int i = 0; i < OfferedPrintEntries; ++i)
                page(d, i)->setChecked(i == PrintNotes || i == PrintWheel || i == PrintPositions || i == PrintDetails);
            field<QPushButton>(d, "preview")->click();
            return press(d, QDialogButtonBox::Cancel);
        };
        struct Seen {
            int count = -1;
            QStringList labels;
            bool previousAtFirst = true, nextAtLast = true, zoomedLarger = false, fitBack = false;
        } seen;
        script.steps << [&](QDialog& d) {
            auto* preview = qobject_cast<TPrintPreviewDialog*>(&d);
            if (!preview)
                return press(d, QDialogButtonBox::Cancel);
            seen.count = preview->pageCount();
            auto* label = field<QLabel>(d, "pageLabel");
            auto* next = field<QPushButton>(d, "nextPage");
            auto* previous = field<QPushButton>(d, "previousPage");
            seen.previousAtFirst = previous->isEnabled();
            seen.labels << label->text();
            while (next->isEnabled() && seen.labels.size() < 10) {
                next->click();
                seen.labels << label->text();
            }
            seen.nextAtLast = next->isEnabled();
            previous->click();
            seen.labels << label->text();
            const QSize fitted = field<QWidget>(d, "sheet")->size();
            field<QPushButton>(d, "zoomIn")->click();
            field<QPushButton>(d, "zoomIn")->click();
            const QSize zoomed = field<QWidget>(d, "sheet")->size();
            seen.zoomedLarger = zoomed.height() > fitted.height() && zoomed.width() > fitted.width();
            field<QPushButton>(d, "zoomFit")->click();
            seen.fitBack = field<QWidget>(d, "sheet")->size() == fitted && !field<QPushButton>(d, "zoomOut")->isEnabled();
            if (!seen.fitBack)
                qWarning("fitted %dx%d, zoomed %dx%d, back %dx%d, paper %d,%d %dx%d", fitted.width(), fitted.height(),
                         zoomed.width(), zoomed.height(), field<QWidget>(d, "sheet")->width(),
                         field<QWidget>(d, "sheet")->height(), preview->paperRect().x(), preview->paperRect().y(),
                         preview->paperRect().width(), preview->paperRect().height());
            return press(d, QDialogButtonBox::Cancel);
        };
        script.install();
        testFrame().commands()->dispatch(CM_PRINT);
        QVERIFY(script.allRun());
        QCOMPARE(seen.count, 4);
        QCOMPARE(seen.labels, (QStringList{"Page 1 of 4", "Page 2 of 4", "Page 3 of 4", "Page 4 of 4", "Page 3 of 4"}));
        QVERIFY(!seen.previousAtFirst);
        QVERIFY(!seen.nextAtLast);
        QVERIFY(seen.zoomedLarger);
        QVERIFY(seen.fitBack);
    }

    void cancelLeavesTheOptions_andPreviewShowsTheChoiceOnly() {
        const TOptions before = state().Options;
        bool previewed = false;
        FakePrompts script;
        script.chooseFile = pdfAnswer;
        script.steps << [&](QDialog& d) {
            field<QRadioButton>(d, "black")->setChecked(true);
            page(d, PrintNotes)->setChecked(true);
            page(d, PrintWheel)->setChecked(false);
            page(d, PrintCombined)->setChecked(true);
            page(d, PrintSignsHouses1)->setChecked(true);
            field<QPushButton>(d, "preview")->click();
            return press(d, QDialogButtonBox::Cancel);
        };
        script.steps << [&](QDialog& d) {
            auto* preview = qobject_cast<TPrintPreviewDialog*>(&d);
            previewed = preview != nullptr;
            if (preview) {
                // Notes come first; the chart page follows.
                field<QPushButton>(d, "nextPage")->click();
                // The paper keeps the A4 proportions, and something is drawn on it.
                QWidget* sheet = field<QWidget>(d, "sheet");
                const QRect paper(QPoint(0, 0), sheet->size());
                const double ratio = paper.height() / double(paper.width());
                if (ratio < 1.40 || ratio > 1.43)
                    qWarning("paper ratio %f", ratio);
                previewed = ratio > 1.40 && ratio < 1.43;
                const QImage shot = sheet->grab().toImage();
                // Black was chosen: ink everywhere, and none of it coloured.
                int ink = 0, coloured = 0;
                for (int y = 0; y < shot.height(); y += 2)
                    for (int x = 0; x < shot.width(); x += 2) {
                        const QColor c = shot.pixelColor(x, y);
                        ink += c.lightness() < 128;
                        coloured += std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()}) > 60;
                    }
                if (ink < 500 || coloured > 0)
                    qWarning("preview: %d ink, %d coloured samples, page %d of %d", ink, coloured, preview->currentPage(), preview->pageCount());
                previewed = previewed && shot.pixelColor(1, 1) == Qt::white && ink >= 500 && coloured == 0;
            }
            return press(d, QDialogButtonBox::Cancel);
        };
        script.install();
        testFrame().commands()->dispatch(CM_PRINT);
        QVERIFY(script.allRun());
        QVERIFY(previewed);
        QCOMPARE(state().Options.print_black, before.print_black);
        QVERIFY(state().Options.print_pages == before.print_pages);
        QVERIFY(std::memcmp(&state().Options.colors, &before.colors, sizeof before.colors) == 0);
        QVERIFY(!QFile::exists(s_pdfPath));
    }

    void okAppliesTheChoice_autosaves_andPrintsToThePdfPrinter() {
        state().Options.autosave = true;
        const QString optionsFile = QString::fromLocal8Bit(state().Options.options_file.data());
        const PrintSelection tail = state().Options.print_pages;
        FakePrompts script;
        script.chooseFile = pdfAnswer;
        script.steps << [&](QDialog& d) {
            field<QRadioButton>(d, "black")->setChecked(true);
            page(d, PrintNotes)->setChecked(true);
            page(d, PrintPositions)->setChecked(true);
            page(d, PrintAspects)->setChecked(true);
            page(d, PrintDetails)->setChecked(true);
            choose(d, "printer", testApp().context().printers.pdfIndex);
            return press(d);
        };
        script.install();
        testFrame().commands()->dispatch(CM_PRINT);
        QVERIFY(script.allRun());
        QVERIFY(script.errors.isEmpty());
        QVERIFY(state().Options.print_black);
        QVERIFY(state().Options.print_pages[PrintNotes] && state().Options.print_pages[PrintDetails]);
        for (std::size_t i = OfferedPrintEntries; i < tail.size(); ++i)
            QCOMPARE(state().Options.print_pages[i], tail[i]);
        QCOMPARE(pdfPages(s_pdfPath), 5);
        QFile saved(optionsFile);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().contains("black=yes"));
        // No partial file is left beside it.
        QCOMPARE(QDir(m_out.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"chart.pdf"});
    }

    void pdfPrinterProposesTheChartsFileName() {
        s_pdfPath = QString();
        QString proposed;
        FakePrompts script;
        script.chooseFile = [](const FakePrompts::FileRequest& r) {
            s_pdfPath = r.start;
            return QString();  // the user cancels the file question: nothing is printed
        };
        script.steps << [&](QDialog& d) {
            choose(d, "printer", testApp().context().printers.pdfIndex);
            return press(d);
        };
        script.install();
        testFrame().commands()->dispatch(CM_PRINT);
        QVERIFY(s_pdfPath.endsWith("/Kovacs_Eva.pdf"));
        QVERIFY(!QFile::exists(s_pdfPath));
        QCOMPARE(printDocumentName(&client()->activeChart()->chart(), state().Strings), QString("Kovacs_Eva.hor"));
        QCOMPARE(printDocumentName(nullptr, state().Strings), QString("Graph"));
    }

    void setupOfThePdfPrinterSetsItsPaper_andTheJobUsesIt() {
        state().Options.print_pages = pagesOf({PrintWheel});
        PrintSession session;
        const PrinterList& printers = testApp().context().printers;
        FakePrompts script;
        script.chooseFile = pdfAnswer;
        script.steps << [&](QDialog& d) {
            choose(d, "printer", printers.pdfIndex);
            field<QPushButton>(d, "setup")->click();
            return press(d);
        };
        script.steps << [&](QDialog& d) {
            auto* paper = qobject_cast<QInputDialog*>(&d);
            if (!paper)
                return int(QDialog::Rejected);
            paper->setTextValue(QPageSize::name(QPageSize::Letter));
            return int(QDialog::Accepted);
        };
        script.install();
        PrintCommand{nullptr, *client()->activeChart(), testApp().context(), session}.run();
        QVERIFY(script.allRun());
        const QString pdf = printers.names[printers.pdfIndex];
        QVERIFY(session.layouts.contains(pdf));
        QCOMPARE(session.layouts[pdf].pageSize().id(), QPageSize::Letter);
        QCOMPARE(session.printer, printers.pdfIndex);
        QFile f(s_pdfPath);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        const qsizetype box = bytes.indexOf("/MediaBox");
        QVERIFY2(bytes.mid(box, 40).contains(" 612.") && bytes.mid(box, 40).contains(" 792."), bytes.mid(box, 40).constData());
    }

    void cancelHalfWayStopsBeforeTheNextPage_andKeepsNoFile() {
        // An older file of the same name stays as it was.
        {
            QFile old(s_pdfPath);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("older");
        }
        TOptions options = state().Options;
        options.print_pages = pagesOf({0, 1, 5, 6, 7});
        static int s_calls;
        s_calls = 0;
        FakePrompts prompts;
        prompts.install();
        const auto pressCancel = [] {
            if (++s_calls != 3)
                return;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* wait = qobject_cast<TWaitDialog*>(w); wait && wait->isVisible())
                    wait->reject();
        };
        PrintTarget target;
        target.pdfPath = s_pdfPath;
        const TColorOptions colours = options.colors;
        const PrintResult result = PrintJob{client()->activeChart()->chart(), options, state().Strings, "* Kov", "PDF file",
                                            testApp().context().errors, prompts, nullptr, pressCancel}
                                       .run(nullptr, target);
        QCOMPARE(prompts.questions, QStringList{"Cancel printing?"});
        QCOMPARE(int(result), int(PrintResult::Cancelled));
        QCOMPARE(s_calls, 3);  // before the dialog's first paint, then before pages 1 and 2
        QFile old(s_pdfPath);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("older"));
        QCOMPARE(QDir(m_out.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"chart.pdf"});
        QVERIFY(std::memcmp(&options.colors, &colours, sizeof colours) == 0);
    }

    void unwritablePdfPathIsReported() {
        FakePrompts script;
        script.chooseFile = pdfAnswer;
        script.install();
        PrintTarget target;
        target.pdfPath = m_out.filePath("missing/folder/chart.pdf");
        const PrintResult result =
            PrintJob{client()->activeChart()->chart(), state().Options, state().Strings, "Kov", "PDF file", testApp().context().errors, script}
                .run(nullptr, target);
        QCOMPARE(int(result), int(PrintResult::Failed));
        QCOMPARE(script.errors.size(), 1);
        QVERIFY(script.errors[0].contains("cannot be written"));
        QVERIFY(!QFile::exists(target.pdfPath));
    }
};

int main(int argc, char** argv) {
    TAstroApp app(argc, argv);
    TestPrinting test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_printing.moc"
