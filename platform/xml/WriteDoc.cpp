// Documents being written: the root handed to the object that writes it,
// and the text saved in one step when the document is closed.

#include <cerrno>
#include <cstring>
#include <new>
#include <string>

#include "platform/Diagnostics.h"
#include "platform/xml/AtomicFile.h"
#include "platform/xml/TDWXML.h"
#include "platform/xml/TextCodec.h"
#include "platform/xml/TextWriter.h"

namespace TDWXML {

namespace {

SIOResult OutOfMemory() {
    return SIOResult::Failure(std::strerror(ENOMEM), ENOMEM);
}

void LogSaveFailure(const char* what, const std::string& path, const std::string& why) {
    CString text;
    text.Format("CWriteDoc: %s '%s' failed: %s", what, path.c_str(), why.c_str());
    CDiagnostics::Log(text, 3);
}

}  // namespace

struct CWriteDoc::State {
    enum class Mode { none, file, text, closed };

    detail::CTextWriter writer;
    detail::CFileReplacement file;  // begun by Create
    Mode mode = Mode::none;
    std::string path;
    bool hasRoot = false;
    long rootStatus = S_OK_XML;  // what the root's object answered
    long saveStatus = S_OK_XML;
    SIOResult result;  // why Create or the save failed

    void Start(Mode newMode, std::string newPath) {
        writer = detail::CTextWriter();
        mode = newMode;
        path = std::move(newPath);
        hasRoot = false;
        rootStatus = S_OK_XML;
        saveStatus = S_OK_XML;
        result = SIOResult();
    }

    long Fail(SIOResult failure) {
        LogSaveFailure("saving", path, failure.message);
        result = std::move(failure);
        return E_FAIL_XML;
    }

    long Save() {
        if (!hasRoot || rootStatus != S_OK_XML) {
            file.Abandon();
            // Half a document must not replace a good file.
            return Fail(SIOResult::Failure(hasRoot ? "the document could not be written whole"
                                                   : "nothing was written"));
        }
        SIOResult saved = file.Commit(writer.TakeText());
        return saved ? S_OK_XML : Fail(std::move(saved));
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
    SIOResult usable =
        path ? m_state->file.Begin(path) : SIOResult::Failure("not a file name", EINVAL);
    if (!usable) {
        LogSaveFailure("creating", path ? path : "", usable.message);
        m_state->result = std::move(usable);
        return E_FAIL_XML;
    }
    try {
        m_state->Start(State::Mode::file, path);
    } catch (const std::bad_alloc&) {
        m_state->file.Abandon();
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
    m_state->hasRoot = true;
    try {
        m_state->writer.Open(name);
        COutputNode node(std::make_unique<COutputNode::State>(&m_state->writer));
        m_state->rootStatus = object->WriteXML(&node);
    } catch (const std::bad_alloc&) {
        // The text grows as it is written; a document cut short is not saved.
        m_state->rootStatus = E_OUT_OF_MEMORY;
    }
    return m_state->rootStatus;
}

long CWriteDoc::Close() {
    switch (m_state->mode) {
        case State::Mode::file:
            try {
                m_state->saveStatus = m_state->Save();
            } catch (const std::bad_alloc&) {
                m_state->file.Abandon();
                m_state->saveStatus = E_OUT_OF_MEMORY;
                m_state->result = OutOfMemory();
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

const SIOResult& CWriteDoc::GetResult() const {
    return m_state->result;
}

SIOResult WriteDocument(const char* path, const char* rootTag, IDocObj* object) {
    try {
        CWriteDoc doc;
        if (doc.Create(path) == S_OK_XML) {
            // A root that failed to write itself keeps the document from
            // being saved, and Close says so.
            doc.WriteRoot(rootTag, object);
            doc.Close();
        }
        return doc.GetResult();
    } catch (const std::bad_alloc&) {
        return OutOfMemory();
    }
}

CString CWriteDoc::GetText() const {
    if (!m_state->hasRoot) {
        return CString();
    }
    return CString(m_state->writer.Text());
}

}  // namespace TDWXML
