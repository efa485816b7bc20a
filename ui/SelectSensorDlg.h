#pragma once
// The sensor chooser of a channel: a tree of the sensors that fit the kind of
// channel and the instrument's model, grouped by kind of sensor, with the
// channel's current sensor selected. Confirming a leaf chooses its sensor;
// confirming a group chooses nothing.

#include "core/CTD.h"
#include "platform/Form.h"

// The kinds of channel a sensor is chosen for.
enum class EChannelKind {
    Frequency,      // before the instrument's first voltage channel
    Voltage,        // from the first voltage channel on
    WetLabsSerial,  // one of the three channels of a WET Labs serial triplet
};

EChannelKind SensorChannelKind(const CCTD& ctd, int channel);

// Control ids shared by the dialog and the toolkits that draw it, with the
// OK and Cancel of ui/DialogButtons.h.
namespace SelectSensorIds {
inline constexpr const char* kSensors = "sensors";
inline constexpr const char* kShrinkAll = "shrinkAll";
inline constexpr const char* kExpandAll = "expandAll";
inline constexpr const char* kShrink = "shrink";
inline constexpr const char* kExpand = "expand";
}  // namespace SelectSensorIds

class CSelectSensorDlg : public CFormDialog {
  public:
    CSelectSensorDlg(const CCTD& ctd, int channel);

    // The confirmed sensor ID; -1 until a leaf is confirmed.
    int GetSelectedSensor() const { return m_selected; }

    void Command(const std::string& id) override;

  private:
    int m_selected = -1;
};
