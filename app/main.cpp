#include <QDir>

#include "ProgramFolder.h"
#include "SingleInstance.h"
#include "StartupFiles.h"
#include "TAstroApp.h"
#include "TAstroFrame.h"

int main(int argc, char** argv) {
    TAstroApp app(argc, argv);
    const QStringList files = startupFileArguments(app.arguments().mid(1), QDir::currentPath());
    // A second start of the same user's program hands its files over and ends.
    SingleInstance instance(SingleInstance::socketPath(QString::fromStdString(currentProgramFolders().program)));
    if (instance.forwardToRunning(files))
        return 0;
    instance.listen();  // when it cannot listen, later starts open frames of their own
    if (!app.start())
        return 1;
    instance.setHandler([&app](const QStringList& received) {
        openForwardedFiles(*app.frame(), app.context(), received);
    });
    openStartupFiles(*app.frame(), app.context(), files);
    return app.exec();
}
