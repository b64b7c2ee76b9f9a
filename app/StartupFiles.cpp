#include "StartupFiles.h"

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include "QtText.h"
#include "StringIds.h"
#include "StringTable.h"
#include "AppContext.h"
#include "TAstroClient.h"
#include <QMdiSubWindow>
#include "TAstroFrame.h"
#include "TDatabaseDialog.h"
#include "TIntroWindow.h"
#include "TRadixWindow.h"

QStringList startupFileArguments(const QStringList& arguments, const QString& workingFolder) {
    QStringList files;
    bool options = true;
    const QDir base(workingFolder);
    for (const QString& arg : arguments) {
        if (options && arg == QLatin1String("--")) {
            options = false;
            continue;
        }
        if (arg.isEmpty() || (options && arg.startsWith(QLatin1Char('-'))))
            continue;
        QString path = arg;
        if (arg.contains(QLatin1String("://"))) {  // a URL: only local files can be opened
            const QUrl url(arg);
            if (!url.isLocalFile())
                continue;
            path = url.toLocalFile();
        }
        files << QDir::cleanPath(base.absoluteFilePath(path));
    }
    return files;
}

void openStartupFiles(TAstroFrame& frame, AppContext& ctx, const QStringList& files) {
    TAstroClient& client = *frame.client();
    for (const QString& file : files) {
        if (TRadixWindow* open = client.chartOfFile(file)) {
            client.setActiveSubWindow(qobject_cast<QMdiSubWindow*>(open->parentWidget()));
            continue;
        }
        // The charts asked for take the place of the intro picture.
        QString error;
        if (TRadixWindow* window = TRadixWindow::fromFile(ctx, file, &error)) {
            client.addChart(window);
            continue;
        }
        // What is wrong with which file, in the words the Open command uses.
        ctx.errors.error(&frame, error);
    }
}

void openForwardedFiles(TAstroFrame& frame, AppContext& ctx, const QStringList& files) {
    if (QApplication::activeModalWidget()) {
        QPointer<TAstroFrame> later(&frame);
        QTimer::singleShot(300, &frame, [later, &ctx, files] {
            if (later)
                openForwardedFiles(*later, ctx, files);
        });
        return;
    }
    if (frame.isMinimized())
        frame.showNormal();
    frame.raise();
    frame.activateWindow();
    openStartupFiles(frame, ctx, files);
}
