#include "xmlfiles/CTDImportExport.h"

#include <memory>

#include "core/Catalogue.h"
#include "core/SensorWriteOptions.h"
#include "platform/Diagnostics.h"

namespace Config2004 {

using TDWXML::CDocFactory;
using TDWXML::CReadDoc;
using TDWXML::E_FAIL_XML;
using TDWXML::S_OK_XML;

namespace {

constexpr const char* kInstrumentTag = "Instrument";
constexpr const char* kTypeAttribute = "Type";
constexpr const char* kNameTag = "Name";
constexpr const char* kIndexAttribute = "index";
// The document kinds the factory makes for reading and for writing.
constexpr int kReadDocKind = 1;

}  // namespace

thread_local char CCTDImportExport::s_versionReadIn[kVersionSize] = "";

CCTDImportExport::CCTDImportExport(const CCTDImportExport& other)
    : m_pCTD(other.m_pCTD), m_nModelType(other.m_nModelType), m_bOwnsCTD(other.m_bOwnsCTD) {
    if (m_bOwnsCTD && m_pCTD) {
        m_pCTD = m_pCTD->Clone();
    }
}

CCTDImportExport& CCTDImportExport::operator=(const CCTDImportExport& other) {
    if (this != &other) {
        CCTDImportExport copy(other);
        ForgetCTD();
        m_pCTD = copy.m_pCTD;
        m_bOwnsCTD = copy.m_bOwnsCTD;
        m_nModelType = copy.m_nModelType;
        copy.m_pCTD = nullptr;
        copy.m_bOwnsCTD = false;
    }
    return *this;
}

CCTDImportExport::~CCTDImportExport() {
    ForgetCTD();
}

void CCTDImportExport::ForgetCTD() {
    if (m_bOwnsCTD) {
        delete m_pCTD;
    }
    m_pCTD = nullptr;
    m_bOwnsCTD = false;
}

const char* CCTDImportExport::GetVersionReadIn() {
    return s_versionReadIn;
}

int CCTDImportExport::GetWriteVersionInSensorsFlag() {
    return CSensorWriteOptions::GetWriteVersionInSensors() ? 1 : 0;
}

void CCTDImportExport::SetWriteVersionInSensorsFlag(int on) {
    CSensorWriteOptions::SetWriteVersionInSensors(on != 0);
}

SIOResult CCTDImportExport::WhyRefused(const CReadNotes& notes, const CCTD& model) {
    SIOResult why = SIOResult::Failure("the " + model.GetCTD_Name().str() +
                                       " refuses these settings with this SensorArray");
    why.path = kInstrumentTag;
    notes.Explain(&why);
    return why;
}

CCTD* CCTDImportExport::ReadConFileXML(CString path) {
    m_nModelType = -1;
    ForgetCTD();
    const std::unique_ptr<CReadDoc> doc(CDocFactory::CreateReadDoc(kReadDocKind));
    if (!doc) {
        CString message;
        message.Format("Failed to parse XML file - '%s'.", path.GetString());
        CDiagnostics::Log(message, 0);
    } else if (doc->Load(path) == S_OK_XML) {
        // Whether an instrument was built is the result; the status adds nothing.
        doc->ReadRoot(kRootTag, this);
    }
    return TakeCTD();
}

CCTD* CCTDImportExport::ReadText(const char* text, std::size_t length) {
    m_nModelType = -1;
    ForgetCTD();
    CReadDoc doc;
    if (doc.LoadText(text, length) != S_OK_XML || doc.ReadRoot(kRootTag, this) != S_OK_XML) {
        ForgetCTD();
    }
    return TakeCTD();
}

CCTD* CCTDImportExport::TakeCTD() {
    CCTD* ctd = m_pCTD;
    m_pCTD = nullptr;
    m_bOwnsCTD = false;
    return ctd;
}

int CCTDImportExport::WriteConFileXML(CCTD* ctd, CString path) {
    return WriteConFileXMLResult(ctd, path) ? 1 : 0;
}

SIOResult CCTDImportExport::WriteConFileXMLResult(CCTD* ctd, CString path) {
    SetWriteVersionInSensorsFlag(0);
    ForgetCTD();
    m_pCTD = ctd;
    // A document the instrument could not write whole is not saved, so the
    // file is either replaced in one step or left as it was.
    SIOResult result = TDWXML::WriteDocument(path, kRootTag, this);
    m_pCTD = nullptr;
    return result;
}

CString CCTDImportExport::WriteText(CCTD* ctd) {
    SetWriteVersionInSensorsFlag(0);
    ForgetCTD();
    m_pCTD = ctd;
    TDWXML::CWriteDoc doc;
    doc.CreateText();
    const long status = doc.WriteRoot(kRootTag, this);
    m_pCTD = nullptr;
    return status == S_OK_XML ? doc.GetText() : CString();
}

long CCTDImportExport::ReadXML(TDWXML::CInputNode* node) {
    s_versionReadIn[0] = '\0';
    ForgetCTD();
    if (!node) {
        return E_FAIL_XML;
    }
    if (node->GetAttribute(kVersionAttribute, s_versionReadIn, kVersionSize) != S_OK_XML) {
        s_versionReadIn[0] = '\0';
    }
    long status = node->OpenElement(kInstrumentTag, -1, kIndexAttribute);
    if (status != S_OK_XML) {
        return status;
    }
    int type = -1;
    status = node->GetAttribute(kTypeAttribute, &type);
    if (status != S_OK_XML) {
        node->CloseElement();
        return status;
    }
    m_nModelType = type;
    m_pCTD = CreateCTDObject(type);
    if (!m_pCTD) {
        // A model this program does not know: no instrument, and no error.
        node->CloseElement();
        return S_OK_XML;
    }
    m_bOwnsCTD = true;
    status = m_pCTD->ReadXML(node);
    if (status == E_FAIL_XML) {
        ForgetCTD();
        m_nModelType = -1;
    }
    node->CloseElement();
    return status;
}

long CCTDImportExport::WriteXML(TDWXML::COutputNode* node) {
    if (!node || !m_pCTD) {
        return E_FAIL_XML;
    }
    node->SetAttribute(kVersionAttribute, CSensorWriteOptions::kFileVersion);
    long status = node->OpenElement(kInstrumentTag, -1, kIndexAttribute);
    if (status != S_OK_XML) {
        return status;
    }
    m_nModelType = m_pCTD->GetCTD_ID();
    status = node->SetAttribute(kTypeAttribute, m_nModelType);
    if (status == S_OK_XML) {
        status = node->WriteString(kNameTag, m_pCTD->GetCTD_Name(), -1, kIndexAttribute);
    }
    if (status == S_OK_XML) {
        // The model writes its own elements and the sensor array here.
        status = m_pCTD->WriteXML(node);
    }
    node->CloseElement();
    return status;
}

}  // namespace Config2004
