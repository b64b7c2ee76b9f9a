// zdk-iconrender SVG OUTDIR NAME SIZE...: the desktop icon theme's bitmap sizes drawn from the
// one scalable icon, as OUTDIR/SIZExSIZE/apps/NAME.png.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: zdk-iconrender SVG OUTDIR NAME SIZE...\n");
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "zdk-iconrender: cannot read %s\n", argv[1]);
        return 1;
    }
    for (int i = 4; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
        painter.end();
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[2])).arg(size);
        if (!QDir().mkpath(folder) ||
            !image.save(QStringLiteral("%1/%2.png").arg(folder, QString::fromLocal8Bit(argv[3])))) {
            std::fprintf(stderr, "zdk-iconrender: cannot write into %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
