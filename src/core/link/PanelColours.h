#pragma once
// The colours of the two status panels that report the link: the interface panel and the panel of the
// last exchange. The main window draws them; the link reports the same.

namespace kvq {

enum class PanelColour { Neutral, Yellow, Green, Red };

// Green when an interface ticked "aktive" is open, red when one is ticked but none of the ticked is open,
// neutral when neither is ticked.
PanelColour interfacePanelColour(bool sio1Ticked, bool sio1Open, bool sio2Ticked, bool sio2Open);

// LinkState 1 (request under way) yellow, 2 (valid answer) green, 3 (error) red, anything else neutral.
PanelColour linkStatePanelColour(int linkState);

} // namespace kvq
