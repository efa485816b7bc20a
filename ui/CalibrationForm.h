#pragma once
// The calibration dialog of a sensor, one form for every kind of sensor. Its
// fields are the sensor's own (CSensor::Fields), in the order the sensor
// writes them, each showing the text its element carries (its number
// format): a flag is a check box, a choice a list of its texts, every other
// value an edit; groups become headed sections and the sensor's comments
// notes. OK gives the typed texts of the fields that changed to a copy of the
// sensor, which takes each as a read would, so the sensor decides what it
// accepts; the sensor changes only when all of it was accepted. Import and
// Export load and save a sensor calibration file.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/Sensor.h"
#include "platform/Form.h"

// The control ids of the form, besides OK and Cancel (ui/DialogButtons.h) and
// one per coefficient (its field's key: the element's tag, or "Group.Tag" for
// a tag that occurs in more than one group).
namespace CalibrationIds {
inline constexpr const char* kSerialNumber = "serialNumber";
inline constexpr const char* kCalibrationDate = "calibrationDate";
inline constexpr const char* kImport = "import";
inline constexpr const char* kExport = "export";
}  // namespace CalibrationIds

// Which of the sensor's elements a form shows: the kinds of sensor with two
// coefficient sets have one form per set.
enum class ECalibrationView {
    AllCoefficients,
    SerialAndDateOnly,
    ConductivityGJ,     // the G, H, I, J set and the set switch
    ConductivityOld,    // the A, B, C, D, M set and the set switch
    ConductivityType1,  // the G, H, I, J set with WBOTC
    TemperatureGJ,
    TemperatureOld,
};

class CCalibrationForm : public CFormDialog {
  public:
    // The form named dialogName (the exported dialog function) edits sensor;
    // note, when given, is shown above the fields.
    CCalibrationForm(CSensor& sensor, ECalibrationView view, const char* dialogName,
                     const CString& note = CString());
    ~CCalibrationForm() override;

    const char* DialogName() const { return m_dialogName; }

    void Initialise() override;
    void Changed(const std::string& id) override;
    void Command(const std::string& id) override;

  private:
    struct SField {
        std::size_t index;  // the position among the sensor's fields
        SSensorField field;
        std::string shown;  // the text the control showed at first
        CString label;      // with its group, for messages
    };

    // Lays out the controls from the working sensor.
    void Build();
    void AddField(std::size_t index, const SSensorField& field, const CString& heading);
    const SField& FieldOf(std::string_view id) const;
    // The text the control holds now.
    std::string TextOf(const SField& field) const;
    // A copy of the sensor holding the controls' texts, or null after telling
    // the user which field was refused.
    std::unique_ptr<CSensor> ReadControls();
    // Puts the serial number and date typed into the copy; false after
    // telling the user that the date is not one.
    bool TakeBaseItems(CSensor& read) const;
    void ShowFieldError(const SField& field, const std::string& text) const;

    void OnOK();
    void OnImport();
    void OnExport();

    CSensor& m_sensor;
    std::unique_ptr<CSensor> m_work;  // what the fields were made from
    ECalibrationView m_view;
    const char* m_dialogName;
    CString m_note;
    std::string m_shownDate;
    std::vector<SField> m_fields;
};

// A new object of the sensor's class holding the same values.
std::unique_ptr<CSensor> CloneSensor(const CSensor& sensor);

// The title of the sensor's calibration dialog, also the caption of its
// messages.
CString CalibrationTitle(const CSensor& sensor);
