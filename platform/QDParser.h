#pragma once
// CQDParser: the utility library's small streaming XML parser. It pulls the
// document from a data source block by block and reports elements and their
// text to an event handler as it goes, so a caller can stop as soon as it has
// seen what it needs (by throwing from the source or the handler). Each block
// is parsed as soon as it arrives, and the cost stays linear in the document
// however the source cuts it.
//
// Events: StartDocument before the first block is read; StartElement with
// the element's attributes; CharacterData once for each run of text between
// two tags (a run is never split, whatever the source delivers); EndElement;
// EndDocument after the whole document was read (unless the handler said
// it had seen enough, which ends the parse early). An end tag that does not
// close the innermost open element, or that comes while no element is open,
// is still reported to EndElement with its own name, so that a handler
// keeping its own tag stack can name the fault; the parse then fails with a
// CQDParserException unless the handler has already thrown.
//
// Encodings: UTF-8, UTF-16 and ISO-8859-1 as the document declares them; any
// other single-byte encoding a document declares (windows-1252, say) is read
// as ISO-8859-1, the way the document reader takes such bytes.

#include <cstddef>
#include <map>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "platform/CString.h"

namespace TWUtility {

class CXMLAttribute {
  public:
    CXMLAttribute(const CString& name, const CString& value) : m_name(name), m_value(value) {}
    CString GetName() const { return m_name; }
    CString GetValue() const { return m_value; }

  private:
    CString m_name;
    CString m_value;
};

// The attributes of one start tag, in document order.
class CXMLAttributeList {
  public:
    int Size() const { return static_cast<int>(m_attributes.size()); }
    // Null outside 0 to Size() - 1.
    CXMLAttribute* GetAt(int index);
    void Add(const CString& name, const CString& value) { m_attributes.emplace_back(name, value); }

  private:
    std::vector<CXMLAttribute> m_attributes;
};

class CQDParserEventHandler {
  public:
    virtual ~CQDParserEventHandler() = default;
    virtual void StartElement(CString tag, CXMLAttributeList& attributes) = 0;
    virtual void EndElement(CString tag) = 0;
    virtual void StartDocument() = 0;
    virtual void EndDocument() = 0;
    virtual void CharacterData(CString text) = 0;
    // Asked after each element start: true ends the parse there, quietly
    // (no EndDocument), when the handler has seen all it needs.
    virtual bool SeenEnough() const { return false; }
};

class CQDParserDataSource {
  public:
    virtual ~CQDParserDataSource() = default;
    // The next character of the document as an unsigned char, or EOF.
    virtual int Read() = 0;
    // Up to size bytes of the document into buffer; 0 at its end. The
    // parser asks for large blocks; this default takes characters from Read
    // up to the end of the next tag, so that a source offering only Read
    // still has each element reported as soon as its tag is complete.
    virtual std::size_t ReadBlock(char* buffer, std::size_t size);
    // The encoding to read the document in whatever it declares, or null to
    // follow the document. A source whose bytes are not valid UTF-8 names
    // "ISO-8859-1" here, as the document reader takes such bytes.
    virtual const char* ForcedEncoding() const { return nullptr; }
};

// A document that is not well-formed XML. Line and column (from 1) locate the
// fault.
class CQDParserException : public std::runtime_error {
  public:
    CQDParserException(const CString& message, int line, int column);

    // Copies the message (cut to size - 1 bytes) and a terminator; the help
    // context, when given, is set to 0. False when there is no room at all.
    bool GetErrorMessage(char* buffer, unsigned size, unsigned* helpContext = nullptr) const;
    int GetLine() const { return m_line; }
    int GetColumn() const { return m_column; }

  private:
    int m_line;
    int m_column;
};

// Thrown by a data source (or a handler) to end the parse.
class CQDParserDataSourceException : public CQDParserException {
  public:
    enum Reason { kReadError = 1, kAbandoned = 2 };
    // reason: why the source ended the parse; osError: the system's error
    // code when a read failed, else 0.
    CQDParserDataSourceException(const CString& message, int reason, int osError);
    int GetReason() const { return m_reason; }
    int GetOsError() const { return m_osError; }

  private:
    int m_reason;
    int m_osError;
};

class CQDParser {
  public:
    // The size of the first block the parser asks its source for; later
    // blocks are as large as all before them together.
    static constexpr std::size_t kFirstBlockSize = 4096;

    // Reads the source to EOF, reporting to the handler. Throws
    // CQDParserException when the document is not well-formed; exceptions of
    // the source and the handler pass through unchanged, and std::bad_alloc
    // when memory runs out.
    static void Parse(CQDParserEventHandler& handler, CQDParserDataSource& source);

    // Whether the bytes are valid UTF-8 (ASCII included).
    static bool IsUTF8(std::string_view bytes);
};

// Maps element tags to a handler class's start and end operations. Calls go
// through the member pointers, so overrides in derived classes are the ones
// called.
template <class Handler>
class CXMLTagLookupMap {
  public:
    using StartFunction = void (Handler::*)(CXMLAttributeList&);
    using EndFunction = void (Handler::*)();
    struct SEntry {
        StartFunction start;
        EndFunction end;
    };

    void Add(const CString& tag, StartFunction start, EndFunction end) {
        m_entries[tag] = SEntry{start, end};
    }
    // Null when the tag is not in the map.
    const SEntry* Find(const CString& tag) const {
        const auto found = m_entries.find(tag);
        return found == m_entries.end() ? nullptr : &found->second;
    }
    int Size() const { return static_cast<int>(m_entries.size()); }

  private:
    std::map<CString, SEntry> m_entries;
};

}  // namespace TWUtility
