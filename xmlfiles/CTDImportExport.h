#pragma once
// CCTDImportExport: the instrument configuration document (.xmlcon). Reads
// such a file into a new instrument object of the model it names, and writes
// an instrument object into such a file.
//
// Layout: the root "TDW_InstrumentConfiguration" with the attribute
// "TW_ConfigCTD_FileVersion"; inside it "Instrument" with the attribute "Type"
// (the CTD ID), holding first "Name" (the model name, for readers of the file;
// never read back), then the model's own elements and last its "SensorArray".

#include "core/CTD.h"
#include "platform/CString.h"
#include "platform/IOResult.h"
#include "platform/ReadNotes.h"
#include "platform/xml/TDWXML.h"

namespace Config2004 {

class CCTDImportExport : public TDWXML::IDocObj {
  public:
    // The root element and its version attribute.
    static constexpr const char* kRootTag = "TDW_InstrumentConfiguration";
    static constexpr const char* kVersionAttribute = "TW_ConfigCTD_FileVersion";
    static constexpr int kVersionSize = 260;

    CCTDImportExport() = default;
    // A copy holds its own copy of an instrument that was read, and refers to
    // the same instrument as the original while writing.
    CCTDImportExport(const CCTDImportExport& other);
    CCTDImportExport& operator=(const CCTDImportExport& other);
    ~CCTDImportExport() override;

    // A new instrument owned by the caller, or null when the file is missing,
    // not XML, has another root, names an unknown model or fails to read.
    CCTD* ReadConFileXML(CString path);
    // 1 when the file was written, else 0. The instrument stays the caller's.
    // A failed write leaves an existing file as it was.
    int WriteConFileXML(CCTD* ctd, CString path);
    // The same, with why the file could not be written.
    SIOResult WriteConFileXMLResult(CCTD* ctd, CString path);

    // The document in memory: its text as WriteConFileXML writes it (empty
    // when the instrument could not write itself whole), and a new
    // instrument owned by the caller read from such a text (null as for
    // ReadConFileXML, and for any document not read whole).
    CString WriteText(CCTD* ctd);
    CCTD* ReadText(const char* text, std::size_t length);

    // Called by the document library on the root element.
    long ReadXML(TDWXML::CInputNode* node) override;
    long WriteXML(TDWXML::COutputNode* node) override;

    // Why a document of the model was refused, from what its read noted:
    // the item and why, or else that the model refuses its settings with
    // its sensor array.
    static SIOResult WhyRefused(const CReadNotes& notes, const CCTD& model);

    // The CTD ID of the last document read or written; -1 when none.
    int GetModelType() const { return m_nModelType; }

    // The version attribute of the last document read; empty when it had none.
    static const char* GetVersionReadIn();
    // While set, every sensor element written carries the version attribute.
    static int GetWriteVersionInSensorsFlag();
    static void SetWriteVersionInSensorsFlag(int on);

  private:
    void ForgetCTD();
    // The instrument read, now the caller's.
    CCTD* TakeCTD();

    CCTD* m_pCTD = nullptr;  // owned when it was read (m_bOwnsCTD)
    int m_nModelType = -1;
    bool m_bOwnsCTD = false;

    // The last document the calling thread read.
    static thread_local char s_versionReadIn[kVersionSize];
};

}  // namespace Config2004
