#pragma once
// A configuration as named items, the same for every model: the model's own
// settings as its WriteXML writes them under "Instrument", and per channel
// the sensor, its serial number, calibration date and each coefficient
// element. The items are found in the document the library writes, so what
// the tool and the Python module show, compare and change is what the file
// holds.
//
// Names: a setting is its element's tag, with ".CHILD" for the elements
// inside it, "[N]" for an index and "@NAME" for an attribute of an element
// with children ("RealTimeOptions.DeckUnit"). A coefficient is its element's
// tag ("G"); a tag that occurs more than once in a sensor carries the path
// from the sensor's element ("Coefficients[equation=0].CPcor").

#include <pugixml.hpp>

#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "core/CTD.h"

struct SConfigItem {
    std::string key;
    std::string text;  // the configuration's bytes
    pugi::xml_node element;
    pugi::xml_attribute attribute;  // set when the item is an attribute
    bool isText = false;            // a text even when it reads as a number

    void SetText(const std::string& bytes);
};

struct SChannelItems {
    int number;  // from 1
    std::string label;
    int sensorID;
    std::string sensor;
    SConfigItem serialNumber;
    SConfigItem calibrationDate;
    std::vector<SConfigItem> coefficients;
};

class CConfigItems {
  public:
    // Writes the configuration into a document in memory and names its items.
    explicit CConfigItems(const CCTD& ctd);

    const std::vector<SConfigItem>& Settings() const { return m_settings; }
    const std::vector<SChannelItems>& Channels() const { return m_channels; }

    // The item a name of the JSON form names ("settings.Mode",
    // "channels.1.coefficients.G", "channels.3.serial_number"); null when
    // there is none.
    SConfigItem* Find(const std::string& name);

    // The document, with any item changed, read back into a new instrument of
    // the same model through its own ReadXML; null when the model refuses it.
    std::unique_ptr<CCTD> ReadBack() const;

    // Everything as one JSON object; texts converted from Latin-1 to UTF-8.
    nlohmann::ordered_json ToJson(const CCTD& ctd) const;

  private:
    friend std::unique_ptr<CCTD> WithControlsEscaped(const CCTD& ctd);

    pugi::xml_document m_document;
    std::vector<SConfigItem> m_settings;
    std::vector<SChannelItems> m_channels;
};

// A warning for each setting and coefficient whose number is not finite
// ("channels.1.coefficients.G: not a finite number (inf)"), which JSON
// shows as null.
std::vector<std::string> NonFiniteWarnings(const CCTD& ctd);

// A copy whose texts have their control characters escaped (ControlText.h),
// for a report shown on a terminal; null when no text holds one, or when the
// model does not take the escaped texts.
std::unique_ptr<CCTD> WithControlsEscaped(const CCTD& ctd);

// A JSON number for a text that is one (null for one that is not finite),
// else the text as a UTF-8 string.
nlohmann::ordered_json JsonValue(const std::string& text);

// Configuration bytes (ISO-8859-1) as UTF-8.
std::string Latin1ToUtf8(const std::string& bytes);
