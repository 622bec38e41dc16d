#pragma once

#include <QString>

namespace zovi {

// The two questions the stored-device check asks of the device list files.
class DeviceListLookup {
public:
    virtual ~DeviceListLookup() = default;
    // False when the list for this series and type cannot be read (the operator has been told).
    virtual bool listReadable(bool isVqSeries, bool isNewType) = 0;
    // The lead of the first matching model, 0 when the model is not in the list.
    virtual qint16 lookupLead(bool isVqSeries, bool isNewType, const QString& size, const QString& speed,
                              qint16 stroke) = 0;
};

// Stands in until the device catalogue files are read: no list can be read, so the stored lead is used.
class NoDeviceListLookup : public DeviceListLookup {
public:
    bool listReadable(bool, bool) override { return false; }
    qint16 lookupLead(bool, bool, const QString&, const QString&, qint16) override { return 0; }
};

} // namespace zovi
