#include "ui/CalibrationForm.h"

#include <algorithm>
#include <tuple>

#include "platform/DateText.h"
#include "platform/MessageBox.h"
#include "platform/xml/ElementText.h"
#include "ui/CalibrationFields.h"
#include "ui/DialogButtons.h"
#include "xmlfiles/SensorImportExport.h"

using namespace CalibrationIds;
using DialogButtonIds::kCancel;
using DialogButtonIds::kOk;
using EKind = SSensorField::EKind;

namespace {

// "Coefficients (equation 1)" for a group.
CString HeadingOf(const SSensorField& group) {
    CString heading(group.tag);
    heading.AppendFormat(" (%s %d)", group.groupIndexAttr, group.groupIndex);
    return heading;
}

// The field that a comment speaks of: the next one that is not a comment.
const SSensorField* SubjectOf(const std::vector<SSensorField>& fields, std::size_t comment) {
    for (std::size_t i = comment + 1; i < fields.size(); ++i) {
        if (fields[i].kind != EKind::Comment) {
            return &fields[i];
        }
    }
    return nullptr;
}

}  // namespace

CString CalibrationTitle(const CSensor& sensor) {
    CString text;
    text.Format("%s Calibration Coefficients", sensor.GetSensorName().GetString());
    return text;
}

std::unique_ptr<CSensor> CloneSensor(const CSensor& sensor) {
    std::unique_ptr<CSensor> copy(static_cast<CSensor*>(sensor.GetRuntimeClass()->CreateObject()));
    if (copy) {
        copy->AssignFrom(sensor);
    }
    return copy;
}

CCalibrationForm::CCalibrationForm(CSensor& sensor, ECalibrationView view, const char* dialogName,
                                   const CString& note)
    : m_sensor(sensor),
      m_work(CloneSensor(sensor)),
      m_view(view),
      m_dialogName(dialogName),
      m_note(note) {}

CCalibrationForm::~CCalibrationForm() = default;

void CCalibrationForm::Initialise() {
    Build();
}

void CCalibrationForm::Build() {
    controls.clear();
    m_fields.clear();
    title = CalibrationTitle(*m_work);
    if (!m_note.IsEmpty()) {
        Add(EControl::Label, "note", m_note);
    }
    m_shownDate = m_work->GetCalDate().str();
    for (const auto& [id, label, text] :
         {std::tuple{kSerialNumber, "Serial number", m_work->GetSerialNum().str()},
          std::tuple{kCalibrationDate, "Calibration date", m_shownDate}}) {
        SControl& edit = Add(EControl::Edit, id, label);
        edit.text = text;
        edit.maxLength = SENSOR_TEXT_BUFFER - 1;
    }
    const std::vector<SSensorField> fields = m_work->Fields();
    int noteCount = 0;
    bool groupHidden = false;
    CString heading;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const SSensorField& field = fields[i];
        if (field.kind == EKind::CloseGroup) {
            groupHidden = false;
            heading.Empty();
        } else if (groupHidden || CalibrationViewHides(m_view, field)) {
            groupHidden = groupHidden || field.kind == EKind::OpenGroup;
        } else if (field.kind == EKind::OpenGroup) {
            heading = HeadingOf(field);
            Add(EControl::Label, field.key, heading);
        } else if (field.kind == EKind::Comment) {
            // A comment goes where the field it speaks of goes; a choice's
            // texts and a label that repeats it say what it would.
            const SSensorField* subject = SubjectOf(fields, i);
            if (subject == nullptr ||
                (subject->IsValue() &&
                 (CalibrationViewHides(m_view, *subject) || subject->kind == EKind::Choice ||
                  std::string_view(subject->Label()) == field.tag))) {
                continue;
            }
            Add(EControl::Label, "note" + std::to_string(noteCount++), field.tag);
        } else {
            AddField(i, field, heading);
        }
    }
    for (const auto& [id, label] : {std::pair{kImport, "Import"}, std::pair{kExport, "Export"}}) {
        Add(EControl::Button, id, label).bottomRow = true;
    }
    AddOkCancel(*this);
}

void CCalibrationForm::AddField(std::size_t index, const SSensorField& field,
                                const CString& heading) {
    SField entry{index, field, m_work->GetFieldText(index).str(), field.Label()};
    if (!heading.IsEmpty()) {
        entry.label += " in " + heading.str();
    }
    int number = 0;
    TDWXML::ParseInt(entry.shown, &number);
    switch (field.kind) {
        case EKind::Flag:
            Add(EControl::Check, field.key, field.Label()).value = number != 0 ? 1 : 0;
            break;
        case EKind::Choice: {
            SControl& combo = Add(EControl::Combo, field.key, field.Label());
            combo.choices.assign(field.choices.begin(), field.choices.end());
            combo.value = number;
            break;
        }
        default: {
            SControl& edit = Add(EControl::Edit, field.key, field.Label());
            edit.text = entry.shown;
            edit.readOnly = field.kind == EKind::Constant;
        }
    }
    m_fields.push_back(std::move(entry));
}

const CCalibrationForm::SField& CCalibrationForm::FieldOf(std::string_view id) const {
    return *std::find_if(m_fields.begin(), m_fields.end(),
                         [id](const SField& entry) { return entry.field.key == id; });
}

std::string CCalibrationForm::TextOf(const SField& entry) const {
    const SControl& control = At(entry.field.key);
    int shown = 0;
    TDWXML::ParseInt(entry.shown, &shown);
    switch (entry.field.kind) {
        case EKind::Flag:
            // An untouched check keeps the sensor's own number.
            return (shown != 0) == (control.value != 0) ? entry.shown
                                                        : std::to_string(control.value != 0);
        case EKind::Choice:
            return shown == control.value ? entry.shown : std::to_string(control.value);
        default:
            return control.text.str();
    }
}

void CCalibrationForm::ShowFieldError(const SField& entry, const std::string& text) const {
    double number = 0.0;
    int integer = 0;
    const bool notANumber =
        (entry.field.kind == EKind::Double && !TDWXML::ParseDouble(text, &number)) ||
        (entry.field.kind == EKind::Integer && !TDWXML::ParseInt(text, &integer));
    CString message;
    if (notANumber) {
        message.Format("%s: \"%s\" is not a %s.", entry.label.GetString(), text.c_str(),
                       entry.field.kind == EKind::Integer ? "whole number" : "number");
    } else {
        message.Format("%s: the sensor does not accept \"%s\".", entry.label.GetString(),
                       text.c_str());
    }
    TWMessageBox(message, title, MB_OK | MB_ICONWARNING);
}

std::unique_ptr<CSensor> CCalibrationForm::ReadControls() {
    // Only what was changed is given to the copy: untouched, a value stays
    // exactly as it is, even where it is finer than its element shows.
    std::unique_ptr<CSensor> read = CloneSensor(*m_work);
    for (const SField& entry : m_fields) {
        const std::string text = TextOf(entry);
        if (text != entry.shown && !read->SetFieldText(entry.index, text)) {
            ShowFieldError(entry, text);
            return nullptr;
        }
    }
    if (!TakeBaseItems(*read)) {
        return nullptr;
    }
    return read;
}

bool CCalibrationForm::TakeBaseItems(CSensor& read) const {
    read.SetSerialNum(At(kSerialNumber).text);
    const CString& date = At(kCalibrationDate).text;
    if (date.str() != m_shownDate && read.SetCalDate(date) != 0) {
        EditDateError(date);
        return false;
    }
    return true;
}

void CCalibrationForm::OnOK() {
    if (const std::unique_ptr<CSensor> read = ReadControls()) {
        m_sensor.AssignFrom(*read);
        EndDialog(IDOK);
    }
}

void CCalibrationForm::OnImport() {
    Config2004::CSensorImportExport files;
    if (files.ImportSensor(m_work.get(), static_cast<CWnd*>(nullptr))) {
        Build();
    }
}

void CCalibrationForm::OnExport() {
    if (const std::unique_ptr<CSensor> read = ReadControls()) {
        Config2004::CSensorImportExport files;
        files.ExportSensor(read.get(), static_cast<CWnd*>(nullptr));
    }
}

void CCalibrationForm::Changed(const std::string& id) {
    const char* switchTag = CalibrationViewSwitch(m_view);
    if (switchTag == nullptr || id != switchTag) {
        return;
    }
    // The other set has its own form: the edits are taken, and the caller
    // opens that form.
    SControl& control = At(id);
    if (const std::unique_ptr<CSensor> read = ReadControls()) {
        m_sensor.AssignFrom(*read);
        EndDialog(IDOK);
    } else {
        control.value = control.value != 0 ? 0 : 1;
    }
}

void CCalibrationForm::Command(const std::string& id) {
    if (id == kOk) {
        OnOK();
    } else if (id == kCancel) {
        EndDialog(IDCANCEL);
    } else if (id == kImport) {
        OnImport();
    } else if (id == kExport) {
        OnExport();
    }
}
