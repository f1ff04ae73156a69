#pragma once

class QWidget;

// How the calibration pages hand over to one another: one page visible at a time, always in
// the same place, and the window that opened the first page blocked until none is visible.
namespace WizardPages {

// Shows `page` modally over `owner` and returns once it is hidden and not shown again by the
// handler that hid it, or unloaded.
void showModal(QWidget *page, QWidget *owner);

// The next page takes the current one's place and is shown modally, owned by the current one.
void forward(QWidget *current, QWidget *next);

// The previous page takes the current one's place and is visible again.
void back(QWidget *current, QWidget *previous);

} // namespace WizardPages
