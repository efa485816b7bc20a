// The calibration dialog of each sensor kind, and the choice of the dialog by
// sensor ID.

#include <initializer_list>

#include "instruments/VantrelCTD.h"
#include "platform/MessageBox.h"
#include "sensors/ConductivitySensor.h"
#include "sensors/TemperatureSensors.h"
#include "ui/CalDlgs.h"
#include "ui/CalibrationForm.h"
#include "ui/SensorChoice.h"

namespace {

using CalibrationDialog = int (*)(CSensor*);

constexpr int kCStarID = 71;

int RunForm(CSensor* sensor, ECalibrationView view, const char* name,
            const CString& note = CString()) {
    if (sensor == nullptr) {
        return IDCANCEL;
    }
    CCalibrationForm form(*sensor, view, name, note);
    return TWRunModal(form);
}

// Sensors without calibration: nothing opens for them.
bool HasNoCalibration(int sensorID) {
    for (int id : {1, 2, 15, 27, 31, 53, 54}) {
        if (id == sensorID) {
            return true;
        }
    }
    return false;
}

// The dialog of the table for the sensor ID; null when it lists none.
CalibrationDialog ListedDialog(int sensorID) {
#define TW_LISTED_DIALOG(Name, View, ...)                        \
    for (int listed : std::initializer_list<int>{__VA_ARGS__}) { \
        if (listed == sensorID) {                                \
            return &Name;                                        \
        }                                                        \
    }
    TW_CALIBRATION_DIALOGS(TW_LISTED_DIALOG)
#undef TW_LISTED_DIALOG
    return nullptr;
}

CalibrationDialog ConductivityDialog(const CCondSensor& sensor) {
    if (sensor.GetConductivityType() == 1) {
        return &CondType1CalDlg;
    }
    return sensor.GetbUseG_J() != 0 ? &CondCalDlg : &CondOldCalDlg;
}

CalibrationDialog TemperatureDialog(const CTempTDW2Sensor& sensor) {
    return sensor.GetbUseG_J() != 0 ? &TempTDW2CalDlg : &TempTDW2OldCalDlg;
}

// The sensors with two coefficient sets have a dialog per set. Switching sets
// inside one ends it with the edits taken, and the dialog of the other set
// follows, until the user leaves the switch as it was. The dialogs work on a
// copy: the sensor takes the result only when the last one ends with OK.
template <class TSensor>
int RunSetDialogs(CSensor* sensor, CalibrationDialog (*dialogFor)(const TSensor&)) {
    auto* typed = dynamic_cast<TSensor*>(sensor);
    if (typed == nullptr) {
        return IDCANCEL;
    }
    TSensor work(*typed);
    for (;;) {
        const int useG_J = work.GetbUseG_J();
        if (dialogFor(work)(&work) != IDOK) {
            return IDCANCEL;
        }
        if (work.GetbUseG_J() == useG_J) {
            break;
        }
    }
    *typed = work;
    return IDOK;
}

}  // namespace

#define TW_DEFINE_CALIBRATION_DIALOG(Name, View, ...)          \
    int Name(CSensor* sensor) {                                \
        return RunForm(sensor, ECalibrationView::View, #Name); \
    }
TW_CALIBRATION_DIALOGS(TW_DEFINE_CALIBRATION_DIALOG)
#undef TW_DEFINE_CALIBRATION_DIALOG

int TransWetlabCStarCalDlg(CSensor* sensor, int wetLabsSerial) {
    return RunForm(sensor, ECalibrationView::AllCoefficients, "TransWetlabCStarCalDlg",
                   wetLabsSerial != 0 ? "On a WET Labs serial channel" : "");
}

// The sensors without coefficients of their own (the gas tension devices, the
// TDW 58 pressure and the TDW 83 temperature) have NoCoeffCalDlg opened on
// the sensor itself, showing only its serial number and calibration date.
// That is what editing a no-coefficient stand-in of the sensor's ID and
// copying those two back would give, and Import and Export then read and
// write files of the sensor's own kind.
int DisplaySensorDialog(CSensor* sensor, int wetLabsSerial) {
    if (sensor == nullptr) {
        return IDCANCEL;
    }
    const int sensorID = sensor->GetSensorID();
    if (HasNoCalibration(sensorID)) {
        return IDCANCEL;
    }
    if (sensorID == SID_CONDUCTIVITY) {
        return RunSetDialogs<CCondSensor>(sensor, &ConductivityDialog);
    }
    if (sensorID == SID_TEMP_TDW2) {
        return RunSetDialogs<CTempTDW2Sensor>(sensor, &TemperatureDialog);
    }
    if (sensorID == kCStarID) {
        return TransWetlabCStarCalDlg(sensor, wetLabsSerial);
    }
    if (const CalibrationDialog dialog = ListedDialog(sensorID)) {
        return dialog(sensor);
    }
    CString text;
    text.Format("%s calibration is not yet implemented.", sensor->GetSensorName().GetString());
    TWMessageBox(text, CalibrationTitle(*sensor), MB_OK | MB_ICONINFORMATION);
    return IDCANCEL;
}

int CalibrateSensor(CCTD& ctd, int channel) {
    if (channel < 0 || channel >= ctd.GetSensorArray().GetSize()) {
        return IDCANCEL;
    }
    const auto* vantrel = dynamic_cast<const CVantrelCTD*>(&ctd);
    const int wetLabsSerial = vantrel != nullptr && vantrel->IsIndex_WET_Labs_Serial(channel);
    return DisplaySensorDialog(&ctd.GetSensor(channel), wetLabsSerial);
}
