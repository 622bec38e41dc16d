#pragma once

#include "device/DeviceListFile.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>

namespace zovi {

class AppContext;
class DeviceCatalogue;
struct ParameterState;

// The parameter window's fields as the logic reads and writes them.
struct ParameterForm {
    // The text fields by parameter number: 1 to 17, 19 and 20, 18 txtVsiyou, 22 txtActuator.
    std::array<QString, 25> text;
    int vertical = 0;       // optVertical: 0 "Pushing", 1 "Sensor"
    int type = 0;           // optType: 0 "VQ(New)", 1 "VQ(Old)", 2 "JM"
    QString actSize;        // comboActSize
    QString actSpeed;       // comboActSpeed
    QString actStroke;      // comboActStroke
    int emgWay = 1;         // optEmgWay: 0 "Reset", 1 "Hold"
    int emgLogic = 1;       // optEmgLogic: 0 "Logic B", 1 "Logic A"
    bool useDefault = true; // chkUseDefoult: the emergency-stop settings stay at their defaults
};

// What the parameter window frmParameta shows and does, without its widgets: the fields, the type and
// homing options with the device lists behind the actuator boxes, the key filter and the leave checks
// of the number fields, the default check box, the loading of the standard values for a device and
// the display of the parameter set. The window mirrors this model and forwards the operator's actions.
//
// The window keeps its own series and type choice (and its own copy of the device list): choosing
// "JM" here does not change the current device's series word or the device table of the main window.
class ParameterFormModel {
public:
    ParameterFormModel(AppContext& ctx, DeviceCatalogue& catalogue, ParameterState& state);

    ParameterForm form;

    // Enable and visibility state.
    bool homingEnabled = false;        // both optVertical options
    bool emergencyEnabled = false;     // optEmgWay, optEmgLogic, lblEmgWay, lblEmgLogic
    bool detailsShown = false;         // PictureExpPara, shown and enabled with the details setting
    bool defaultCheckEnabled = false;  // chkUseDefoult
    bool defaultButtonEnabled = true;  // cmdLoadDefoultPara
    bool commandButtonsEnabled = true; // the six file and controller buttons
    QStringList sizes, speeds, strokes;
    QString title;  // the window's caption
    QString status; // lblParaWinStatus

    bool ParaBusyFlag = false;
    bool ParaSensorFlag = false; // sensor homing chosen, or the device is a V-type
    QString seriesWord = QStringLiteral("VQ");
    bool dlgNewType = true;

    // Form_Load: captions aside, the current device in the actuator boxes, its series and type, the
    // device list and the details setting.
    void Form_Load();

    // An edit of a text field (parameter number); any change of 1 to 17, 19 and 20 sets ParaChangeFlag.
    void setText(int number, const QString& text);
    // The key filter of a number field: false when the key (its character code) is dropped. Enter (13)
    // is taken by the window, which moves the focus on.
    bool keyAccepted(int number, int currentLength, int keyAscii) const;
    // The focus leaves a field: a value outside the field's range empties it with a beep.
    void leaveField(int number);

    void optType_Click(int index);
    void optVertical_Click(int index);
    void comboActSize_Click(const QString& size);
    void comboActSpeed_Click(const QString& speed);
    void comboActStroke_Click(const QString& stroke);
    void chkUseDefoult_Click(bool checked);

    // cmdLoadDefoultPara: `runDeviceDialog` shows frmDevice2 modally and returns true when it was
    // cancelled. The standard row of the chosen device fills the fields.
    using RunDialog = std::function<bool()>;
    void cmdLoadDefoultPara_Click(const RunDialog& runDeviceDialog);

    // Disp_ParaData: the parameter set into the fields (jog speeds above 30 become 30 in the set too).
    void Disp_ParaData();
    // ParametaCMDBTN_Muko / ParametaCMDBTN_Yuko.
    void ParametaCMDBTN_Muko() { commandButtonsEnabled = false; }
    void ParametaCMDBTN_Yuko() { commandButtonsEnabled = true; }

private:
    // The device list of the window's series and type; false (after the loader's message) when it
    // cannot be read, the boxes then stay as they are.
    bool loadDeviceList();
    void RefreshDeviceCombos();
    QStringList speedsOf(const QString& size) const;
    QStringList strokesOf(const QString& size, const QString& speed) const;
    void fillSpeeds();
    void fillStrokes();
    void setHomingByCategory();
    void selectType(int index); // the option, and its handling when it was not selected before
    void showActuatorCode();
    void refillKeepingTexts();

    AppContext& ctx_;
    DeviceCatalogue& catalogue_;
    ParameterState& state_;
    DeviceList list_;
};

} // namespace zovi
