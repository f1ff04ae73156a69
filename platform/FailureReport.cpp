#include "FailureReport.h"

#include "FileError.h"
#include "InnerScrollBar.h"
#include "NestedLoops.h"
#include "Services.h"

namespace platform {

void reportFailure(const std::exception &error)
{
    const auto *fileError = dynamic_cast<const FileError *>(&error);
    const QString text = fileError ? fileError->message()
                                   : QStringLiteral("Der Vorgang konnte nicht ausgeführt werden:\n%1")
                                         .arg(QString::fromUtf8(error.what()));
    // one click, one box: a held arrow must not step on once the box has taken its release
    InnerScrollBar::releaseActing();
    const NestedLoops::Scope waiting;
    services().messageBox({text, QString(), MessageIcon::Critical});
}

void restorePointerAndReport(const std::exception &error)
{
    services().setMousePointer(MousePointer::Default);
    reportFailure(error);
}

ScopedHourglass::ScopedHourglass(bool active)
    : m_active(active)
{
    if (m_active)
        services().setMousePointer(MousePointer::Hourglass);
}

ScopedHourglass::~ScopedHourglass()
{
    if (m_active)
        services().setMousePointer(MousePointer::Default);
}

void ScopedHourglass::endAndReport(const std::exception &error)
{
    if (!m_active) {
        reportFailure(error);
        return;
    }
    m_active = false;
    restorePointerAndReport(error);
}

} // namespace platform
