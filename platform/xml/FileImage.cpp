#include "platform/xml/FileImage.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <string_view>
#include <vector>

#include "platform/xml/SourcePosition.h"

namespace TDWXML {

namespace {

// Text is kept exactly: entities and character references are expanded and
// line ends normalised as XML requires, and an element whose only content is
// blanks keeps them as its text. Comments, processing instructions and the
// declaration are skipped; the document type declaration is kept to be
// looked at. The encoding is taken from the byte order mark or the
// declaration.
constexpr unsigned int kParseOptions = pugi::parse_cdata | pugi::parse_escapes | pugi::parse_eol |
                                       pugi::parse_wconv_attribute | pugi::parse_ws_pcdata_single |
                                       pugi::parse_doctype;

// A tree that the parser accepts but that is not one well-formed document
// the reader can take as it stands: the reason, or null when there is none.
// Lists the elements on the way.
const char* RefusalOf(const pugi::xml_document& document, std::size_t expectedElements,
                      detail::CElementIndex* elements) {
    int roots = 0;
    for (pugi::xml_node node = document.first_child(); node; node = node.next_sibling()) {
        if (node.type() == pugi::node_element) {
            ++roots;
        } else if (node.type() == pugi::node_doctype &&
                   std::strstr(node.value(), "<!ENTITY") != nullptr) {
            // Its entities would read as literal "&name;" text, and nothing
            // is ever fetched from where they point.
            return "a DOCTYPE or entity declaration is not accepted";
        }
    }
    if (roots != 1) {
        return "junk after document element";
    }
    if (!elements->Build(document.document_element(), expectedElements)) {
        return "duplicate attribute";
    }
    return nullptr;
}

// The file the kept image was read from.
struct SFileKey {
    std::string path;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};

    static SFileKey Of(const char* path, const struct stat& info) {
        return SFileKey{path, info.st_dev, info.st_ino, info.st_size, info.st_mtim};
    }
    bool operator==(const SFileKey& other) const {
        return path == other.path && device == other.device && inode == other.inode &&
               size == other.size && modified.tv_sec == other.modified.tv_sec &&
               modified.tv_nsec == other.modified.tv_nsec;
    }
};

struct SKept {
    std::shared_ptr<const CFileImage> image;
    SFileKey key;
    // The file had not changed for a while when it was read. A file changed
    // within the clock's coarse tick of a read may change again without its
    // size or time telling, so such an image is only reused after its bytes
    // are compared.
    bool settled = false;
    int scopes = 0;        // read scopes open
    bool trusted = false;  // read or found unchanged since the outermost scope opened
};

// Each thread keeps its own image: a host that reads files on two threads
// never sees one thread replace the image the other is reading.
SKept& Kept() {
    thread_local SKept kept;
    return kept;
}

// How long a file must have been left alone for its size and modification
// time to stand for its contents.
constexpr time_t kSettledSeconds = 2;

bool IsSettled(const struct stat& info) {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return now.tv_sec - info.st_mtim.tv_sec >= kSettledSeconds;
}

// The kept image when the file at path is known to be unchanged without
// reading it.
std::shared_ptr<const CFileImage> KeptImageOf(const char* path) {
    SKept& kept = Kept();
    if (!kept.image || kept.key.path != path) {
        return nullptr;
    }
    if (kept.trusted) {
        return kept.image;
    }
    struct stat info {};
    if (!kept.settled || ::stat(path, &info) != 0 || !(SFileKey::Of(path, info) == kept.key)) {
        return nullptr;
    }
    kept.trusted = kept.scopes > 0;
    return kept.image;
}

void TooLarge(std::string* why, int* osError) {
    *why = "the file is larger than " + std::to_string(kMaxDocumentBytes >> 20) +
           " MiB, far more than any configuration";
    *osError = 0;
}

// Why a file of this kind is not read at all: a folder, a device, a socket,
// or a regular file over the limit. Only regular files and pipes are read,
// and opening a device could itself act on it.
bool RefusedUnread(const struct stat& info, std::string* why, int* osError) {
    *osError = 0;
    if (S_ISDIR(info.st_mode)) {
        *why = "it is a folder";
        *osError = EISDIR;
    } else if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode)) {
        *why = "it is a device, not a file";
    } else if (S_ISSOCK(info.st_mode)) {
        *why = "it is a socket, not a file";
    } else if (S_ISREG(info.st_mode) && info.st_size > static_cast<off_t>(kMaxDocumentBytes)) {
        TooLarge(why, osError);
    } else {
        return false;
    }
    return true;
}

// Reads the whole file, at most kMaxDocumentBytes; on failure says why.
bool ReadFile(int fd, const struct stat& info, std::string* bytes, std::string* why, int* osError) {
    if (RefusedUnread(info, why, osError)) {
        return false;
    }
    const auto tooLarge = [&] {
        TooLarge(why, osError);
        return false;
    };
    // The size is a hint: the file may change while it is read.
    bytes->resize(static_cast<std::size_t>(info.st_size) + 1);
    std::size_t have = 0;
    for (;;) {
        if (have == bytes->size()) {
            if (have > kMaxDocumentBytes) {
                return tooLarge();
            }
            bytes->resize(std::min(2 * have, kMaxDocumentBytes + 1));
        }
        const ssize_t count = ::read(fd, bytes->data() + have, bytes->size() - have);
        if (count > 0) {
            have += static_cast<std::size_t>(count);
            // A file that has not grown while it was read ends where fstat
            // said; the reader need not ask again to learn that.
            if (S_ISREG(info.st_mode) && have == static_cast<std::size_t>(info.st_size) &&
                info.st_size > 0) {
                break;
            }
        } else if (count == 0) {
            break;
        } else if (errno != EINTR) {
            *why = std::strerror(errno);
            *osError = errno;
            return false;
        }
    }
    bytes->resize(have);
    return true;
}

// Most elements have a start and an end tag; the guess is capped so that a
// comment full of '<' does not reserve much.
constexpr std::size_t kMostElementsReserved = 4096;
// A configuration spends thirty to a hundred bytes on an element; guessing
// more elements than it holds only costs a larger reservation.
constexpr std::size_t kBytesPerElementGuess = 16;

// Bytes that hold no '<' and begin with no byte order mark of UTF-16 or
// UTF-32 are UTF-8 text without a tag, such as a legacy configuration file:
// the parser would read them to their end and find no element.
bool HoldsNoElement(std::string_view bytes) {
    const bool wideMark = bytes.starts_with("\xFE\xFF") || bytes.starts_with("\xFF\xFE") ||
                          bytes.starts_with(std::string_view("\0\0\xFE\xFF", 4));
    return !wideMark && bytes.find('<') == std::string_view::npos;
}

// What the parser says of such bytes.
pugi::xml_parse_result NoElementResult(std::size_t size) {
    pugi::xml_parse_result result;
    result.status = pugi::status_no_document_element;
    result.offset = static_cast<std::ptrdiff_t>(size);
    result.encoding = pugi::encoding_utf8;
    return result;
}

}  // namespace

CFileImage::CFileImage(std::string bytes) : m_bytes(std::move(bytes)) {}

std::size_t CFileImage::CountTags() {
    // Every tag begins with '<' (comments may hold more), so counting them
    // bounds the tree before it is built. Fewer bytes than the limit cannot
    // hold more tags, and most documents are that small.
    if (m_bytes.size() <= kMaxDocumentTags) {
        return 2 * (m_bytes.size() / kBytesPerElementGuess);
    }
    const char* at = m_bytes.data();
    const char* const end = at + m_bytes.size();
    std::size_t tags = 0;
    for (;
         (at = static_cast<const char*>(std::memchr(at, '<', static_cast<std::size_t>(end - at))));
         ++at, ++tags) {
        if (tags == kMaxDocumentTags) {
            const detail::SSourcePosition where = detail::LocateOffset(
                m_bytes, pugi::encoding_utf8, static_cast<std::ptrdiff_t>(at - m_bytes.data()));
            m_error.reason = ("the document holds more than " + std::to_string(kMaxDocumentTags) +
                              " tags, far more than any configuration")
                                 .c_str();
            m_error.line = where.line;
            m_error.position = where.column;
            m_tooManyTags = true;
            return tags;
        }
    }
    return tags;
}

void CFileImage::Parse() {
    const std::size_t tags = CountTags();
    if (m_tooManyTags) {
        return;
    }
    const pugi::xml_parse_result result =
        HoldsNoElement(m_bytes) ? NoElementResult(m_bytes.size())
                                : m_document.load_buffer(m_bytes.data(), m_bytes.size(),
                                                         kParseOptions, pugi::encoding_auto);
    const std::size_t expected = std::min(tags / 2 + 1, kMostElementsReserved);
    const char* refusal =
        result ? RefusalOf(m_document, expected, &m_elements) : result.description();
    if (refusal == nullptr) {
        m_parsed = true;
        return;
    }
    m_document.reset();
    m_elements.Clear();
    m_error.reason = refusal;
    if (!result) {
        m_errorOffset = result.offset;
        m_errorEncoding = result.encoding;
    }
    if (result.status == pugi::status_out_of_memory) {
        throw std::bad_alloc();
    }
}

std::shared_ptr<const CFileImage> CFileImage::Get(const char* path, std::string* why,
                                                  int* osError) {
    if (auto image = KeptImageOf(path)) {
        return image;
    }
    struct stat before {};
    if (::stat(path, &before) == 0 && RefusedUnread(before, why, osError)) {
        return nullptr;
    }
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        *why = std::strerror(errno);
        *osError = errno;
        return nullptr;
    }
    struct stat info {};
    std::string bytes;
    bool ok = ::fstat(fd, &info) == 0;
    if (!ok) {
        *why = std::strerror(errno);
        *osError = errno;
    }
    ok = ok && ReadFile(fd, info, &bytes, why, osError);
    ::close(fd);
    if (!ok) {
        return nullptr;
    }
    SKept& kept = Kept();
    const bool same = kept.image && kept.key.path == path && kept.image->Bytes() == bytes;
    if (!same) {
        std::shared_ptr<CFileImage> image(new CFileImage(std::move(bytes)));
        image->Parse();
        kept.image = std::move(image);
    }
    kept.key = SFileKey::Of(path, info);
    kept.settled = IsSettled(info);
    kept.trusted = kept.scopes > 0;
    return kept.image;
}

std::shared_ptr<const CFileImage> CFileImage::FromText(std::string_view text) {
    std::shared_ptr<CFileImage> image(new CFileImage(std::string(text)));
    image->Parse();
    return image;
}

SLoadError CFileImage::ParseError() const {
    SLoadError error = m_error;
    if (m_errorOffset >= 0) {
        const detail::SSourcePosition where =
            detail::LocateOffset(m_bytes, m_errorEncoding, m_errorOffset);
        error.line = where.line;
        error.position = where.column;
    }
    return error;
}

pugi::xml_node CFileImage::Root() const {
    return m_parsed ? m_document.document_element() : pugi::xml_node();
}

const char* CFileImage::LastAttribute(const char* tag, const char* attribute) const {
    return m_elements.LastAttribute(tag, attribute);
}

CFileReadScope::CFileReadScope() {
    if (Kept().scopes++ == 0) {
        Kept().trusted = false;
    }
}

CFileReadScope::~CFileReadScope() {
    if (--Kept().scopes == 0) {
        Forget();
    }
}

void CFileReadScope::Forget() {
    Kept().image.reset();
    Kept().trusted = false;
}

}  // namespace TDWXML
