#pragma once
// What a tool window gets from the main window: the current record, settings, the user-interaction
// seam, the clock and the main window's status bar. Tests implement it with a small fake host.

#include "core/app/Clock.h"
#include "core/app/Parameter.h"
#include "core/app/Settings.h"
#include "core/app/UserInteraction.h"

#include <QString>

namespace kvq {

class LinkController;

class ToolHost {
public:
    virtual ~ToolHost() = default;
    virtual PARAmeter& currentParams() = 0;
    virtual Settings& settings() = 0;
    virtual UserInteraction& userInteraction() = 0;
    virtual const Clock& clock() const = 0;
    // The serial link (ports, worker, transaction); null until the link layer is attached.
    virtual LinkController* link() = 0;
    // Status bar panel 0..5 of the main window.
    virtual void setStatusText(int panel, const QString& text) = 0;
    virtual QString statusText(int panel) const = 0;
};

} // namespace kvq
