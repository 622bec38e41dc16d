#pragma once

#include <QString>

namespace zovi {

class AppContext;
class DeviceCatalogue;
class DeviceView;
class PositionMmColumn;
struct CtDevice;
struct DeviceState;

// The current device and what follows from it: taking over the controller's actuator, comparing with
// it, the model name on the main window, the device marks, the unit line and the mm column.

// "VQ" or "JM".
QString seriesWord(bool isVqSeries);

// The device check applied to a controller's answer before it is taken over: a 3-character size, an
// upper-case speed letter, a stroke from 10 to 700 mm, kind 0 to 2 and a lead and PPR above 0.
bool ctDeviceUsable(const CtDevice& reply);

// Makes the controller's actuator the current device and shows or hides the device marks.
void adoptCtDevice(DeviceState& dev, const CtDevice& reply, DeviceView& view);

// 1 when the controller's actuator differs from the current device in size, speed, stroke, kind, PPR,
// lead or vertical flag, else 0.
int compareCtDevice(const DeviceState& dev, const CtDevice& reply);

// "VQ- 28L-100": series, size, speed and the stroke as plain decimal.
QString deviceLabelShort(const DeviceState& dev);
// "VQ- 28L-050V": the stroke in three digits ("X" when wider) and a mark from the model category:
// category 0 or 2 a blank; 1 "_" when not a V-type, "V" for an OLD V-type, nothing for a NEW V-type.
QString deviceLabelFull(const DeviceState& dev, int category);

// The VQ mark for VQ devices, the OLD mark for OLD-type devices.
void showDeviceMarks(const DeviceState& dev, DeviceView& view);

// The full label with the marks, the category taken from the device list of SeriesText.
void showFullDeviceLabel(AppContext& ctx, DeviceCatalogue& catalogue, DeviceView& view);

// Status bar panels 2 and 3 for the current lead and PPR.
void showUnitLine(const AppContext& ctx, DeviceView& view);

// Rewrites the mm text of positions 1 to 3 from their pulses for the current device.
void refreshMmColumn(const DeviceState& dev, PositionMmColumn& positions);

} // namespace zovi
