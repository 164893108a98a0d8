#include "core/link/PanelColours.h"

namespace kvq {

PanelColour interfacePanelColour(bool sio1Ticked, bool sio1Open, bool sio2Ticked, bool sio2Open) {
    if (!sio1Ticked && !sio2Ticked)
        return PanelColour::Neutral;
    const bool open = (sio1Ticked && sio1Open) || (sio2Ticked && sio2Open);
    return open ? PanelColour::Green : PanelColour::Red;
}

PanelColour linkStatePanelColour(int linkState) {
    switch (linkState) {
    case 1:
        return PanelColour::Yellow;
    case 2:
        return PanelColour::Green;
    case 3:
        return PanelColour::Red;
    default:
        return PanelColour::Neutral;
    }
}

} // namespace kvq
