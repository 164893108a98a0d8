#pragma once
// Small drawn images of the route tree: one per node image index (0 route, 1 building, 2 floor,
// 3 and up devices by device type) with the receive state of a device as a dot in the corner.

#include <QIcon>

namespace kvq {

class RouteImages {
public:
    static constexpr int kSize = 16;
    // The highest node image index the tree uses.
    static constexpr int kLastImage = 18;

    // stateImage: -1 for none (route, building, floor), else the state image of the device.
    // Unknown indexes get the image of an unknown device. Drawn anew on each call: callers cache
    // (a static cache would outlive the application object).
    static QIcon icon(int image, int stateImage = -1);
};

} // namespace kvq
