#pragma once

#include <QPoint>
#include <QSize>

#include <functional>

class QWidget;

namespace platform {

// Shows a top-level window placed by its frame, title bar and borders included: `topLeft`
// gets the frame's size and gives the frame's corner. The frame is known only once the window
// manager has framed the window, so this waits for that (half a second at most) and places
// the window again then.
void showFramed(QWidget &window, const std::function<QPoint(QSize frame)> &topLeft);

// The corner that puts a frame of `frame`'s size with its middle on `centre`.
QPoint centredOn(QPoint centre, QSize frame);

} // namespace platform
