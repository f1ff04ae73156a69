#include "ModBrowse.h"

#include "platform/FailureReport.h"
#include "platform/Services.h"

#include <QUrl>

#include <exception>

namespace ModBrowse {

// "example" is reserved for documentation, so no real server is ever asked.
const QString SuiteWebPage = QStringLiteral("https://velmora.example/velmora/index.html");
const QString NoBrowserMessage = QStringLiteral(
    "Die Seite konnte nicht geöffnet werden, weil kein Browser gefunden wurde.\n\n"
    "Bitte öffnen Sie die folgende Adresse von Hand:\n%1");

void OpenWebPage(QWidget *owner, const QString &address)
{
    // the desktop's browser opens its own window; there is nothing to attach to the owner
    Q_UNUSED(owner);
    bool taken = false;
    {
        const platform::ScopedHourglass hourglass;
        try {
            taken = platform::services().openUrl(QUrl(address));
        } catch (const std::exception &) {
        }
    }
    // the user can still open the page by hand
    if (!taken)
        platform::services().messageBox({NoBrowserMessage.arg(address), QString(), platform::MessageIcon::Exclamation});
}

} // namespace ModBrowse
