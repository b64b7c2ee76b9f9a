#include "StartupFiles.h"

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include "QtText.h"
#include "StringTable.h"
#include "TAstroClient.h"
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

void openStartupFiles(TAstroClient& client, const StringTable& strings, const QStringList& files) {
    for (const QString& file : files) {
        if (TRadixWindow* window = TRadixWindow::fromFile(file)) {
            // The charts asked for take the place of the intro picture.
            if (client.intro())
                client.intro()->hide();
            client.addChart(window);
            continue;
        }
        horoscopeMessage(&client, QMessageBox::Warning, fromCp1250(strings[319]),
                         fromCp1250(strings[872]) + QStringLiteral("\n") + file);
    }
}

void openForwardedFiles(TAstroFrame& frame, const StringTable& strings, const QStringList& files) {
    if (QApplication::activeModalWidget()) {
        QPointer<TAstroFrame> later(&frame);
        QTimer::singleShot(300, &frame, [later, &strings, files] {
            if (later)
                openForwardedFiles(*later, strings, files);
        });
        return;
    }
    if (frame.isMinimized())
        frame.showNormal();
    frame.raise();
    frame.activateWindow();
    openStartupFiles(*frame.client(), strings, files);
}
