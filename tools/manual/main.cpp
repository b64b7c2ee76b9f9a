// zdk-manual: turns the manual's Markdown chapters into a printable PDF with a title page, a
// table of contents with page numbers and a numbered footer on every page.
//
//   zdk-manual CONTENTS SOURCE_DIR OUT.pdf VERSION IMAGE_DIR...
//
// CONTENTS is the manual's list (contents.txt): its "chapter<TAB>FILE.md" lines give the
// chapters in order. SOURCE_DIR holds them and title.txt (the title, the subtitle and the
// heading of the contents, one a line). Pictures are looked up in the image folders in turn, so
// committed screenshots and pictures drawn during the build mix freely. Anything missing (a
// chapter, a picture, a font) or an output that cannot be written is an error: the build stops
// rather than ship a manual with holes or none at all.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <QAbstractTextDocumentLayout>
#include <cmath>
#include <cstdio>

namespace {

constexpr int Dpi = 300;
// Picture sizes and tab stops in a document laid out for the PDF are given in screen pixels of
// 1/96 inch; the layout scales them to the writer's resolution.
constexpr double ScreenDpi = 96;
const QColor HeadingColor(0x1f, 0x3a, 0x5f);
const QColor RuleColor(0x9a, 0xa8, 0xb8);
// Marks the caption paragraph under a picture.
constexpr int CaptionProperty = QTextFormat::UserProperty + 1;

struct Heading {
    int level;
    QString text;
    int page;  // 0-based page of the body
};

int fail(const QString& message) {
    std::fprintf(stderr, "zdk-manual: %s\n", qPrintable(message));
    return 1;
}

// The fonts the manual is set in (Debian's fonts-liberation).
constexpr const char* SansFamily = "Liberation Sans";
constexpr const char* SerifFamily = "Liberation Serif";
constexpr const char* MonoFamily = "Liberation Mono";

// The families of those fonts that do not resolve to themselves: Qt would silently set the
// manual in whatever font it finds instead.
QStringList missingFonts() {
    QStringList missing;
    for (const char* family : {SansFamily, SerifFamily, MonoFamily}) {
        const QString name = QString::fromLatin1(family);
        if (!QFontDatabase::hasFamily(name) || QFontInfo(QFont(name)).family() != name)
            missing << name;
    }
    return missing;
}

// The chapter files the contents list, in order; empty with `error` set when it cannot be read.
QStringList chapterFiles(const QString& contentsPath, QString& error) {
    QFile file(contentsPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        error = "cannot read " + contentsPath + ": " + file.errorString();
        return {};
    }
    QStringList chapters;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        const QStringList fields = line.split('\t');
        if (fields.size() == 2 && fields[0] == QLatin1String("chapter"))
            chapters << fields[1];
    }
    if (chapters.isEmpty())
        error = "no chapters in " + contentsPath;
    return chapters;
}

QFont font(const char* family, double points, bool bold = false) {
    QFont f(QString::fromLatin1(family));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

// The page-sized slices of a document: `pageHeight` device pixels each.
int pageCount(QTextDocument& doc, double pageHeight) {
    return std::max(1, int(std::ceil(doc.documentLayout()->documentSize().height() / pageHeight - 1e-6)));
}

// Fonts, heading style, chapter breaks, tables across the page, pictures no wider than the text.
// Returns the missing pictures.
QStringList styleBody(QTextDocument& doc, const QStringList& imageDirs, double textWidth, double textHeight) {
    QStringList missing;
    QTextCursor cursor(&doc);
    bool firstChapter = true;
    QList<QPair<int, QString>> captions;  // end of a picture's paragraph, the picture's text
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QTextBlockFormat bf = b.blockFormat();
        const int level = bf.headingLevel();
        cursor.setPosition(b.position());
        cursor.setPosition(b.position() + b.length() - 1, QTextCursor::KeepAnchor);
        if (level > 0) {
            static const double sizes[] = {0, 22, 15, 12.5, 11};
            QTextCharFormat cf;
            cf.setFont(font(SansFamily, sizes[std::min(level, 4)], true));
            cf.setForeground(HeadingColor);
            cursor.mergeCharFormat(cf);
            bf.setTopMargin(level == 1 ? 0 : Dpi * 0.16);
            bf.setBottomMargin(Dpi * (level == 1 ? 0.14 : 0.06));
            // Every chapter begins on a new page; the first one is on the first page already.
            const bool breakBefore = level == 1 && !firstChapter;
            if (level == 1)
                firstChapter = false;
            bf.setPageBreakPolicy(breakBefore ? QTextFormat::PageBreak_AlwaysBefore : QTextFormat::PageBreak_Auto);
            cursor.setBlockFormat(bf);
            continue;
        }
        if (bf.hasProperty(QTextFormat::BlockCodeFence) || bf.nonBreakableLines()) {
            // Code lines: a shaded band without gaps between its lines, wrapped rather than cut
            // at the right edge when a command is long.
            bf.setBackground(QColor(0xf2, 0xf4, 0xf7));
            bf.setLeftMargin(Dpi * 0.08);
            bf.setNonBreakableLines(false);
            bf.setTopMargin(0);
            bf.setBottomMargin(0);
            const bool lastLine = !b.next().isValid() || !b.next().blockFormat().hasProperty(QTextFormat::BlockCodeFence);
            if (lastLine)
                bf.setBottomMargin(Dpi * 0.08);
            QTextCharFormat code;
            code.setFont(font(MonoFamily, 8.5));
            code.setFontFixedPitch(true);
            cursor.mergeCharFormat(code);
        } else {
            bf.setBottomMargin(std::max(bf.bottomMargin(), Dpi * 0.05));
        }
        cursor.setBlockFormat(bf);
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextCharFormat cf = fragment.charFormat();
            QTextCursor fc(&doc);
            fc.setPosition(fragment.position());
            fc.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            if (cf.isImageFormat()) {
                QTextImageFormat image = cf.toImageFormat();
                const QString name = image.name();
                QImage picture;
                for (const QString& dir : imageDirs)
                    if (picture.load(QDir(dir).filePath(name)))
                        break;
                if (picture.isNull()) {
                    missing << name;
                    continue;
                }
                // Without an alpha channel the PDF may store the picture compressed as a photo,
                // which keeps the file a few megabytes smaller.
                picture = picture.convertToFormat(QImage::Format_RGB32);
                doc.addResource(QTextDocument::ImageResource, QUrl(name), picture);
                // Screenshots are shown at about 120 pixels an inch, never beyond the text area.
                const double w = picture.width() * ScreenDpi / 120.0;
                const double h = picture.height() * ScreenDpi / 120.0;
                const double maxWidth = textWidth * ScreenDpi / Dpi, maxHeight = textHeight * 0.8 * ScreenDpi / Dpi;
                const double scale = std::min({1.0, maxWidth / w, maxHeight / h});
                image.setWidth(w * scale);
                image.setHeight(h * scale);
                fc.setCharFormat(image);
                const QString alt = image.stringProperty(QTextFormat::ImageAltText);
                if (!alt.isEmpty())
                    captions.append({b.position() + b.length() - 1, alt});
                QTextBlockFormat centred = b.blockFormat();
                centred.setAlignment(Qt::AlignHCenter);
                QTextCursor(b).setBlockFormat(centred);
            } else if (cf.fontFixedPitch()) {
                cf.setFont(font(MonoFamily, 8.5));
                cf.setFontFixedPitch(true);
                fc.setCharFormat(cf);
            }
        }
    }
    // A picture's text is its caption, below it; inserted from the end so that the recorded
    // positions stay valid.
    for (auto it = captions.crbegin(); it != captions.crend(); ++it) {
        QTextCursor c(&doc);
        c.setPosition(it->first);
        QTextBlockFormat bf;
        bf.setAlignment(Qt::AlignHCenter);
        bf.setBottomMargin(Dpi * 0.1);
        bf.setProperty(CaptionProperty, true);
        QTextCharFormat cf;
        cf.setFont(font(SansFamily, 8.5));
        cf.setFontItalic(true);
        cf.setForeground(QColor(0x44, 0x4c, 0x56));
        c.insertBlock(bf, cf);
        c.insertText(it->second, cf);
    }

    // Tables span the text width and keep their cells apart.
    for (QTextFrame* frame : doc.rootFrame()->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(frame)) {
            QTextTableFormat tf = table->format();
            tf.setWidth(QTextLength(QTextLength::PercentageLength, 100));
            tf.setBorder(1);
            tf.setBorderBrush(RuleColor);
            tf.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            tf.setBorderCollapse(true);
            tf.setCellPadding(Dpi * 0.03);
            tf.setCellSpacing(0);
            tf.setHeaderRowCount(1);
            table->setFormat(tf);
        }
    }
    return missing;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 6)
        return fail("usage: zdk-manual CONTENTS SOURCE_DIR OUT.pdf VERSION IMAGE_DIR...");
    const QString contents = args[1];
    const QDir source(args[2]);
    const QString out = args[3];
    const QString version = args[4];
    const QStringList imageDirs = args.mid(5);

    if (const QStringList missing = missingFonts(); !missing.isEmpty())
        return fail("fonts not found: " + missing.join(", ") + " (install fonts-liberation)");

    QFile titleFile(source.filePath("title.txt"));
    if (!titleFile.open(QIODevice::ReadOnly | QIODevice::Text))
        return fail("cannot read " + titleFile.fileName());
    const QStringList titles = QString::fromUtf8(titleFile.readAll()).split('\n');
    if (titles.size() < 3)
        return fail(titleFile.fileName() + " needs the title, the subtitle and the contents heading");

    QString error;
    const QStringList chapters = chapterFiles(contents, error);
    if (chapters.isEmpty())
        return fail(error);
    // A chapter written but not listed would silently stay out of the manual.
    for (const QString& name : source.entryList({"*.md"}, QDir::Files, QDir::Name))
        if (!chapters.contains(name))
            return fail(source.filePath(name) + " is not listed in " + contents);
    QString markdown;
    for (const QString& name : chapters) {
        QFile f(source.filePath(name));
        if (!f.open(QIODevice::ReadOnly))
            return fail("cannot read " + f.fileName());
        markdown += QString::fromUtf8(f.readAll()) + "\n\n";
    }

    // Written in full or not at all: a failed write leaves no half PDF behind.
    QSaveFile outFile(out);
    if (!outFile.open(QIODevice::WriteOnly))
        return fail("cannot write '" + out + "': " + outFile.errorString());
    QPdfWriter writer(&outFile);
    writer.setResolution(Dpi);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(22, 20, 22, 18), QPageLayout::Millimeter);
    writer.setTitle(titles[0] + " - " + titles[1]);
    writer.setCreator("Zodikeon " + version);
    const QRectF area(QPointF(0, 0), QSizeF(writer.pageLayout().paintRectPixels(Dpi).size()));
    const double footer = Dpi * 0.35;
    const QSizeF textSize(area.width(), area.height() - footer);

    QTextDocument body;
    body.documentLayout()->setPaintDevice(&writer);
    body.setDefaultFont(font(SerifFamily, 10.5));
    body.setDocumentMargin(0);
    body.setMarkdown(markdown);
    const QStringList missing = styleBody(body, imageDirs, textSize.width(), textSize.height());
    if (!missing.isEmpty())
        return fail("missing pictures: " + missing.join(", "));
    body.setPageSize(textSize);

    // A heading never stays alone at the foot of a page: one that starts in the last fifth of
    // a page, or whose next block went to the next page, goes there with it. The document is laid out afresh after each
    // move (a change leaves the later blocks for a lazy layout that drawing does not finish),
    // and the next heading is judged on that layout.
    for (bool moved = true; moved;) {
        moved = false;
        body.markContentsDirty(0, body.characterCount());
        body.documentLayout()->documentSize();
        const auto firstLineTop = [&](const QTextBlock& block) {
            const double top = body.documentLayout()->blockBoundingRect(block).top();
            return block.layout() && block.layout()->lineCount() > 0 ? top + block.layout()->lineAt(0).y() : top;
        };
        for (QTextBlock b = body.begin(); b.isValid() && !moved; b = b.next()) {
            QTextBlockFormat bf = b.blockFormat();
            // A caption that went to the next page takes its picture along.
            if (bf.boolProperty(CaptionProperty)) {
                const QTextBlock picture = b.previous();
                QTextBlockFormat pf = picture.blockFormat();
                if (pf.pageBreakPolicy() != QTextFormat::PageBreak_AlwaysBefore &&
                    int(firstLineTop(b) / textSize.height()) > int(firstLineTop(picture) / textSize.height())) {
                    pf.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                    QTextCursor(picture).setBlockFormat(pf);
                    moved = true;
                }
                continue;
            }
            if (bf.headingLevel() < 2 || bf.pageBreakPolicy() == QTextFormat::PageBreak_AlwaysBefore)
                continue;
            // Moved when it starts low on its page, or when what follows it did not fit there.
            const double top = body.documentLayout()->blockBoundingRect(b).top();
            // A block pushed to the next page keeps its top; its first line tells where it went.
            const QTextBlock next = b.next();
            const bool nextOnLaterPage =
                next.isValid() && int(firstLineTop(next) / textSize.height()) > int(top / textSize.height());
            if (std::fmod(top, textSize.height()) > textSize.height() * 0.8 || nextOnLaterPage) {
                bf.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                QTextCursor(b).setBlockFormat(bf);
                moved = true;
            }
        }
    }
    body.markContentsDirty(0, body.characterCount());
    body.documentLayout()->documentSize();

    // Chapters and sections with the page they start on.
    QList<Heading> headings;
    for (QTextBlock b = body.begin(); b.isValid(); b = b.next()) {
        const int level = b.blockFormat().headingLevel();
        if (level == 1 || level == 2) {
            const double top = body.documentLayout()->blockBoundingRect(b).top();
            headings.push_back({level, b.text(), int(top / textSize.height())});
        }
    }

    // The contents: its length does not depend on the numbers in it, so it is laid out first.
    QTextDocument toc;
    toc.documentLayout()->setPaintDevice(&writer);
    toc.setDocumentMargin(0);
    toc.setPageSize(textSize);
    const auto layoutToc = [&](int firstBodyPage) {
        toc.clear();
        QTextCursor c(&toc);
        QTextBlockFormat hf;
        hf.setBottomMargin(Dpi * 0.2);
        QTextCharFormat hc;
        hc.setFont(font(SansFamily, 22, true));
        hc.setForeground(HeadingColor);
        c.setBlockFormat(hf);
        c.insertText(titles[2], hc);
        for (const Heading& h : headings) {
            QTextBlockFormat bf;
            // The tab stop counts from the block's indented edge.
            const double indent = h.level == 1 ? 0 : Dpi * 0.25;
            bf.setLeftMargin(indent);
            bf.setTabPositions({QTextOption::Tab((textSize.width() - indent) * ScreenDpi / Dpi - 2, QTextOption::RightTab)});
            bf.setTopMargin(h.level == 1 ? Dpi * 0.08 : 0);
            QTextCharFormat cf;
            cf.setFont(h.level == 1 ? font(SansFamily, 11, true) : font(SerifFamily, 10.5));
            c.insertBlock(bf, cf);
            c.insertText(h.text + "\t" + QString::number(firstBodyPage + h.page), cf);
        }
    };
    layoutToc(0);
    const int tocPages = pageCount(toc, textSize.height());
    const int firstBodyPage = 2 + tocPages;  // 1 is the title page
    layoutToc(firstBodyPage);

    QPainter painter;
    if (!painter.begin(&writer))
        return fail("cannot write '" + out + "': the PDF cannot be started");
    painter.setRenderHint(QPainter::Antialiasing);

    // Title page.
    painter.setPen(HeadingColor);
    painter.setFont(font(SansFamily, 40, true));
    painter.drawText(QRectF(0, area.height() * 0.25, area.width(), Dpi * 1.0), Qt::AlignHCenter | Qt::AlignBottom, titles[0]);
    painter.setFont(font(SerifFamily, 20));
    painter.drawText(QRectF(0, area.height() * 0.25 + Dpi * 1.1, area.width(), Dpi * 0.5), Qt::AlignHCenter | Qt::AlignTop, titles[1]);
    painter.setPen(QPen(RuleColor, Dpi * 0.01));
    painter.drawLine(QPointF(area.width() * 0.25, area.height() * 0.25 + Dpi * 1.75),
                     QPointF(area.width() * 0.75, area.height() * 0.25 + Dpi * 1.75));
    for (const QString& dir : imageDirs) {
        const QImage wheel(QDir(dir).filePath("wheel.png"));
        if (wheel.isNull())
            continue;
        const double side = area.width() * 0.6;
        const QRectF target((area.width() - side) / 2, area.height() * 0.25 + Dpi * 2.0, side,
                            side * wheel.height() / wheel.width());
        painter.drawImage(target, wheel);
        break;
    }
    painter.setPen(Qt::darkGray);
    painter.setFont(font(SerifFamily, 12));
    painter.drawText(QRectF(0, area.height() - Dpi, area.width(), Dpi), Qt::AlignHCenter | Qt::AlignBottom,
                     "Zodikeon " + version);

    int pageNumber = 1;
    QString chapter;
    const auto drawFooter = [&](const QString& left) {
        painter.setPen(QPen(RuleColor, Dpi * 0.005));
        const double y = area.height() - footer * 0.7;
        painter.drawLine(QPointF(0, y), QPointF(area.width(), y));
        painter.setPen(Qt::darkGray);
        painter.setFont(font(SansFamily, 9));
        const QRectF line(0, y + Dpi * 0.03, area.width(), footer * 0.6);
        painter.drawText(line, Qt::AlignLeft | Qt::AlignTop, left);
        painter.drawText(line, Qt::AlignRight | Qt::AlignTop, QString::number(pageNumber));
    };
    const auto drawSlice = [&](QTextDocument& doc, int slice) {
        painter.save();
        painter.translate(0, -slice * textSize.height());
        const QRectF clip(0, slice * textSize.height(), textSize.width(), textSize.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = clip;
        context.palette.setColor(QPalette::Text, Qt::black);
        painter.setClipRect(clip);
        doc.documentLayout()->draw(&painter, context);
        painter.restore();
    };

    for (int i = 0; i < tocPages; ++i) {
        writer.newPage();
        ++pageNumber;
        drawSlice(toc, i);
        drawFooter(titles[2]);
    }
    const int bodyPages = pageCount(body, textSize.height());
    for (int i = 0; i < bodyPages; ++i) {
        writer.newPage();
        ++pageNumber;
        for (const Heading& h : headings)
            if (h.level == 1 && h.page <= i)
                chapter = h.text;
        drawSlice(body, i);
        drawFooter(chapter);
    }
    if (!painter.end() || !outFile.commit())
        return fail("cannot write '" + out + "': " + outFile.errorString());
    std::printf("%s: %d pages, %lld chapters\n", qPrintable(out), pageNumber, qlonglong(chapters.size()));
    return 0;
}

