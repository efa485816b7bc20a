// Documents being read: loading a file or a text, and handing the root to
// the object that reads it.

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <string>

#include "platform/xml/Cursor.h"
#include "platform/xml/FileImage.h"
#include "platform/xml/TDWXML.h"
#include "platform/xml/TextCodec.h"

namespace TDWXML {

struct CReadDoc::State {
    std::shared_ptr<const CFileImage> image;  // parsed, or null
    SLoadError lastError;

    // Drops any document; the reason, when given, is the failure to report.
    void Forget(const CString& reason = CString()) {
        image.reset();
        lastError = SLoadError();
        lastError.reason = reason;
    }

    long Take(std::shared_ptr<const CFileImage> loaded) {
        Forget();
        if (!loaded->Parsed()) {
            lastError = loaded->ParseError();
            return E_FAIL_XML;
        }
        image = std::move(loaded);
        return S_OK_XML;
    }

    pugi::xml_node Root() const { return image ? image->Root() : pugi::xml_node(); }
};

CReadDoc::CReadDoc() : m_state(std::make_unique<State>()) {}
CReadDoc::~CReadDoc() = default;

long CReadDoc::Load(const char* path) {
    try {
        if (path == nullptr || *path == '\0') {
            m_state->Forget("no file name was given");
            return E_FAIL_XML;
        }
        std::string why;
        int osError = 0;
        auto image = CFileImage::Get(path, &why, &osError);
        if (!image) {
            m_state->Forget(CString("cannot read the file '") + path + "': " + why.c_str());
            return E_FAIL_XML;
        }
        return m_state->Take(std::move(image));
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
        return m_state->Take(CFileImage::FromText(std::string_view(text, length)));
    } catch (const std::bad_alloc&) {
        m_state->Forget();
        return E_OUT_OF_MEMORY;
    }
}

long CReadDoc::ReadRoot(const char* rootTag, IDocObj* object) {
    const pugi::xml_node root = m_state->Root();
    std::string name;
    if (!root || object == nullptr || !detail::EncodeName(rootTag, &name)) {
        return E_FAIL_XML;
    }
    if (name != root.name()) {
        return E_WRONG_ROOT;
    }
    CInputNode node(std::make_unique<CInputNode::State>(m_state->image->Elements()));
    return object->ReadXML(&node);
}

const char* CReadDoc::GetRootTag(char* buffer, int size) const {
    const pugi::xml_node root = m_state->Root();
    if (!root || buffer == nullptr || size <= 0) {
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
