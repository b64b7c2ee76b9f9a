#pragma once
#include <QPixmap>
#include <QWidget>

class AppContext;

// The intro picture with the program's name and version, shown over the empty document area
// at start-up and inside the About dialog.
class TIntroWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int PictureWidth = 510;
    static constexpr int PictureHeight = 370;

    explicit TIntroWindow(const AppContext& ctx, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const AppContext& m_ctx;
    QPixmap m_picture;
};

// The artwork of the intro: a night sky with the zodiac circle.
QPixmap introPicture();
