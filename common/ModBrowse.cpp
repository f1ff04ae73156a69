#include "ModBrowse.h"

#include "platform/Services.h"

#include <QUrl>

#include <exception>

namespace ModBrowse {

// "example" is reserved for documentation, so no real server is ever asked.
const QString SuiteWebPage = QStringLiteral("https://velmora.example/velmora/index.html");

namespace {
// Puts the default pointer back however the hand-over ends.
class HourglassWhile {
public:
    HourglassWhile() { platform::services().setMousePointer(platform::MousePointer::Hourglass); }
    ~HourglassWhile() { platform::services().setMousePointer(platform::MousePointer::Default); }
    HourglassWhile(const HourglassWhile &) = delete;
    HourglassWhile &operator=(const HourglassWhile &) = delete;
};
} // namespace

void OpenWebPage(QWidget *owner, const QString &address)
{
    // the desktop's browser opens its own window; there is nothing to attach to the owner
    Q_UNUSED(owner);
    const HourglassWhile hourglass;
    try {
        // whether a browser took the page is not reported, as with any shell hand-over
        platform::services().openUrl(QUrl(address));
    } catch (const std::exception &) {
    }
}

} // namespace ModBrowse
