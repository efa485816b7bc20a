#pragma once
// Recognising a configuration file before reading it: a light streaming parse
// tells whether the file is an instrument configuration document and which
// model it names, without building the instrument.

#include <cstdio>
#include <memory>
#include <vector>

#include "platform/CString.h"
#include "platform/QDParser.h"

namespace Config2004 {

// A reusable event handler for instrument configuration documents. It keeps
// the stack of open elements, checks that each end tag closes the innermost
// one, and dispatches each known tag to its own start and end operation.
// Every operation does nothing here; derived classes override those they need.
class CConFileEventHandler : public TWUtility::CQDParserEventHandler {
  public:
    CConFileEventHandler();
    ~CConFileEventHandler() override = default;

    // Trims the tag, pushes it and calls its start operation.
    void StartElement(CString tag, TWUtility::CXMLAttributeList& attributes) override;
    // Trims the tag; when it closes the innermost element, calls its end
    // operation and pops it, else reports the fault.
    void EndElement(CString tag) override;
    void StartDocument() override {}
    void EndDocument() override {}
    // The text of the current element.
    void CharacterData(CString text) override { m_text = text; }

    virtual void start_Instrument(TWUtility::CXMLAttributeList&) {}
    virtual void start_Name(TWUtility::CXMLAttributeList&) {}
    virtual void start_NmeaDepthDataAdded(TWUtility::CXMLAttributeList&) {}
    virtual void start_NmeaDeviceConnectedToPC(TWUtility::CXMLAttributeList&) {}
    virtual void start_NmeaPositionDataAdded(TWUtility::CXMLAttributeList&) {}
    virtual void start_NmeaTimeAdded(TWUtility::CXMLAttributeList&) {}
    virtual void start_TDW_InstrumentConfiguration(TWUtility::CXMLAttributeList&) {}
    virtual void start_ScansToAverage(TWUtility::CXMLAttributeList&) {}
    virtual void start_ScanTimeAdded(TWUtility::CXMLAttributeList&) {}
    virtual void start_Sensor(TWUtility::CXMLAttributeList&) {}
    virtual void start_SensorArray(TWUtility::CXMLAttributeList&) {}
    virtual void start_TemperatureSensor(TWUtility::CXMLAttributeList&) {}
    // The start of an element that has no operation of its own.
    virtual void start_UnknownTag(TWUtility::CXMLAttributeList&) {}

    virtual void end_Instrument() {}
    virtual void end_Name() {}
    virtual void end_NmeaDepthDataAdded() {}
    virtual void end_NmeaDeviceConnectedToPC() {}
    virtual void end_NmeaPositionDataAdded() {}
    virtual void end_NmeaTimeAdded() {}
    virtual void end_TDW_InstrumentConfiguration() {}
    virtual void end_ScansToAverage() {}
    virtual void end_ScanTimeAdded() {}
    virtual void end_Sensor() {}
    virtual void end_SensorArray() {}
    virtual void end_TemperatureSensor() {}
    virtual void end_UnknownTag() {}

    // An end tag that does not close the innermost open element.
    virtual void OnTagMisMatch(CString found, CString expected);
    // An end tag while no element is open.
    virtual void OnStackEmptyError(CString tag);

  protected:
    const std::vector<CString>& TagStack() const { return m_tagStack; }
    const CString& Text() const { return m_text; }

  private:
    TWUtility::CXMLTagLookupMap<CConFileEventHandler> m_tagMap;
    std::vector<CString> m_tagStack;  // outermost first
    CString m_text;
};

// Tells whether a file is an instrument configuration document naming a
// model. The root "TDW_InstrumentConfiguration" must open within the first
// 1000 characters, as the outermost element; the model is the "Type" of the
// (last) "Instrument" element. Faults go to the diagnostics log only.
class CPreReadConFile : public TWUtility::CQDParserDataSource, public CConFileEventHandler {
  public:
    static constexpr int kMaxCharsBeforeRoot = 1000;

    // Nonzero when the file is such a document.
    static int IsConXML(CString path);
    // The same; when nonzero, ctdID receives the model's CTD ID (which is not
    // checked against the catalogue), else it is left alone.
    static int IsConXML(CString path, int& ctdID);

    ~CPreReadConFile() override = default;

    // The next character of the file, or EOF. Ends the parse when the root
    // has not opened within the first kMaxCharsBeforeRoot characters.
    int Read() override;

    void start_TDW_InstrumentConfiguration(TWUtility::CXMLAttributeList& attributes) override;
    void start_Instrument(TWUtility::CXMLAttributeList& attributes) override;
    // Log the fault and end the parse.
    void OnTagMisMatch(CString found, CString expected) override;
    void OnStackEmptyError(CString tag) override;

  private:
    CPreReadConFile() = default;
    CPreReadConFile(const CPreReadConFile&) = delete;
    CPreReadConFile& operator=(const CPreReadConFile&) = delete;

    int DoParse();

    struct SFileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };

    int m_bRootSeen = 0;
    int m_nCharsRead = 0;
    std::unique_ptr<std::FILE, SFileCloser> m_file;
    int m_nCTDType = -1;
    CString m_path;
};

}  // namespace Config2004
