// The Open command: the horoscope browser, then a chart window for the chosen file.
#include <QFile>

#include "CommandIds.h"
#include "OpenCharts.h"
#include "QtText.h"
#include "TAstroApp.h"
#include "TAstroClient.h"
#include "TDatabaseDialog.h"
#include "TRadixWindow.h"

void TAstroClient::defineOpenCommand() {
    setCommand(CM_OPEN, {[this] {
                   std::string path;
                   TDatabaseDialog dialog(this, path);
                   if (dialog.exec() != QDialog::Accepted)
                       return;
                   const QString file = QFile::decodeName(QByteArray::fromStdString(path));
                   // A file that is open already is shown, not opened a second time: two
                   // windows on one file would overwrite each other's changes.
                   if (TRadixWindow* open = chartShowingFile(charts(), file)) {
                       activateChart(open);
                       return;
                   }
                   // The file may have gone since the browser checked it, or be damaged: then
                   // no window opens and the message says which file and what is wrong.
                   QString error;
                   if (TRadixWindow* window = TRadixWindow::fromFile(file, &error)) {
                       addChart(window);
                       return;
                   }
                   const StringTable& strings = TAstroApp::instance()->state().Strings;
                   horoscopeMessage(this, QMessageBox::Warning, fromCp1250(strings[319]), error);
               }, {}, {}});
}
