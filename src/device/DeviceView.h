#pragma once

#include <QString>

namespace zovi {

// The main window as the device logic writes it.
class DeviceView {
public:
    virtual ~DeviceView() = default;
    virtual void setDeviceLabel(const QString& text) = 0; // lblDeviceType
    virtual void setVqElementVisible(bool visible) = 0;   // the mark shown only for VQ devices
    virtual void setOldElementVisible(bool visible) = 0;  // the mark shown only for OLD-type devices
    // Status bar panels 2 ("1mm = ...") and 3 ("1Pulse= ...").
    virtual void setUnitLine(const QString& mmLine, const QString& pulseLine) = 0;
    virtual void setChangeDeviceEnabled(bool enabled) = 0; // cmdChangeDev
    virtual void repaintGrids() = 0;                       // the position grid and the program grid
};

// The position table's mm column, which follows the device: after a device change each position's mm
// text is rewritten from its pulses.
class PositionMmColumn {
public:
    virtual ~PositionMmColumn() = default;
    // The pulse value of position 1 to 3 as the table holds it (text).
    virtual QString pulseText(int position) const = 0;
    // Stores the mm text of position 1 to 3 in the table and in the grid's mm column.
    virtual void setMmText(int position, const QString& text) = 0;
    // Around the rewrite: the grid stops redrawing, then redraws once.
    virtual void beginRefresh() {}
    virtual void endRefresh() {}
};

} // namespace zovi
