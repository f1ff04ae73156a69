#pragma once

#include <QString>

class QWidget;

namespace ModBrowse {

// The suite's start page, opened from every program's "?" menu.
extern const QString SuiteWebPage;

// Shown, with the address for %1, when no browser took the page.
extern const QString NoBrowserMessage;

// Hands the address to the desktop's browser, with the hourglass shown meanwhile.
void OpenWebPage(QWidget *owner, const QString &address);

} // namespace ModBrowse
