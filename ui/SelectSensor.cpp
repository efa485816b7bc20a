// The grid command Select: the user chooses a channel's new sensor, which
// joins the instrument only within the limits on how many sensors of one
// kind a configuration may hold, and then edits its calibration.

#include <memory>

#include "core/NullSensor.h"
#include "core/SensorArray.h"
#include "core/SensorRegistry.h"
#include "platform/MessageBox.h"
#include "ui/SelectSensorDlg.h"
#include "ui/SensorChoice.h"

namespace {

constexpr const char* kCannotSelect = "Cannot Select Sensor";

// The two Turner fluorometers cannot share an instrument.
constexpr int kTurner10005 = 14;
constexpr int kTurner10Au005 = 16;

void RefuseSelection(const CString& text) {
    TWMessageBox(text.GetString(), kCannotSelect, MB_OK | MB_ICONINFORMATION);
}

// True when the instrument may take one more sensor of that ID; otherwise
// tells the user. Free channels are never limited.
bool WithinLimit(const CCTD& ctd, int sensorID) {
    const int allowed = MaxSensorTypeAllowed(sensorID);
    if (sensorID == SID_NULL || ctd.DuplicateSensorCnt(sensorID) < allowed) {
        return true;
    }
    const char* name = GetSensorData(sensorID)->name;
    CString text;
    if (allowed == 1) {
        text.Format("Only one %s sensor can be selected.", name);
    } else {
        text.Format("A maximum of %d %s sensors can be selected.", allowed, name);
    }
    RefuseSelection(text);
    return false;
}

// True unless the other Turner fluorometer sits on another channel (the one
// on this channel is being replaced); otherwise tells the user.
bool TurnerAllowed(const CCTD& ctd, int channel, int sensorID) {
    if (sensorID != kTurner10005 && sensorID != kTurner10Au005) {
        return true;
    }
    const int other = sensorID == kTurner10005 ? kTurner10Au005 : kTurner10005;
    for (int i = 0; i < ctd.GetSensorArray().GetSize(); ++i) {
        if (i != channel && ctd.GetSensor(i).GetSensorID() == other) {
            CString text;
            text.Format("Cannot select a %s sensor when a\n%s sensor is already present.",
                        GetSensorData(sensorID)->name, GetSensorData(other)->name);
            RefuseSelection(text);
            return false;
        }
    }
    return true;
}

}  // namespace

int DisplaySelectSensorDialog(const CCTD& ctd, int channel) {
    CSelectSensorDlg dialog(ctd, channel);
    return TWRunModal(dialog) == IDOK ? dialog.GetSelectedSensor() : -1;
}

int SelectSensorForChannel(CCTD& ctd, int channel) {
    // The channels ReplaceSensor accepts.
    if (channel < 0 || channel >= ctd.GetNumChannel() ||
        channel >= ctd.GetSensorArray().GetSize()) {
        return 0;
    }
    const int chosen = DisplaySelectSensorDialog(ctd, channel);
    if (chosen < 0 || chosen == ctd.GetSensor(channel).GetSensorID()) {
        return 0;
    }
    if (!WithinLimit(ctd, chosen) || !TurnerAllowed(ctd, channel, chosen)) {
        return 0;
    }
    std::unique_ptr<CSensor> sensor(CreateSensorObject(chosen));
    if (!sensor) {
        return 0;
    }
    if (auto* placeholder = dynamic_cast<CNullSensor*>(sensor.get())) {
        placeholder->SetNullOutputType(
            SensorChannelKind(ctd, channel) == EChannelKind::Frequency ? OT_FREQUENCY : OT_VOLTAGE);
    }
    ctd.ReplaceSensor(channel, sensor.release());
    // The new sensor starts from its defaults: offer its calibration at once.
    CalibrateSensor(ctd, channel);
    return 1;
}
