#pragma once

#include <QString>
#include <QStringList>

namespace zovi {

class AppContext;
class DeviceCatalogue;

// What the device selection dialog frmDevice2 shows and does: series, type, homing method and the
// three boxes of size, speed class and stroke filled from the device list. The dialog changes only
// working values (WorkSeriesText, DlgNewType, VTypeFlag, PrevDevSize/Speed/Stroke, SeriesText); the
// main window's device change applies them.
//
// Filling the boxes: sizes are the list's distinct sizes; speeds those of the rows with the chosen
// size, each once, in list order; strokes those of the rows with the chosen size and speed, in list
// order. A box keeps its text when the text is among its entries, otherwise it takes the first entry.
class DeviceSelectionModel {
public:
    DeviceSelectionModel(AppContext& ctx, DeviceCatalogue& catalogue)
        : ctx_(ctx)
        , catalogue_(catalogue) {}

    // Form load: the current device's series, type and homing method, its size, speed and stroke in the
    // boxes, and the device list of its type.
    void load();
    void seriesClicked(int index);      // optVqSelect: 0 VQ, 1 JM
    void newOrOldClicked(bool checked); // chkNewOrOld: checked = OLD type
    void homeMethodClicked(int index);  // optHomeMethod: 0 pushing, 1 sensor
    void sizeChosen(const QString& text);
    void speedChosen(const QString& text);
    void strokeChosen(const QString& text);
    void ok();     // cmdDeviceSet
    void cancel(); // cmdDeviceCancel, or the close box

    // What the dialog shows.
    int series = 0;
    bool oldChecked = false;
    int homeMethod = 0;
    bool typeVisible = true;    // framNewOrOld with chkNewOrOld: VQ only
    bool homingVisible = false; // lblHomeMethod with optHomeMethod: VQ OLD only
    QStringList sizes, speeds, strokes;
    QString size, speed, stroke;

    bool cancelled = false;
    bool done = false; // the dialog is to be unloaded

private:
    // Loads the list with the dialog's type; the boxes are refilled only when it could be read.
    bool reloadList();
    void fillSizes();
    void fillSpeeds();
    void fillStrokes();

    AppContext& ctx_;
    DeviceCatalogue& catalogue_;
};

} // namespace zovi
