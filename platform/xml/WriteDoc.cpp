// Documents being written: the root handed to the object that writes it,
// and the text saved in one step when the document is closed.

#include <new>
#include <string>

#include "platform/Diagnostics.h"
#include "platform/xml/AtomicFile.h"
#include "platform/xml/Cursor.h"
#include "platform/xml/TDWXML.h"
#include "platform/xml/TextCodec.h"

namespace TDWXML {

namespace {

class CStringWriter : public pugi::xml_writer {
  public:
    explicit CStringWriter(std::string* text) : m_text(text) {}
    void write(const void* data, std::size_t size) override {
        m_text->append(static_cast<const char*>(data), size);
    }

  private:
    std::string* m_text;
};

void LogSaveFailure(const char* what, const std::string& path, const std::string& why) {
    CString text;
    text.Format("CWriteDoc: %s '%s' failed: %s", what, path.c_str(), why.c_str());
    CDiagnostics::Log(text, 3);
}

}  // namespace

struct CWriteDoc::State {
    enum class Mode { none, file, text, closed };

    pugi::xml_document document;
    Mode mode = Mode::none;
    std::string path;
    bool hasRoot = false;
    long rootStatus = S_OK_XML;  // what the root's object answered
    long saveStatus = S_OK_XML;

    void Start(Mode newMode, std::string newPath) {
        document.reset();
        pugi::xml_node declaration = document.append_child(pugi::node_declaration);
        declaration.append_attribute("version").set_value("1.0");
        declaration.append_attribute("encoding").set_value("UTF-8");
        mode = newMode;
        path = std::move(newPath);
        hasRoot = false;
        rootStatus = S_OK_XML;
        saveStatus = S_OK_XML;
    }

    std::string Text() const {
        std::string text;
        CStringWriter writer(&text);
        document.save(writer, "  ", pugi::format_indent, pugi::encoding_utf8);
        return text;
    }

    long Save() {
        if (!hasRoot) {
            LogSaveFailure("saving", path, "nothing was written");
            return E_FAIL_XML;
        }
        if (rootStatus != S_OK_XML) {
            // Half a document must not replace a good file.
            LogSaveFailure("saving", path, "the document could not be written whole");
            return E_FAIL_XML;
        }
        std::string why;
        if (!detail::ReplaceFile(path, Text(), &why)) {
            LogSaveFailure("saving", path, why);
            return E_FAIL_XML;
        }
        return S_OK_XML;
    }
};

CWriteDoc::CWriteDoc() : m_state(std::make_unique<State>()) {}

CWriteDoc::~CWriteDoc() {
    if (m_state->mode == State::Mode::file) {
        try {
            m_state->Save();
        } catch (...) {
            // A destructor cannot report; Close is the way to learn the status.
        }
    }
}

long CWriteDoc::Create(const char* path) {
    if (m_state->mode == State::Mode::file || m_state->mode == State::Mode::text) {
        return E_FAIL_XML;
    }
    std::string why;
    if (path == nullptr || !detail::CanReplaceFile(path, &why)) {
        LogSaveFailure("creating", path ? path : "", why);
        return E_FAIL_XML;
    }
    try {
        m_state->Start(State::Mode::file, path);
    } catch (const std::bad_alloc&) {
        m_state->mode = State::Mode::none;
        return E_OUT_OF_MEMORY;
    }
    return S_OK_XML;
}

long CWriteDoc::CreateText() {
    if (m_state->mode == State::Mode::file || m_state->mode == State::Mode::text) {
        return E_FAIL_XML;
    }
    try {
        m_state->Start(State::Mode::text, std::string());
    } catch (const std::bad_alloc&) {
        m_state->mode = State::Mode::none;
        return E_OUT_OF_MEMORY;
    }
    return S_OK_XML;
}

long CWriteDoc::WriteRoot(const char* rootTag, IDocObj* object) {
    std::string name;
    if ((m_state->mode != State::Mode::file && m_state->mode != State::Mode::text) ||
        m_state->hasRoot || object == nullptr || !detail::EncodeName(rootTag, &name)) {
        return E_FAIL_XML;
    }
    pugi::xml_node root = m_state->document.append_child(name.c_str());
    if (!root) {
        return E_OUT_OF_MEMORY;
    }
    m_state->hasRoot = true;
    COutputNode node(std::make_unique<COutputNode::State>(root));
    m_state->rootStatus = object->WriteXML(&node);
    return m_state->rootStatus;
}

long CWriteDoc::Close() {
    switch (m_state->mode) {
        case State::Mode::file:
            try {
                m_state->saveStatus = m_state->Save();
            } catch (const std::bad_alloc&) {
                m_state->saveStatus = E_OUT_OF_MEMORY;
            }
            m_state->mode = State::Mode::closed;
            return m_state->saveStatus;
        case State::Mode::text:
            m_state->mode = State::Mode::closed;
            return S_OK_XML;
        case State::Mode::closed:
            return m_state->saveStatus;
        case State::Mode::none:
            break;
    }
    return E_FAIL_XML;
}

CString CWriteDoc::GetText() const {
    if (!m_state->hasRoot) {
        return CString();
    }
    return CString(m_state->Text());
}

}  // namespace TDWXML
