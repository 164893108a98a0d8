#include "ui/wmbus/route/RouteImages.h"

#include "core/wmbus/route/RouteRecords.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace kvq {

namespace {

struct DeviceLook {
    const char* letter;
    QRgb colour;
};

// Index 3..18: heat cost allocator, water, unknown, (6 unused), electricity, heat, gas, smoke
// detector, room sensor, gas detector, breaker, valve, display, waste water, waste, CO2.
const DeviceLook kDevices[] = {
    {"H", 0xffd9480f}, {"W", 0xff1c7ed6}, {"?", 0xff868e96}, {"?", 0xff868e96},
    {"E", 0xfff08c00}, {"Q", 0xffc92a2a}, {"G", 0xfff59f00}, {"R", 0xff495057},
    {"T", 0xff2b8a3e}, {"M", 0xffe8590c}, {"U", 0xff5f3dc4}, {"V", 0xff0b7285},
    {"D", 0xff364fc7}, {"A", 0xff5c940d}, {"F", 0xff6741d9}, {"C", 0xff087f5b},
};

void drawRoute(QPainter& p) {
    p.setPen(QPen(QColor(0x1971c2), 1.6));
    QPainterPath path;
    path.moveTo(2.5, 13.5);
    path.cubicTo(6, 13, 4, 7, 8, 7);
    path.cubicTo(12, 7, 10, 2.5, 13.5, 2.5);
    p.drawPath(path);
    p.setBrush(QColor(0x1971c2));
    p.drawEllipse(QPointF(2.5, 13.5), 1.6, 1.6);
    p.drawEllipse(QPointF(13.5, 2.5), 1.6, 1.6);
}

void drawBuilding(QPainter& p) {
    p.setPen(QPen(QColor(0x5c3d1e), 1));
    p.setBrush(QColor(0xc08a4e));
    p.drawRect(QRectF(3.5, 7.5, 9, 7));
    QPolygonF roof;
    roof << QPointF(1.5, 8) << QPointF(8, 1.5) << QPointF(14.5, 8);
    p.setBrush(QColor(0xa61e4d));
    p.drawPolygon(roof);
    p.setBrush(QColor(0xfff3bf));
    p.drawRect(QRectF(6.5, 10.5, 3, 4));
}

void drawFloor(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x868e96));
    p.drawRect(QRectF(1, 12, 14, 2));
    p.setBrush(QColor(0xadb5bd));
    p.drawRect(QRectF(1, 7, 14, 2));
    p.setBrush(QColor(0xced4da));
    p.drawRect(QRectF(1, 2, 14, 2));
}

void drawDevice(QPainter& p, int image) {
    const DeviceLook& look = kDevices[image - 3];
    p.setPen(QPen(QColor(look.colour).darker(140), 1));
    p.setBrush(QColor(look.colour));
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    QFont f = p.font();
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, QString::fromLatin1(look.letter));
}

void drawState(QPainter& p, int state) {
    QColor c(0xadb5bd); // not yet received
    if (state == wmbus::kStateReceived)
        c = QColor(0x37b24d);
    else if (state == wmbus::kStateReceivedEncrypted)
        c = QColor(0xf59f00);
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(c);
    p.drawEllipse(QPointF(12, 12), 3.5, 3.5);
}

QPixmap draw(int image, int state) {
    QPixmap pm(RouteImages::kSize, RouteImages::kSize);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (image) {
    case wmbus::kRouteImage:
        drawRoute(p);
        break;
    case wmbus::kBuildingImage:
        drawBuilding(p);
        break;
    case wmbus::kFloorImage:
        drawFloor(p);
        break;
    default:
        drawDevice(p, image);
        break;
    }
    if (state >= 0)
        drawState(p, state);
    return pm;
}

} // namespace

QIcon RouteImages::icon(int image, int stateImage) {
    if (image < 0 || image > kLastImage)
        image = wmbus::kUnknownDeviceImage;
    if (stateImage < -1 || stateImage > wmbus::kStateNotReceived)
        stateImage = wmbus::kStateNotReceived;
    return QIcon(draw(image, stateImage));
}

} // namespace kvq
