#include "platform/QDParser.h"

#include <expat.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <exception>
#include <memory>
#include <new>
#include <random>
#include <string>
#include <string_view>

namespace TWUtility {

CXMLAttribute* CXMLAttributeList::GetAt(int index) {
    if (index < 0 || index >= Size()) {
        return nullptr;
    }
    return &m_attributes[static_cast<std::size_t>(index)];
}

CQDParserException::CQDParserException(const CString& message, int line, int column)
    : std::runtime_error(message.str()), m_line(line), m_column(column) {}

bool CQDParserException::GetErrorMessage(char* buffer, unsigned size, unsigned* helpContext) const {
    if (helpContext) {
        *helpContext = 0;
    }
    if (!buffer || size == 0) {
        return false;
    }
    const std::size_t count = std::min<std::size_t>(std::strlen(what()), size - 1);
    std::memcpy(buffer, what(), count);
    buffer[count] = '\0';
    return true;
}

CQDParserDataSourceException::CQDParserDataSourceException(const CString& message, int reason,
                                                           int osError)
    : CQDParserException(message, 0, 0), m_reason(reason), m_osError(osError) {}

namespace {

// The state of one parse, shared with expat's callbacks. Exceptions must not
// cross expat's C frames: a callback that throws stops the parser and the
// exception is thrown again once expat has returned.
struct SParseContext {
    CQDParserEventHandler* handler = nullptr;
    XML_Parser parser = nullptr;
    std::string text;   // the run of character data not yet reported
    int depth = 0;      // elements open
    bool done = false;  // the handler has seen enough
    std::exception_ptr error;

    void FlushText() {
        if (!text.empty()) {
            const CString run(text);
            text.clear();
            handler->CharacterData(run);
        }
    }

    template <class Action>
    static void Guarded(void* userData, Action action) {
        auto* context = static_cast<SParseContext*>(userData);
        if (context->error || context->done) {
            return;  // expat may still deliver an event after being stopped
        }
        try {
            action(*context);
        } catch (...) {
            context->error = std::current_exception();
            XML_StopParser(context->parser, XML_FALSE);
        }
    }
};

void XMLCALL OnStart(void* userData, const XML_Char* name, const XML_Char** attributes) {
    SParseContext::Guarded(userData, [&](SParseContext& context) {
        context.FlushText();
        CXMLAttributeList list;
        for (const XML_Char** pair = attributes; pair && pair[0]; pair += 2) {
            list.Add(pair[0], pair[1]);
        }
        ++context.depth;
        context.handler->StartElement(name, list);
        if (context.handler->SeenEnough()) {
            context.done = true;
            XML_StopParser(context.parser, XML_FALSE);
        }
    });
}

void XMLCALL OnEnd(void* userData, const XML_Char* name) {
    SParseContext::Guarded(userData, [&](SParseContext& context) {
        context.FlushText();
        --context.depth;
        context.handler->EndElement(name);
    });
}

void XMLCALL OnText(void* userData, const XML_Char* text, int length) {
    SParseContext::Guarded(userData, [&](SParseContext& context) {
        context.text.append(text, static_cast<std::size_t>(length));
    });
}

// expat salts its hash tables against inputs built to collide; one random
// salt per process spares a system call for every parse.
unsigned long ProcessHashSalt() {
    static const unsigned long salt = [] {
        std::random_device source;
        return (static_cast<unsigned long>(source()) << 32) ^ source();
    }();
    return salt;
}

struct SParserFree {
    void operator()(XML_ParserStruct* parser) const { XML_ParserFree(parser); }
};
using ParserPtr = std::unique_ptr<XML_ParserStruct, SParserFree>;

// Making a parser costs more than parsing the part of a configuration before
// its root, so one parser per thread is kept and reset for the next parse.
// One that took a large document is freed instead, so that its buffer is not
// held.
class CParserPool {
  public:
    static constexpr std::size_t kKeepUpTo = 64 * 1024;

    static ParserPtr Take(const char* encoding) {
        ParserPtr parser = std::move(Kept());
        if (parser && XML_ParserReset(parser.get(), encoding)) {
            return parser;
        }
        return ParserPtr(XML_ParserCreate(encoding));
    }
    static void Give(ParserPtr parser, std::size_t bytesParsed) {
        if (bytesParsed <= kKeepUpTo) {
            Kept() = std::move(parser);
        }
    }

  private:
    static ParserPtr& Kept() {
        thread_local ParserPtr kept;
        return kept;
    }
};

// Any single-byte encoding expat does not know is read as ISO-8859-1:
// byte n is the character U+00nn.
int XMLCALL OnUnknownEncoding(void*, const XML_Char*, XML_Encoding* info) {
    for (int byte = 0; byte < 256; ++byte) {
        info->map[byte] = byte;
    }
    info->data = nullptr;
    info->convert = nullptr;
    info->release = nullptr;
    return XML_STATUS_OK;
}

bool IsNameEnd(char ch) {
    return ch == '>' || ch == '/' || ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n';
}

// The name of the end tag at the parser's current position, or empty when
// there is none there. expat points at the end tag's '<', its '/' or its
// name, depending on the fault.
std::string EndTagAt(XML_Parser parser) {
    int offset = 0;
    int size = 0;
    const char* context = XML_GetInputContext(parser, &offset, &size);
    if (context == nullptr || offset < 0 || offset >= size) {
        return {};
    }
    const std::string_view before(context, static_cast<std::size_t>(offset));
    std::string_view rest(context + offset, static_cast<std::size_t>(size - offset));
    if (rest.starts_with("</")) {
        rest.remove_prefix(2);
    } else if (rest.starts_with('/') && before.ends_with('<')) {
        rest.remove_prefix(1);
    } else if (!before.ends_with("</")) {
        return {};
    }
    std::size_t length = 0;
    while (length < rest.size() && !IsNameEnd(rest[length])) {
        ++length;
    }
    return std::string(rest.substr(0, length));
}

}  // namespace

std::size_t CQDParserDataSource::ReadBlock(char* buffer, std::size_t size) {
    std::size_t count = 0;
    while (count < size) {
        const int next = Read();
        if (next < 0) {
            break;
        }
        buffer[count++] = static_cast<char>(next);
        if (next == '>') {
            break;
        }
    }
    return count;
}

bool CQDParser::IsUTF8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        // Eight ASCII bytes at a time while there are.
        std::uint64_t word = 0;
        if (bytes.size() - i >= sizeof word) {
            std::memcpy(&word, bytes.data() + i, sizeof word);
            if ((word & 0x8080808080808080u) == 0) {
                i += sizeof word;
                continue;
            }
        }
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        // The length of the sequence and the range of its second byte, which
        // excludes overlong forms, surrogates and code points past U+10FFFF.
        std::size_t length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (bytes.size() - i < length) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF)) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

void CQDParser::Parse(CQDParserEventHandler& handler, CQDParserDataSource& source) {
    ParserPtr parser = CParserPool::Take(source.ForcedEncoding());
    if (!parser) {
        throw std::bad_alloc();
    }
    std::size_t fed = 0;
    // The parser goes back to the pool however the parse ends.
    struct SGiveBack {
        ParserPtr& parser;
        const std::size_t& fed;
        ~SGiveBack() { CParserPool::Give(std::move(parser), fed); }
    } giveBack{parser, fed};
#ifdef TW_HAVE_XML_REPARSE_DEFERRAL
    // Each block must be parsed as it arrives, so that an element is reported
    // as soon as the block holding the end of its start tag was read. The
    // build looks for the function itself: security updates bring it to
    // libraries whose version macros still name an older release.
    XML_SetReparseDeferralEnabled(parser.get(), XML_FALSE);
#endif
    XML_SetHashSalt(parser.get(), ProcessHashSalt());
    SParseContext context;
    context.handler = &handler;
    context.parser = parser.get();
    XML_SetUserData(parser.get(), &context);
    XML_SetElementHandler(parser.get(), OnStart, OnEnd);
    XML_SetCharacterDataHandler(parser.get(), OnText);
    XML_SetUnknownEncodingHandler(parser.get(), OnUnknownEncoding, nullptr);

    handler.StartDocument();
    // expat parses an unfinished token again from its start with every
    // block, so the blocks grow with the document: a long token is parsed
    // again only as often as the document doubles.
    XML_Status status = XML_STATUS_OK;
    for (;;) {
        const std::size_t want = std::max(kFirstBlockSize, fed);
        void* buffer = XML_GetBuffer(parser.get(), static_cast<int>(want));
        if (buffer == nullptr) {
            throw std::bad_alloc();
        }
        const std::size_t got = source.ReadBlock(static_cast<char*>(buffer), want);
        fed += got;
        status = XML_ParseBuffer(parser.get(), static_cast<int>(got), got == 0);
        if (status != XML_STATUS_OK || got == 0) {
            break;
        }
    }
    if (context.error) {
        std::rethrow_exception(context.error);
    }
    if (context.done) {
        return;
    }
    if (status != XML_STATUS_OK) {
        const XML_Error code = XML_GetErrorCode(parser.get());
        if (code == XML_ERROR_NO_MEMORY) {
            throw std::bad_alloc();
        }
        const int line = static_cast<int>(XML_GetCurrentLineNumber(parser.get()));
        const int column = static_cast<int>(XML_GetCurrentColumnNumber(parser.get())) + 1;
        // expat names neither the end tag it refuses as mismatched nor one
        // that comes while no element is open; the handler hears of both.
        if (code == XML_ERROR_TAG_MISMATCH || context.depth == 0) {
            const std::string endTag = EndTagAt(parser.get());
            if (!endTag.empty()) {
                context.FlushText();
                handler.EndElement(CString(endTag));
            }
        }
        throw CQDParserException(XML_ErrorString(code), line, column);
    }
    context.FlushText();
    handler.EndDocument();
}

}  // namespace TWUtility
