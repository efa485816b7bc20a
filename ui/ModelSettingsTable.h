#pragma once
// The settings of the configuration dialogs as a table: each setting is one
// description (control id, kind, label, choices, how it reads and stores its
// value on the instrument, which control enables it), and each model is the
// list of its settings in layout order. CTableSettings runs such a list.

#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "core/CTD.h"
#include "core/Range.h"
#include "platform/CString.h"
#include "platform/Form.h"
#include "ui/ModelSettings.h"

namespace ModelSettings {

// The instrument as the model class a setting belongs to; a setting listed
// for a model of another class is a fault of the table and throws
// std::bad_cast.
template <class M>
const M& As(const CCTD& ctd) {
    return dynamic_cast<const M&>(ctd);
}
template <class M>
M& As(CCTD& ctd) {
    return dynamic_cast<M&>(ctd);
}

struct SSetting {
    std::string id;
    EControl kind = EControl::Check;
    CString label;
    // A combo's choices, and the instrument's value of each where it is not
    // the choice's index.
    std::vector<CString> choices;
    std::vector<int> values;

    // Checks, combos and edits of whole numbers.
    std::function<int(const CCTD&)> getInt;
    std::function<int(CCTD&, int)> setInt;  // 1 taken, 0 refused
    // Edits of decimal numbers.
    std::function<double(const CCTD&)> getDouble;
    std::function<int(CCTD&, double)> setDouble;
    // Edits: what the messages call the value ("Sample interval"), and the
    // message for a value that is not a number or that the instrument
    // refuses.
    CString subject;
    std::function<CString(const CCTD&)> refusal;
    // Buttons: what pressing does.
    std::function<void(CCTD&)> command;

    // The setting changes the channels: the dialog previews its choice on a
    // copy of the instrument and draws that copy's channels. The help says
    // how.
    bool changesChannels = false;
    CString channelEffect;
    // For the help: what the setting means, and its limits ("from 1 to
    // 32767") where it has them.
    CString meaning;
    std::function<CString(const CCTD&)> limits;
    // The property page that holds the control; empty in a plain dialog. The
    // titled box that holds it; empty: none.
    CString page;
    CString group;
    // Enabled only while each of these controls (itself enabled) has the
    // value given; never enabled when shown only (a value the model cannot
    // change).
    std::vector<std::pair<std::string, int>> enabledWhen;
    bool shownOnly = false;
    // Why the control is as it is, shown when the user points at it.
    CString toolTip;
    // Two checks that work as a pair of radio buttons: checking one clears
    // the other and clearing one checks the other.
    std::string pairedWith;

    bool IsDecimal() const { return static_cast<bool>(getDouble); }
    bool Stores() const { return setInt || setDouble; }

    // --- Binding to the instrument ---

    // A flag the model stores as given.
    template <class G, class S>
    SSetting& Flag(int (G::*get)() const, void (S::*set)(int)) {
        getInt = [get](const CCTD& ctd) { return (As<G>(ctd).*get)(); };
        setInt = [set](CCTD& ctd, int on) {
            (As<S>(ctd).*set)(on);
            return 1;
        };
        return *this;
    }
    // A bounded setting.
    template <class G, class S, class T>
    SSetting& Range(CRange<T> (G::*get)() const, int (S::*set)(T)) {
        if constexpr (std::is_same_v<T, int>) {
            getInt = [get](const CCTD& ctd) { return (As<G>(ctd).*get)().Get(); };
            setInt = [set](CCTD& ctd, int value) { return (As<S>(ctd).*set)(value); };
        } else {
            getDouble = [get](const CCTD& ctd) { return (As<G>(ctd).*get)().Get(); };
            setDouble = [set](CCTD& ctd, double value) { return (As<S>(ctd).*set)(value); };
        }
        return *this;
    }
    // The limits of the model's setting element of that tag; the message of
    // an edit names them.
    SSetting& Limits(const char* tag);
    // A whole number or choice that the model's setter takes (1) or refuses
    // (0).
    template <class G, class S>
    SSetting& Value(int (G::*get)() const, int (S::*set)(int)) {
        getInt = [get](const CCTD& ctd) { return (As<G>(ctd).*get)(); };
        setInt = [set](CCTD& ctd, int value) { return (As<S>(ctd).*set)(value); };
        return *this;
    }
    // A decimal number the model stores as given, or refuses (0).
    template <class G, class S>
    SSetting& Number(double (G::*get)() const, void (S::*set)(double)) {
        getDouble = [get](const CCTD& ctd) { return (As<G>(ctd).*get)(); };
        setDouble = [set](CCTD& ctd, double value) {
            (As<S>(ctd).*set)(value);
            return 1;
        };
        return *this;
    }
    template <class G, class S>
    SSetting& Number(double (G::*get)() const, int (S::*set)(double)) {
        getDouble = [get](const CCTD& ctd) { return (As<G>(ctd).*get)(); };
        setDouble = [set](CCTD& ctd, double value) { return (As<S>(ctd).*set)(value); };
        return *this;
    }
    SSetting& Access(std::function<int(const CCTD&)> get, std::function<int(CCTD&, int)> set) {
        getInt = std::move(get);
        setInt = std::move(set);
        return *this;
    }
    SSetting& ChangesChannels(const char* effect) {
        changesChannels = true;
        channelEffect = effect;
        return *this;
    }
    SSetting& Means(const char* text) {
        meaning = text;
        return *this;
    }
    SSetting& EnabledBy(std::string id, int when = 1) {
        enabledWhen.emplace_back(std::move(id), when);
        return *this;
    }
    SSetting& OnPage(const char* name) {
        page = name;
        return *this;
    }
    SSetting& InGroup(const CString& name) {
        group = name;
        return *this;
    }

    // "from <low> to <high>".
    static CString FromTo(double low, double high);
};

// A control of any kind; without access to the instrument it only takes its
// place in the layout, and the dialog fills and answers it.
SSetting Control(std::string id, EControl kind, const char* label);
SSetting Check(std::string id, const char* label);
SSetting Combo(std::string id, const char* label, std::vector<CString> choices);
SSetting Radio(std::string id, const char* label, std::vector<CString> choices);
// An edit; subject names the value in its messages.
SSetting Edit(std::string id, const char* label, const char* subject);
SSetting Button(std::string id, const char* label, std::function<void(CCTD&)> command);
// A text the dialog shows.
SSetting Note(std::string id, const char* text);

// --- Settings that several models share ---
SSetting NmeaPosition(const char* label = "NMEA position data added");
SSetting NmeaDepth();
SSetting NmeaTime();
SSetting NmeaToDeckUnit();
SSetting NmeaToPC();
// The Vantrel family's "Scan time added".
SSetting ScanTimeAdded();
// "External voltage channels": 0 to the model's catalogue maximum.
SSetting ExternalVoltages(int ctdID);
// "Serial RS-232C sensor": the serial sensors from none to last by their
// report names, but for except (-1: none left out).
SSetting SerialSensor(std::string id, int last, int except);
// Choices "0" to "last".
std::vector<CString> CountChoices(int last);

template <class M>
SSetting SurfacePar() {
    return Check("surfacePar", "Surface PAR voltage added")
        .Flag(&M::GetbSPAR_Added, &M::SetbSPAR_Added)
        .Means("The deck unit adds the voltage of a surface PAR sensor to each scan.")
        .ChangesChannels(
            "Adds the \"SPAR voltage\" channel and the surface PAR sensor at the end; off "
            "removes both.");
}

// The settings of one model, run from its table.
class CTableSettings : public CModelSettings {
  public:
    CTableSettings(std::vector<SSetting> settings, bool xmlOnly, bool selectAndModify = true);

    void AddControls(CFormDialog& dialog) const override;
    void WriteControls(const CCTD& ctd, CFormDialog& dialog) const override;
    int ReadControls(CFormDialog& dialog, CCTD& ctd) const override;
    void UpdateStates(CFormDialog& dialog) const override;
    bool Changed(const std::string& id, CFormDialog& dialog) const override;
    void PreviewLayout(const LayoutChoices& choices, CFormDialog& dialog,
                       CCTD& copy) const override;
    bool ControlsDiffer(const CFormDialog& dialog, const CCTD& ctd) const override;
    std::vector<SSettingHelp> Help(const CCTD& ctd) const override;
    void Command(const std::string& id, CFormDialog& dialog, CCTD& ctd) const override;
    bool XmlOnly() const override { return m_xmlOnly; }
    bool SelectAndModify() const override { return m_selectAndModify; }

  private:
    const SSetting* Find(const std::string& id) const;
    // Shown only, or following a control (itself enabled) that does not
    // have the value it waits for.
    bool Enabled(const SSetting& setting, const CFormDialog& dialog) const;
    // Fills one control from the instrument.
    void WriteControl(const SSetting& setting, const CCTD& ctd, SControl& control) const;
    // Stores one control into the instrument when its value differs; false
    // with the message shown when the value is refused.
    bool StoreControl(const SSetting& setting, const SControl& control, CCTD& ctd) const;

    std::vector<SSetting> m_settings;
    bool m_xmlOnly;
    bool m_selectAndModify;
};

// A small modal form of settings on an instrument, with "OK" and "Cancel":
// OK stores the settings and closes; a refused value keeps it open.
class CSettingsForm : public CFormDialog {
  public:
    CSettingsForm(CString caption, const CModelSettings& settings, CCTD& ctd);

    void Initialise() override;
    void Changed(const std::string& id) override;
    void Command(const std::string& id) override;

  private:
    const CModelSettings& m_settings;
    CCTD& m_ctd;
};

// The per-model tables, by family.
std::unique_ptr<CModelSettings> MakeVantrelSettings(int ctdID);
std::unique_ptr<CModelSettings> MakeOtherSettings(int ctdID);

// True when the legacy .con writer cannot hold the model.
bool LegacyFormatRefuses(int ctdID);

}  // namespace ModelSettings
