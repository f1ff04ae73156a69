#pragma once

#include "LevelPlot.h"

#include <QList>

#include <span>

class QLabel;
class QWidget;

namespace ChartCaptions {

// One label per caption inside `box`, in the table's order, so they show and hide with it.
QList<QLabel *> place(QWidget *box, std::span<const LevelPlot::AxisCaption> captions);

} // namespace ChartCaptions
