#pragma once
#include <memory>
#include <string>

#include <QImage>
#include <vector>

#include "ChartBlocks.h"
#include "ChartView.h"
#include "Collation.h"
#include "PositionRows.h"
#include "Progression.h"
#include "THoroWindow.h"

class AppContext;
struct RadixData;

// The natal chart window: owns the chart, the per-chart blocks of its file, the file's path
// and the modified flag; computes, saves and asks before closing.
class TRadixWindow : public THoroWindow {
    Q_OBJECT
public:
    // A window for a chart read from `path`; nullptr with the reason in `error` when the file
    // cannot be read or is no horoscope file.
    static TRadixWindow* fromFile(AppContext& ctx, const QString& path, QString* error = nullptr);
    // A window for entered data: untitled and marked as changed until it is saved.
    static TRadixWindow* fromData(AppContext& ctx, const RadixData& personal, const ChartBlocks& blocks);
    // A collation window: the natal chart of `natal` (a copy) with a second chart, shown as a
    // bi-wheel or as the grid of their aspects. It has no file and nothing to save.
    static TRadixWindow* collationOf(AppContext& ctx, const TRadixWindow& natal, std::unique_ptr<Collation> collation);
    // A progressions window: the natal chart of `natal` (a copy, with its direction settings)
    // inside, its progression to the target instant `request.targetUT` outside, as a collation.
    // The request's key is taken from the chart's direction settings.
    static TRadixWindow* progressionOf(AppContext& ctx, const TRadixWindow& natal, const ProgressionRequest& request);
    // The same for a natal chart held elsewhere (the transits window keeps a copy).
    static TRadixWindow* collationOf(AppContext& ctx, const RadixData& natal, const ChartBlocks& blocks,
                                     std::unique_ptr<Collation> collation);

    ~TRadixWindow() override;

    bool isNatalChart() const override { return true; }
    RadixData& chart() { return *m_chart; }
    const RadixData& chart() const { return *m_chart; }
    ChartBlocks& blocks() { return m_blocks; }
    bool isModified() const { return m_modified; }
    bool isCollation() const { return m_collation != nullptr; }
    const Collation* collation() const { return m_collation.get(); }
    bool isProgression() const { return m_progression != nullptr; }
    // The progression shown, or none.
    const Progression* progression() const;
    // The target of a progression on the natal place's clock, as the shifters move it.
    const BirthMoment* progressionTarget() const;
    // The progression's target date, key and arc in words for the caption, or in a few words
    // for the status bar (`brief`); empty for another window.
    QString progressionText(bool brief = false) const;
    // After the direction settings of this chart changed: a progression is computed again with
    // the new key; a natal chart is marked as changed.
    void directionsChanged();
    // What the radix shifter and the keypad step move: the target of a progression, the second
    // chart of a collation (the transits move over the natal chart), else the chart itself.
    BirthMoment& shiftedMoment();
    // After shiftedMoment() was stepped: recompute and repaint (a natal chart is then changed).
    void momentShifted();
    // The moment the shifters move, on its own clock, as the status bar writes it.
    QString shiftedMomentText();
    bool isUntitled() const { return m_path.isEmpty(); }
    QString path() const { return m_path; }

    // "* name,  type;   path": the caption; the marker only while the chart has unsaved changes.
    QString caption(bool withMarker = true) const;
    void updateCaption();
    // The recently-used entry of this chart: its caption without the marker.
    std::string lastFileEntry() const;

    // Recomputes the chart from its personal data and repaints, without marking it changed.
    void recompute();
    // After an edit of the chart: recompute, mark as changed, caption, repaint.
    void chartChanged();
    void keypadStep(int step) override;
    void setViewKind(ChartView kind) override;
    // The view a request for `kind` shows in this window: a collation shows both charts'
    // positions for the positions, its bi-wheel for the wheel and its grid for the aspects; a
    // natal chart never shows the collation views.
    ChartView shownView(ChartView kind) const;
    ContentBounds contentBounds() const override;
    // The tooltip of the body under `pos` (window pixels) on the wheel or a collation's
    // bi-wheel: its position, sign, house and motion, on the bi-wheel with the name of its chart;
    // empty where there is no body glyph or no wheel.
    QString bodyToolTipAt(QPoint pos) const;

    // Save and Save as; false when cancelled or the file could not be written.
    bool save();
    bool saveAs();
    // Asks whether to save a changed chart; false when the close is refused.
    bool queryClose();
    // Closes the window after its question was already asked (Exit, Close All).
    void closeWithoutQuery();
    // Whether this window shows the file at `path`.
    bool isSameFile(const QString& path) const;

    // What the save dialog completes a typed name with.
    static constexpr const char* HoroscopeSuffix = "hor";

signals:
    void changed();

protected:
    bool event(QEvent* event) override;
    void drawView(QPainter& painter, const QSize& size, int smoothing) override;
    ViewRequest screenRequest() const;
    int smoothingFactor() const override;
    void closeEvent(QCloseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    QString bodyToolTip(const RadixData& chart, int body) const;
    explicit TRadixWindow(AppContext& ctx);
    QString horoscopeFilter() const;
    bool writeTo(const QString& path);
    // False when the user keeps a file that changed on disk since it was read or written here.
    bool mayReplace(const QString& path);
    static QByteArray diskContent(const QString& path);
    void reportGaps();
    // Casts the progression for its target and shows it as the collation's second chart.
    void progress();

    AppContext& m_ctx;
    std::unique_ptr<RadixData> m_chart;
    std::unique_ptr<Collation> m_collation;
    struct ProgressionState;
    std::unique_ptr<ProgressionState> m_progression;
    ChartBlocks m_blocks;
    QString m_path;  // empty: "(Untitled)"
    // The file's bytes as this window last read or wrote them: a save compares them with the
    // disk, so that what another window or program wrote meanwhile is not lost unasked.
    QByteArray m_diskContent;
    bool m_modified = false;
    bool m_closeQueried = false;
    QString m_reportedGaps;
    std::vector<PositionRow> m_rows;
    ChartViewRenderer m_renderer;
    QImage m_screen;
};
