#include "ModBrowse.h"

#include "platform/Services.h"

#include <QUrl>

#include <exception>

namespace ModBrowse {

// "example" is reserved for documentation, so no real server is ever asked.
const QString SuiteWebPage = QStringLiteral("https://velmora.example/velmora/index.html");

void OpenWebPage(QWidget *owner, const QString &address)
{
    // the desktop's browser opens its own window; there is nothing to attach to the owner
    Q_UNUSED(owner);
    const platform::ScopedHourglass hourglass;
    try {
        // whether a browser took the page is not reported, as with any shell hand-over
        platform::services().openUrl(QUrl(address));
    } catch (const std::exception &) {
    }
}

} // namespace ModBrowse
