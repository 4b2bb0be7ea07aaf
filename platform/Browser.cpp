#include "platform/Browser.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

#include "core/L_FILE.h"

namespace tavuran {

namespace {

StartupBrowserHandler& Handler() {
    static StartupBrowserHandler h;
    return h;
}

} // namespace

void StartupBrowser(const std::string& FileNameStr) {
    if (FileNameStr.empty() || !L_FILE_Exist(FileNameStr)) return;
    if (Handler()) {
        Handler()(FileNameStr);
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(FileNameStr)));
}

void SetStartupBrowserHandler(StartupBrowserHandler Handler_) { Handler() = std::move(Handler_); }

} // namespace tavuran
