// Documents being read: loading a file or a text, and handing the root to
// the object that reads it.

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <string>
#include <string_view>

#include "platform/xml/Cursor.h"
#include "platform/xml/SourcePosition.h"
#include "platform/xml/TDWXML.h"
#include "platform/xml/TextCodec.h"

namespace TDWXML {

namespace {

// Text is kept exactly: entities and character references are expanded and
// line ends normalised as XML requires, and an element whose only content is
// blanks keeps them as its text. Comments, processing instructions and the
// declaration are skipped. The encoding is taken from the byte order mark or
// the declaration.
constexpr unsigned int kParseOptions = pugi::parse_cdata | pugi::parse_escapes | pugi::parse_eol |
                                       pugi::parse_wconv_attribute | pugi::parse_ws_pcdata_single;

// Reads the whole file; on failure says why.
bool ReadWholeFile(const char* path, std::string* data, std::string* why) {
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        *why = std::strerror(errno);
        return false;
    }
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0;
    if (ok && S_ISDIR(info.st_mode)) {
        *why = "it is a folder";
        ok = false;
    }
    char chunk[65536];
    while (ok) {
        const ssize_t count = ::read(fd, chunk, sizeof chunk);
        if (count > 0) {
            data->append(chunk, static_cast<std::size_t>(count));
        } else if (count == 0) {
            break;
        } else if (errno != EINTR) {
            *why = std::strerror(errno);
            ok = false;
        }
    }
    ::close(fd);
    return ok;
}

}  // namespace

struct CReadDoc::State {
    pugi::xml_document document;
    bool loaded = false;
    SLoadError lastError;

    // Drops any document; the reason, when given, is the failure to report.
    void Forget(const CString& reason = CString()) {
        document.reset();
        loaded = false;
        lastError = SLoadError();
        lastError.reason = reason;
    }

    long Parse(std::string_view data) {
        Forget();
        const pugi::xml_parse_result result =
            document.load_buffer(data.data(), data.size(), kParseOptions, pugi::encoding_auto);
        if (!result) {
            Forget(result.description());
            const detail::SSourcePosition where =
                detail::LocateOffset(data, result.encoding, result.offset);
            lastError.line = where.line;
            lastError.position = where.column;
            return result.status == pugi::status_out_of_memory ? E_OUT_OF_MEMORY : E_FAIL_XML;
        }
        loaded = true;
        return S_OK_XML;
    }
};

CReadDoc::CReadDoc() : m_state(std::make_unique<State>()) {}
CReadDoc::~CReadDoc() = default;

long CReadDoc::Load(const char* path) {
    try {
        if (path == nullptr || *path == '\0') {
            m_state->Forget("no file name was given");
            return E_FAIL_XML;
        }
        std::string data;
        std::string why;
        if (!ReadWholeFile(path, &data, &why)) {
            m_state->Forget(CString("cannot read the file '") + path + "': " + why.c_str());
            return E_FAIL_XML;
        }
        return m_state->Parse(data);
    } catch (const std::bad_alloc&) {
        m_state->Forget();
        return E_OUT_OF_MEMORY;
    }
}

long CReadDoc::LoadText(const char* text, std::size_t length) {
    try {
        if (text == nullptr) {
            m_state->Forget("no text was given");
            return E_FAIL_XML;
        }
        return m_state->Parse(std::string_view(text, length));
    } catch (const std::bad_alloc&) {
        m_state->Forget();
        return E_OUT_OF_MEMORY;
    }
}

long CReadDoc::ReadRoot(const char* rootTag, IDocObj* object) {
    const pugi::xml_node root = m_state->document.document_element();
    std::string name;
    if (!m_state->loaded || !root || object == nullptr || !detail::EncodeName(rootTag, &name)) {
        return E_FAIL_XML;
    }
    if (name != root.name()) {
        return E_WRONG_ROOT;
    }
    CInputNode node(std::make_unique<CInputNode::State>(root));
    return object->ReadXML(&node);
}

const char* CReadDoc::GetRootTag(char* buffer, int size) const {
    const pugi::xml_node root = m_state->document.document_element();
    if (!m_state->loaded || !root || buffer == nullptr || size <= 0) {
        return nullptr;
    }
    const std::string tag = detail::DecodeText(root.name());
    const std::size_t count = std::min(tag.size(), static_cast<std::size_t>(size) - 1);
    std::memcpy(buffer, tag.data(), count);
    buffer[count] = '\0';
    return buffer;
}

SLoadError CReadDoc::GetLastError() const {
    return m_state->lastError;
}

}  // namespace TDWXML
