#pragma once
// Recognising a configuration file before reading it: a light streaming parse
// tells whether the file is an instrument configuration document and which
// model it names, without building the instrument.

#include <cstddef>
#include <memory>
#include <vector>

#include "platform/CString.h"
#include "platform/IOResult.h"
#include "platform/QDParser.h"

namespace TDWXML {
class CFileImage;
}

namespace Config2004 {

// A reusable event handler for instrument configuration documents. It keeps
// the stack of open elements, checks that each end tag closes the innermost
// one, and dispatches each known tag to its own start and end operation.
// Every operation does nothing here; derived classes override those they need.
// The map from tags to operations is built once, by the first handler made.
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
    const TWUtility::CXMLTagLookupMap<CConFileEventHandler>& m_tagMap;
    std::vector<CString> m_tagStack;  // outermost first
    CString m_text;
};

// Tells whether a file is an instrument configuration document naming a
// model. The root "TDW_InstrumentConfiguration" must open within the first
// 1000 characters, as the outermost element; the model is the "Type" of the
// (last) "Instrument" element. Faults go to the diagnostics log only.
//
// The file is read once, into the image the document reader then takes
// (TDWXML::CFileImage). The streaming parse covers the part before the root
// and ends where the root opens; the rest of the document is judged by the
// document reader's parse of the same bytes, and only when that refuses it
// does the streaming parse go through the whole file to name the fault. The
// answer for an image is kept, so that learning the model of a file and then
// reading it pre-reads it once.
class CPreReadConFile : public TWUtility::CQDParserDataSource, public CConFileEventHandler {
  public:
    static constexpr int kMaxCharsBeforeRoot = 1000;

    // Nonzero when the file is such a document.
    static int IsConXML(CString path);
    // The same; when nonzero, ctdID receives the model's CTD ID (which is not
    // checked against the catalogue), else it is left alone.
    static int IsConXML(CString path, int& ctdID);
    // The same; when zero, *why says why the file is not such a document
    // (the system's reason, the parser's with its line and column, the root
    // element or attribute that is wrong), taken from this one read.
    static int IsConXML(CString path, int& ctdID, SIOResult* why);

    ~CPreReadConFile() override = default;

    // The next character of the file, or EOF; ReadBlock gives the same
    // characters in blocks. Both end the parse when the root has not opened
    // within the first kMaxCharsBeforeRoot characters.
    int Read() override;
    std::size_t ReadBlock(char* buffer, std::size_t size) override;
    const char* ForcedEncoding() const override;

    void start_TDW_InstrumentConfiguration(TWUtility::CXMLAttributeList& attributes) override;
    // Log the fault and end the parse.
    void OnTagMisMatch(CString found, CString expected) override;
    void OnStackEmptyError(CString tag) override;
    // Before the whole file is read, the parse ends where the root opens.
    bool SeenEnough() const override { return m_bRootSeen && !m_bWholeFile; }

  private:
    CPreReadConFile() = default;
    CPreReadConFile(const CPreReadConFile&) = delete;
    CPreReadConFile& operator=(const CPreReadConFile&) = delete;

    int DoParse();
    int Examine();
    // Sets m_why for an image that is not such a document.
    void Explain();
    // The streaming parse, up to the root's start tag or (m_bWholeFile)
    // through the whole file; false when it refused the file (the reason is
    // logged).
    bool StreamingParse();
    // How far the streaming parse may read now.
    std::size_t Limit() const;

    int m_bRootSeen = 0;
    int m_nCharsRead = 0;
    std::shared_ptr<const TDWXML::CFileImage> m_image;
    int m_nCTDType = -1;
    CString m_path;
    bool m_bWholeFile = false;
    SIOResult m_why;
    // The streaming parse gave up where the root had not opened in time.
    bool m_bAbandoned = false;
};

}  // namespace Config2004
