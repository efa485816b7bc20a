#pragma once
// CSensorHeaderInsert: the sensors of an instrument as the XML document
// (root "Sensors") that data-conversion hosts place in the header of their
// output. Each channel is an element "sensor" holding a comment with the
// channel label and sensor name as the report shows them, then the sensor's
// own element (none for a free channel). A sensor whose value the host
// overrode carries a note saying so, as a comment after its calibration date.
//
// The document is write-only.

#include "core/CTD.h"
#include "platform/CString.h"
#include "platform/xml/TDWXML.h"
#include "xmlfiles/CommandLineIniOptions.h"

namespace Config2004 {

class CSensorHeaderInsert : public TDWXML::IDocObj {
  public:
    CSensorHeaderInsert() = default;
    CSensorHeaderInsert(const CSensorHeaderInsert&) = default;
    CSensorHeaderInsert& operator=(const CSensorHeaderInsert&) = default;

    // Writes the document of ctd to path; 1 on success, else 0 (an existing
    // file then stays as it was).
    int WriteSensorsXML(CCTD* ctd, CString path, const CCommandLineIniOptions& options);
    // The same, with why the file could not be written.
    SIOResult WriteSensorsXMLResult(CCTD* ctd, CString path, const CCommandLineIniOptions& options);

    // Always E_FAIL_XML.
    long ReadXML(TDWXML::CInputNode* node) override;
    // Called by the document library on the root "Sensors".
    long WriteXML(TDWXML::COutputNode* node) override;

    // The note of the sensor being written, and whether it is written.
    static CString GetCurrentSensorComment();
    static int GetWriteSensorCommentFlag();

  private:
    // The note for the channel's sensor; empty when none applies.
    CString NoteFor(int channel) const;

    const CCommandLineIniOptions* m_pOptions = nullptr;
    CCTD* m_pCTD = nullptr;
};

}  // namespace Config2004
