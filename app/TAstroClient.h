#pragma once
// The document area of the frame: the chart windows, which one is active, and the intro
// picture over the empty area.
#include <QMdiArea>

class AppContext;
class TIntroWindow;
class TRadixWindow;
class THoroWindow;

class TAstroClient : public QMdiArea {
    Q_OBJECT
public:
    // The least size of a restored or cascaded chart window.
    static constexpr int MinimumChartWidth = 480;
    static constexpr int MinimumChartHeight = 400;

    explicit TAstroClient(AppContext& ctx, QWidget* parent = nullptr);
    ~TAstroClient() override;

    // The chart window with the focus, or none.
    THoroWindow* activeWindow() const;
    TRadixWindow* activeChart() const;
    QList<TRadixWindow*> charts() const;
    // The open chart window of a file, or none.
    TRadixWindow* chartOfFile(const QString& path) const;
    // Shows a new chart window: maximised when it is the first one, else at a usable size.
    void addChart(TRadixWindow* window);
    // The size a chart window is restored or cascaded to: two thirds of the area, never less
    // than a size at which the chart can be read.
    QSize usableWindowSize() const;
    // Window > Cascade: the windows that are not minimised, restored to the usable size and
    // laid over each other, each one title bar lower and to the right of the one before.
    void cascade();
    // Asks every changed chart first; closes all of them only when none refused. False when
    // one refused: then every window is still open.
    bool closeAllCharts();
    // Recomputes and repaints every chart (after an option or language change).
    void recomputeAll();
    // Repaints every chart (after a display option changed).
    void repaintAll();

    void showIntro();
    void centreIntro();
    void hideIntro();
    TIntroWindow* intro() const { return m_intro; }

signals:
    // The active chart, the list of charts or a chart's content changed.
    void chartsChanged();
    // Every chart was computed again with changed options (lists computed from the options
    // follow).
    void optionsApplied();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void chartActivated();

    AppContext& m_ctx;
    TIntroWindow* m_intro = nullptr;
};
