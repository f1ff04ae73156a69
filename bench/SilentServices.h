#pragma once

#include "platform/Services.h"

// Services that play nothing, so only a handler's own work is timed.
class SilentServices : public platform::Services {
public:
    void setMousePointer(platform::MousePointer) override {}
    void multimediaWrite(const QString &, const QString &, platform::MciProperty, const QVariant &) override {}
};
