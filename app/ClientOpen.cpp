// The Open command: the horoscope browser, then a chart window for the chosen file.
#include <QFile>

#include "CommandIds.h"
#include "QtText.h"
#include "StringIds.h"
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
                   // The file may have gone since the browser checked it: then no window opens.
                   if (TRadixWindow* window = TRadixWindow::fromFile(file)) {
                       addChart(window);
                       return;
                   }
                   const StringTable& strings = TAstroApp::instance()->state().Strings;
                   horoscopeMessage(this, QMessageBox::Warning, fromCp1250(strings[StrId::Error]),
                                    fromCp1250(strings[StrId::FileNotFoundOrCorrupt]) + QStringLiteral("\n") + file);
               }, {}, {}});
}
