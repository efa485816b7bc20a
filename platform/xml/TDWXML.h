#pragma once
// TDWXML: the XML document library through which all configuration XML is
// read and written. The configuration code sees elements, attributes,
// comments and objects that read and write themselves, never XML text.
//
// Text style: documents are written as UTF-8 with the declaration
// kDeclaration and two-space indentation. The
// bytes of a configuration string are taken as ISO-8859-1 characters, so that
// every byte string survives a write and a read: bytes 0x80..0xFF become the
// characters U+0080..U+00FF, and the control bytes XML cannot hold (all below
// 0x20 except tab and line feed) travel as the private characters U+E000 plus
// the byte. On reading, characters above U+00FF that another program wrote
// come back as '?'. Numbers without a format are written in the shortest text
// that reads back to the same double.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "platform/CString.h"
#include "platform/IOResult.h"

namespace TDWXML {

// Statuses of every operation.
constexpr long S_OK_XML = 0;
constexpr long E_FAIL_XML = 0x80004005L;       // missing item, bad value, I/O
constexpr long E_WRONG_OBJECT = 0x9000000FL;   // element of another kind of object
constexpr long E_WRONG_ROOT = 0xA0000001L;     // the root has another tag
constexpr long E_OUT_OF_MEMORY = 0x8007000EL;  // a fresh object could not be made

// The first line of every document written.
constexpr std::string_view kDeclaration = R"(<?xml version="1.0" encoding="UTF-8"?>)";

class CInputNode;
class COutputNode;

// Every object that reads and writes itself as XML.
class IDocObj {
  public:
    virtual ~IDocObj() = default;
    virtual long ReadXML(CInputNode* node) = 0;
    virtual long WriteXML(COutputNode* node) = 0;
};

// Element lookups take index and indexAttr: index -1 means the first child
// with the tag; index >= 0 the child with that tag whose attribute indexAttr
// holds the number index (on output the attribute is written so).

// A cursor on an element of a document being read.
class CInputNode {
  public:
    ~CInputNode();
    CInputNode(const CInputNode&) = delete;
    CInputNode& operator=(const CInputNode&) = delete;

    // The object's ReadXML status on the child, or a failure when there is no
    // such child.
    long ReadObject(const char* tag, IDocObj* object, int index = -1,
                    const char* indexAttr = "index");

    // Attributes of the current element. The text form copies at most
    // size - 1 bytes and a terminator; the number forms need the whole text
    // (surrounding blanks aside) to be a number.
    long GetAttribute(const char* name, char* buffer, int size);
    long GetAttribute(const char* name, int* value);
    long GetAttribute(const char* name, double* value);

    long OpenElement(const char* tag, int index = -1, const char* indexAttr = "index");
    long CloseElement();

    // The text of a child element. An empty element is an empty text; the
    // number forms need a number.
    long ReadString(const char* tag, char* buffer, int size, int index = -1,
                    const char* indexAttr = "index");
    long ReadInt(const char* tag, int* value, int index = -1, const char* indexAttr = "index");
    long ReadDouble(const char* tag, double* value, int index = -1,
                    const char* indexAttr = "index");

    // The current element's tag.
    CString GetTag() const;
    // Where the cursor is, below the root: "Instrument/SensorArray/Sensor[3]".
    // While a node reads, entries of the diagnostics log carry this place, and
    // every item it looks for in vain is noted there, and when it is done, every
    // element it never looked at (CDiagnostics::NoteRead).
    CString GetPath() const;

  private:
    friend class CReadDoc;
    struct State;
    explicit CInputNode(std::unique_ptr<State> state);
    template <class T>
    long AttributeNumber(const char* name, T* value);
    template <class T>
    long ChildNumber(const char* tag, T* value, int index, const char* indexAttr);
    void NoteMissingChild(const char* tag, int index) const;
    void NoteMissingAttribute(const char* name) const;
    void NoteNotANumber(const char* item, const std::string& text) const;
    std::unique_ptr<State> m_state;
};

// A cursor on an element of a document being written.
class COutputNode {
  public:
    ~COutputNode();
    COutputNode(const COutputNode&) = delete;
    COutputNode& operator=(const COutputNode&) = delete;

    // Appends the child and returns the object's WriteXML status on it.
    long WriteObject(const char* tag, IDocObj* object, int index = -1,
                     const char* indexAttr = "index");

    // Attributes keep the order in which they are first set.
    long SetAttribute(const char* name, const char* value);
    long SetAttribute(const char* name, int value);
    long SetAttribute(const char* name, double value);

    long OpenElement(const char* tag, int index = -1, const char* indexAttr = "index");
    long CloseElement();

    long WriteString(const char* tag, const char* text, int index = -1,
                     const char* indexAttr = "index");
    long WriteInt(const char* tag, int value, int index = -1, const char* indexAttr = "index");
    // The text is printed with the printf format ("C" locale); null gives the
    // shortest text that reads back to the same double.
    long WriteDouble(const char* tag, double value, const char* format = nullptr, int index = -1,
                     const char* indexAttr = "index");
    // A comment at the current position. "--" cannot stand in a comment and
    // is written "- -".
    long WriteComment(const char* text);

  private:
    friend class CWriteDoc;
    struct State;
    explicit COutputNode(std::unique_ptr<State> state);
    std::unique_ptr<State> m_state;
};

// Where and why the last load failed.
struct SLoadError {
    int line = 0;      // from 1; 0 when the file could not be opened
    int position = 0;  // column in the line, from 1
    CString reason;
};

class CReadDoc {
  public:
    CReadDoc();
    ~CReadDoc();
    CReadDoc(const CReadDoc&) = delete;
    CReadDoc& operator=(const CReadDoc&) = delete;

    // Refuses files larger than kMaxDocumentBytes (FileImage.h) unread, and
    // documents that are not one well-formed document as it stands: more
    // than one top-level element, an element repeating an attribute, or a
    // document type declaration that declares entities (nothing is ever
    // fetched from outside). A file read just before by the pre-reader, and
    // unchanged since, is not read again.
    long Load(const char* path);
    long LoadText(const char* text, std::size_t length);
    // E_WRONG_ROOT when the root has another tag, else the object's ReadXML
    // status on the root.
    long ReadRoot(const char* rootTag, IDocObj* object);
    // Copies the root's tag into the buffer and returns it; null when nothing
    // is loaded.
    const char* GetRootTag(char* buffer, int size) const;
    SLoadError GetLastError() const;

  private:
    struct State;
    std::unique_ptr<State> m_state;
};

class CWriteDoc {
  public:
    CWriteDoc();
    // Saves the document when Close was not called.
    ~CWriteDoc();
    CWriteDoc(const CWriteDoc&) = delete;
    CWriteDoc& operator=(const CWriteDoc&) = delete;

    // Fails when the path is a folder or its folder cannot be written.
    long Create(const char* path);
    // A document that is kept in memory (GetText) instead of a file.
    long CreateText();
    long WriteRoot(const char* rootTag, IDocObj* object);
    // Writes the file beside its place and then renames it there, so a failed
    // write leaves an existing file as it was. A document whose root object
    // failed to write itself is not saved at all. Returns the status of the
    // save.
    long Close();
    // The document's text (for CreateText documents after WriteRoot).
    CString GetText() const;
    // Why Create or Close failed, in the system's words when a system call
    // did; ok when neither did.
    const SIOResult& GetResult() const;

  private:
    struct State;
    std::unique_ptr<State> m_state;
};

// Creates a document at path, has the object write its root and saves it:
// the outcome of the whole.
SIOResult WriteDocument(const char* path, const char* rootTag, IDocObj* object);

class CDocFactory {
  public:
    // New documents owned by the caller.
    static CReadDoc* CreateReadDoc(int kind = 1);
    static CWriteDoc* CreateWriteDoc(int kind = 0);
};

}  // namespace TDWXML
