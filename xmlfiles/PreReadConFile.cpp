#include "xmlfiles/PreReadConFile.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <string_view>

#include "platform/Diagnostics.h"
#include "platform/xml/FileImage.h"
#include "xmlfiles/CTDImportExport.h"
#include "xmlfiles/PlainBeginning.h"

namespace Config2004 {

using TWUtility::CQDParser;
using TWUtility::CQDParserDataSourceException;
using TWUtility::CQDParserException;
using TWUtility::CXMLAttributeList;

namespace {

constexpr const char* kRootTag = CCTDImportExport::kRootTag;

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

// The level of entries that only trace the library's own workings.
constexpr int kDebugLevel = 3;

const TWUtility::CXMLTagLookupMap<CConFileEventHandler>& TagMap() {
    static const auto map = [] {
        CDiagnostics::Log("Initializing the CXMLTagLookupMap.", kDebugLevel);
        TWUtility::CXMLTagLookupMap<CConFileEventHandler> built;
        for (const STagOperations& entry : kTagTable) {
            built.Add(entry.tag, entry.start, entry.end);
        }
        return built;
    }();
    return map;
}

// The answer of the last pre-read on this thread, for the image it was given
// on (kept per thread, as the file images are).
struct SLastAnswer {
    std::weak_ptr<const TDWXML::CFileImage> image;
    int result = 0;
    int ctdType = -1;
    SIOResult why;
};

SLastAnswer& LastAnswer() {
    thread_local SLastAnswer answer;
    return answer;
}

// Whether the bytes begin as a UTF-16 document does, which expat recognises
// by itself.
bool LooksUTF16(std::string_view bytes) {
    return bytes.size() >= 2 &&
           (bytes[0] == '\0' || bytes[1] == '\0' || (bytes[0] == '\xFE' && bytes[1] == '\xFF') ||
            (bytes[0] == '\xFF' && bytes[1] == '\xFE'));
}

}  // namespace

// --- CConFileEventHandler ---

CConFileEventHandler::CConFileEventHandler() : m_tagMap(TagMap()) {}

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
    SIOResult ignored;
    return IsConXML(path, ctdID, &ignored);
}

int CPreReadConFile::IsConXML(CString path, int& ctdID, SIOResult* why) {
    CPreReadConFile reader;
    reader.m_path = path;
    const int result = reader.DoParse();
    if (result) {
        ctdID = reader.m_nCTDType;
        *why = SIOResult();
    } else {
        *why = reader.m_why;
    }
    return result;
}

int CPreReadConFile::DoParse() {
    m_nCTDType = -1;
    m_bRootSeen = 0;
    m_nCharsRead = 0;

    std::string why;
    int osError = 0;
    m_image = TDWXML::CFileImage::Get(m_path, &why, &osError);
    if (!m_image) {
        m_why = SIOResult::Failure(why, osError);
        CString message;
        if (osError == 0) {
            message.Format("CPreReadConFile - %s is not read: %s.", m_path.GetString(),
                           why.c_str());
            LogFault(message);
        } else {
            message.Format("CPreReadConFile - failed to open %s for reading.", m_path.GetString());
            CDiagnostics::LogError(message, static_cast<unsigned long>(osError), 0);
        }
        return 0;
    }
    SLastAnswer& last = LastAnswer();
    if (last.image.lock() == m_image) {
        m_nCTDType = last.ctdType;
        m_why = last.why;
        return last.result;
    }
    const int result = Examine();
    if (!result) {
        Explain();
    }
    last = SLastAnswer{m_image, result, m_nCTDType, m_why};
    return result;
}

void CPreReadConFile::Explain() {
    const pugi::xml_node root = m_image->Root();
    if (!m_image->Parsed()) {
        // The streaming parse's reason, where it found one, names the fault
        // the way it always has; otherwise the document reader's.
        if (!m_why.ok && m_why.line > 0) {
            return;
        }
        const TDWXML::SLoadError& error = m_image->ParseError();
        m_why = SIOResult::Failure(error.reason.str());
        m_why.line = error.line;
        m_why.column = error.position;
    } else if (std::strcmp(root.name(), kRootTag) != 0) {
        m_why = SIOResult::Failure(
            std::string("not an instrument configuration: the root element is <") + root.name() +
            ">, not <" + kRootTag + ">");
    } else if (m_bAbandoned) {
        m_why = SIOResult::Failure(std::string("the root element <") + kRootTag +
                                   "> must come within the first " +
                                   std::to_string(kMaxCharsBeforeRoot) + " characters");
    } else if (m_nCTDType < 0) {
        m_why = SIOResult::Failure(m_image->LastAttribute("Instrument", "Type")
                                       ? "attribute Type is not a CTD ID"
                                       : "attribute Type is missing");
        m_why.path = "Instrument";
    } else if (m_why.ok) {
        m_why = SIOResult::Failure("not an instrument configuration document");
    }
}

int CPreReadConFile::Examine() {
    if (BeginsPlainly(m_image->Bytes(), kRootTag, kMaxCharsBeforeRoot - 1)) {
        m_bRootSeen = 1;
    } else if (!StreamingParse() || !m_bRootSeen) {
        return 0;
    }
    if (!m_image->Parsed() && m_image->HasTooManyTags()) {
        // Streaming a document that large whole would cost more than it tells.
        LogFault("Error in .xmlcon file '" + m_path + "' - " + m_image->ParseError().reason + "'.");
        return 0;
    }
    if (!m_image->Parsed()) {
        // The streaming parse names the fault the way it always has; a
        // document it takes is refused for the document reader's reason.
        CPreReadConFile whole;
        whole.m_path = m_path;
        whole.m_image = m_image;
        whole.m_bWholeFile = true;
        const bool streamed = whole.StreamingParse();
        m_why = whole.m_why;
        if (streamed) {
            LogFault("Error in .xmlcon file '" + m_path + "' - " + m_image->ParseError().reason +
                     "'.");
        }
        return 0;
    }
    if (const char* type = m_image->LastAttribute("Instrument", "Type")) {
        // The decimal value of the leading digits (0 without any), held
        // within int so that an absurd number cannot overflow.
        const long value = std::strtol(type, nullptr, 10);
        m_nCTDType = static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX));
    }
    return m_nCTDType > -1 ? 1 : 0;
}

bool CPreReadConFile::StreamingParse() {
    try {
        CQDParser::Parse(*this, *this);
    } catch (const CQDParserDataSourceException&) {
        // The reason is logged where the parse was ended, if anywhere.
        m_bAbandoned = !m_bRootSeen && m_nCharsRead >= kMaxCharsBeforeRoot;
        return false;
    } catch (const CQDParserException& error) {
        char reason[260];
        error.GetErrorMessage(reason, sizeof reason);
        LogFault("Error in .xmlcon file '" + m_path + "' - " + reason + "'.");
        m_why = SIOResult::Failure(reason);
        m_why.line = error.GetLine();
        m_why.column = error.GetColumn();
        return false;
    } catch (const std::bad_alloc&) {
        LogFault("Failed to allocate memory for parsing the .con or .xmlcon file, '" + m_path +
                 "'.");
        return false;
    } catch (...) {
        return false;
    }
    return true;
}

std::size_t CPreReadConFile::Limit() const {
    const std::size_t size = m_image->Bytes().size();
    if (m_bRootSeen) {
        return size;
    }
    if (m_nCharsRead >= kMaxCharsBeforeRoot) {
        throw CQDParserDataSourceException(
            "Required opening tag <TDW_InstrumentConfiguration> not found.",
            CQDParserDataSourceException::kAbandoned, 0);
    }
    return std::min<std::size_t>(size, kMaxCharsBeforeRoot);
}

int CPreReadConFile::Read() {
    char next = 0;
    return ReadBlock(&next, 1) == 1 ? static_cast<unsigned char>(next) : EOF;
}

std::size_t CPreReadConFile::ReadBlock(char* buffer, std::size_t size) {
    const std::size_t from = static_cast<std::size_t>(m_nCharsRead);
    const std::size_t count = std::min(size, Limit() - from);
    std::memcpy(buffer, m_image->Bytes().data() + from, count);
    m_nCharsRead += static_cast<int>(count);
    return count;
}

const char* CPreReadConFile::ForcedEncoding() const {
    // The part the parse will see: the whole file, or the characters before
    // the root cut back to the start of the character that straddles the end.
    std::string_view bytes = m_image->Bytes();
    if (!m_bWholeFile && bytes.size() > kMaxCharsBeforeRoot) {
        std::size_t end = kMaxCharsBeforeRoot;
        while (end > kMaxCharsBeforeRoot - 4 && (bytes[end] & 0xC0) == 0x80) {
            --end;
        }
        bytes = bytes.substr(0, end);
    }
    return LooksUTF16(bytes) || CQDParser::IsUTF8(bytes) ? nullptr : "ISO-8859-1";
}

void CPreReadConFile::start_TDW_InstrumentConfiguration(CXMLAttributeList&) {
    // Only as the outermost element; the same tag deeper down does not count.
    if (TagStack().size() == 1) {
        m_bRootSeen = 1;
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
