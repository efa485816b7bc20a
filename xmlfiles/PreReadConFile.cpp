#include "xmlfiles/PreReadConFile.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <new>

#include "platform/Diagnostics.h"

namespace Config2004 {

using TWUtility::CQDParser;
using TWUtility::CQDParserDataSourceException;
using TWUtility::CQDParserException;
using TWUtility::CXMLAttribute;
using TWUtility::CXMLAttributeList;

namespace {

struct STagOperations {
    const char* tag;
    void (CConFileEventHandler::*start)(CXMLAttributeList&);
    void (CConFileEventHandler::*end)();
};

#define TW_TAG(name) \
    { #name, &CConFileEventHandler::start_##name, &CConFileEventHandler::end_##name }

const STagOperations kTagTable[] = {
    TW_TAG(Instrument),
    TW_TAG(Name),
    TW_TAG(NmeaDepthDataAdded),
    TW_TAG(NmeaDeviceConnectedToPC),
    TW_TAG(NmeaPositionDataAdded),
    TW_TAG(NmeaTimeAdded),
    TW_TAG(TDW_InstrumentConfiguration),
    TW_TAG(ScansToAverage),
    TW_TAG(ScanTimeAdded),
    TW_TAG(Sensor),
    TW_TAG(SensorArray),
    TW_TAG(TemperatureSensor),
};

#undef TW_TAG

void LogFault(const CString& message) {
    CDiagnostics::Log(message, 0);
}

}  // namespace

// --- CConFileEventHandler ---

CConFileEventHandler::CConFileEventHandler() {
    for (const STagOperations& entry : kTagTable) {
        m_tagMap.Add(entry.tag, entry.start, entry.end);
    }
}

void CConFileEventHandler::StartElement(CString tag, CXMLAttributeList& attributes) {
    tag.Trim();
    m_text.Empty();
    m_tagStack.push_back(tag);
    if (const auto* entry = m_tagMap.Find(tag)) {
        (this->*entry->start)(attributes);
    } else {
        start_UnknownTag(attributes);
    }
}

void CConFileEventHandler::EndElement(CString tag) {
    tag.Trim();
    if (m_tagStack.empty()) {
        OnStackEmptyError(tag);
    } else if (!(tag == m_tagStack.back())) {
        OnTagMisMatch(tag, m_tagStack.back());
    } else {
        if (const auto* entry = m_tagMap.Find(tag)) {
            (this->*entry->end)();
        } else {
            end_UnknownTag();
        }
        m_tagStack.pop_back();
    }
    m_text.Empty();
}

void CConFileEventHandler::OnTagMisMatch(CString, CString) {}

void CConFileEventHandler::OnStackEmptyError(CString) {}

// --- CPreReadConFile ---

int CPreReadConFile::IsConXML(CString path) {
    int ignored = -1;
    return IsConXML(path, ignored);
}

int CPreReadConFile::IsConXML(CString path, int& ctdID) {
    CPreReadConFile reader;
    reader.m_path = path;
    const int result = reader.DoParse();
    if (result) {
        ctdID = reader.m_nCTDType;
    }
    return result;
}

int CPreReadConFile::DoParse() {
    m_nCTDType = -1;
    m_bRootSeen = 0;
    m_nCharsRead = 0;
    m_file.reset();

    errno = 0;
    m_file.reset(std::fopen(m_path, "r"));
    if (!m_file) {
        CString message;
        message.Format("CPreReadConFile - failed to open %s for reading.", m_path.GetString());
        CDiagnostics::LogError(message, static_cast<unsigned long>(errno), 0);
        return 0;
    }
    try {
        CQDParser::Parse(*this, *this);
    } catch (const CQDParserDataSourceException&) {
        // The reason is logged where the parse was ended, if anywhere.
        return 0;
    } catch (const CQDParserException& error) {
        char reason[260];
        error.GetErrorMessage(reason, sizeof reason);
        LogFault("Error in .xmlcon file '" + m_path + "' - " + reason + "'.");
        return 0;
    } catch (const std::bad_alloc&) {
        LogFault("Failed to allocate memory for parsing the .con or .xmlcon file, '" + m_path +
                 "'.");
        return 0;
    } catch (...) {
        return 0;
    }
    if (!m_bRootSeen) {
        return 0;
    }
    return m_nCTDType > -1 ? 1 : 0;
}

int CPreReadConFile::Read() {
    if (!m_bRootSeen && ++m_nCharsRead > kMaxCharsBeforeRoot) {
        throw CQDParserDataSourceException(
            "Required opening tag <TDW_InstrumentConfiguration> not found.",
            CQDParserDataSourceException::kAbandoned, 0);
    }
    // The library is single-threaded; the file is this reader's alone.
    return getc_unlocked(m_file.get());
}

void CPreReadConFile::start_TDW_InstrumentConfiguration(CXMLAttributeList&) {
    // Only as the outermost element; the same tag deeper down does not count.
    if (TagStack().size() == 1) {
        m_bRootSeen = 1;
    }
}

void CPreReadConFile::start_Instrument(CXMLAttributeList& attributes) {
    for (int i = 0; i < attributes.Size(); ++i) {
        const CXMLAttribute* attribute = attributes.GetAt(i);
        if (attribute->GetName() == "Type") {
            // The decimal value of the leading digits (0 without any), held
            // within int so that an absurd number cannot overflow.
            const long value = std::strtol(attribute->GetValue(), nullptr, 10);
            m_nCTDType = static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX));
        }
    }
}

void CPreReadConFile::OnTagMisMatch(CString found, CString expected) {
    LogFault("Parse error - found tag </" + found + ">, expected tag </" + expected + ">.");
    throw CQDParserDataSourceException("", CQDParserDataSourceException::kAbandoned, 0);
}

void CPreReadConFile::OnStackEmptyError(CString tag) {
    LogFault("Parse error - unexpected tag - </" + tag + "> - stack is empty.");
    throw CQDParserDataSourceException("", CQDParserDataSourceException::kAbandoned, 0);
}

}  // namespace Config2004
