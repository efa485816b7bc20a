#include "platform/QDParser.h"

#include <expat.h>

#include <algorithm>
#include <cstring>
#include <exception>
#include <memory>
#include <new>
#include <string>

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
    std::string text;  // the run of character data not yet reported
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
        if (context->error) {
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
        context.handler->StartElement(name, list);
    });
}

void XMLCALL OnEnd(void* userData, const XML_Char* name) {
    SParseContext::Guarded(userData, [&](SParseContext& context) {
        context.FlushText();
        context.handler->EndElement(name);
    });
}

void XMLCALL OnText(void* userData, const XML_Char* text, int length) {
    SParseContext::Guarded(userData, [&](SParseContext& context) {
        context.text.append(text, static_cast<std::size_t>(length));
    });
}

// Remembers the name of the last end tag fed to expat, which does not tell
// the name of an end tag that it refuses as mismatched.
class CEndTagTracker {
  public:
    void Feed(char ch) {
        if (m_inName) {
            if (ch == '>' || ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n') {
                m_inName = false;
            } else {
                m_name += ch;
            }
        } else if (m_previous == '<' && ch == '/') {
            m_inName = true;
            m_name.clear();
        }
        m_previous = ch;
    }
    const std::string& Name() const { return m_name; }

  private:
    char m_previous = '\0';
    bool m_inName = false;
    std::string m_name;
};

struct SParserFree {
    void operator()(XML_ParserStruct* parser) const { XML_ParserFree(parser); }
};

}  // namespace

void CQDParser::Parse(CQDParserEventHandler& handler, CQDParserDataSource& source) {
    std::unique_ptr<XML_ParserStruct, SParserFree> parser(XML_ParserCreate(nullptr));
    if (!parser) {
        throw std::bad_alloc();
    }
#ifdef TW_HAVE_XML_REPARSE_DEFERRAL
    // Each run must be parsed as it arrives, so that an element is reported
    // as soon as its start tag is complete. The build looks for the function
    // itself: security updates bring it to libraries whose version macros
    // still name an older release.
    XML_SetReparseDeferralEnabled(parser.get(), XML_FALSE);
#endif
    SParseContext context;
    context.handler = &handler;
    context.parser = parser.get();
    XML_SetUserData(parser.get(), &context);
    XML_SetElementHandler(parser.get(), OnStart, OnEnd);
    XML_SetCharacterDataHandler(parser.get(), OnText);

    handler.StartDocument();
    CEndTagTracker endTag;
    XML_Status status = XML_STATUS_OK;
    // The characters come one at a time from the source; expat gets them in
    // runs that end with a '>', the character that completes a tag, so every
    // element is still reported as soon as its tag is complete while expat is
    // called once per tag rather than once per character.
    constexpr std::size_t kMaxRun = 256;
    std::string run;
    run.reserve(kMaxRun);
    for (;;) {
        const int next = source.Read();
        if (next < 0) {
            status = XML_Parse(parser.get(), run.data(), static_cast<int>(run.size()), XML_TRUE);
            break;
        }
        const char ch = static_cast<char>(next);
        endTag.Feed(ch);
        run += ch;
        if (ch != '>' && run.size() < kMaxRun) {
            continue;
        }
        status = XML_Parse(parser.get(), run.data(), static_cast<int>(run.size()), XML_FALSE);
        run.clear();
        if (status != XML_STATUS_OK) {
            break;
        }
    }
    if (context.error) {
        std::rethrow_exception(context.error);
    }
    if (status != XML_STATUS_OK) {
        const XML_Error code = XML_GetErrorCode(parser.get());
        if (code == XML_ERROR_NO_MEMORY) {
            throw std::bad_alloc();
        }
        const int line = static_cast<int>(XML_GetCurrentLineNumber(parser.get()));
        const int column = static_cast<int>(XML_GetCurrentColumnNumber(parser.get())) + 1;
        if (code == XML_ERROR_TAG_MISMATCH) {
            context.FlushText();
            handler.EndElement(endTag.Name());
        }
        throw CQDParserException(XML_ErrorString(code), line, column);
    }
    context.FlushText();
    handler.EndDocument();
}

}  // namespace TWUtility
