#include <new>

#include "platform/xml/TDWXML.h"

namespace TDWXML {

namespace {

// The kinds of document the factory makes: documents that parse a whole file
// for reading, and documents built in memory for writing.
constexpr int kReadDocKind = 1;
constexpr int kWriteDocKind = 0;

}  // namespace

CReadDoc* CDocFactory::CreateReadDoc(int kind) {
    if (kind != kReadDocKind) {
        return nullptr;
    }
    try {
        return new CReadDoc();
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

CWriteDoc* CDocFactory::CreateWriteDoc(int kind) {
    if (kind != kWriteDocKind) {
        return nullptr;
    }
    try {
        return new CWriteDoc();
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

}  // namespace TDWXML
