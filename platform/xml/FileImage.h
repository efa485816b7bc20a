#pragma once
// A document file read once: its bytes and its parsed tree, shared by every
// step that reads the same file in turn (the pre-reader, then the document
// reader), so that the file is opened, read and parsed a single time.
//
// The image of the last file read is kept and handed out again while the file
// is unchanged (same size, modification time, device and inode); a read scope
// (CFileReadScope) trusts it without asking the file system again and drops it
// when the read is over.

#include <pugixml.hpp>

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/xml/ElementIndex.h"
#include "platform/xml/TDWXML.h"

namespace TDWXML {

// Files larger than this are refused unread. Configuration and calibration
// files are tens of kilobytes; the limit bounds the memory a read may take
// whatever the input.
constexpr std::size_t kMaxDocumentBytes = std::size_t{16} << 20;
// Documents with more tags than this are refused before they are parsed: the
// largest configuration has about two thousand, and the parsed tree of
// millions of tiny elements would take twenty times the file's size.
constexpr std::size_t kMaxDocumentTags = std::size_t{1} << 17;

class CFileImage {
  public:
    // The file read and parsed, or the image kept from an earlier call while
    // the file is unchanged. Only regular files and pipes are read; a folder,
    // a device, a socket and a file over the limit are refused from what the
    // file system says of them, unread. Null when the file is refused or
    // cannot be read: *why then holds the reason and *osError the system's
    // error code (0 when the refusal is not the system's).
    static std::shared_ptr<const CFileImage> Get(const char* path, std::string* why, int* osError);
    // An image of text held in memory (never kept).
    static std::shared_ptr<const CFileImage> FromText(std::string_view text);

    // The bytes as read.
    const std::string& Bytes() const { return m_bytes; }
    // Whether the bytes are one well-formed document the reader accepts.
    bool Parsed() const { return m_parsed; }
    // Whether it was refused unparsed, for holding more than kMaxDocumentTags
    // tags: well-formed or not, no configuration is that large.
    bool HasTooManyTags() const { return m_tooManyTags; }
    // Why the document was refused (when Parsed is false).
    SLoadError ParseError() const;
    // The root element (null when not parsed).
    pugi::xml_node Root() const;
    // The elements in document order, the root at 0 (empty when not parsed).
    const detail::CElementIndex& Elements() const { return m_elements; }
    // The value of the attribute on the last element with the tag, in
    // document order, that has the attribute; null when none has.
    const char* LastAttribute(const char* tag, const char* attribute) const;

    CFileImage(const CFileImage&) = delete;
    CFileImage& operator=(const CFileImage&) = delete;

  private:
    friend class CFileReadScope;
    explicit CFileImage(std::string bytes);
    void Parse();
    // The number of tags of a file large enough to hold too many (then sets
    // m_tooManyTags and m_error when it does), else a guess from its size,
    // to reserve the element index by.
    std::size_t CountTags();

    std::string m_bytes;
    pugi::xml_document m_document;
    detail::CElementIndex m_elements;
    bool m_parsed = false;
    bool m_tooManyTags = false;
    SLoadError m_error;
    // Where the parser stopped, in bytes, for a document it refused (-1 for
    // none): its line and position are worked out only when asked for, since
    // a legacy file, which every document reader refuses, never asks.
    std::ptrdiff_t m_errorOffset = -1;
    pugi::xml_encoding m_errorEncoding = pugi::encoding_auto;
};

// One read of a file by several steps. While the outermost scope lasts, the
// kept image is handed out without looking at the file again; when it ends the
// image is dropped, so that its memory is not held after the read and the next
// read sees the file as it is then.
class CFileReadScope {
  public:
    CFileReadScope();
    ~CFileReadScope();
    CFileReadScope(const CFileReadScope&) = delete;
    CFileReadScope& operator=(const CFileReadScope&) = delete;

    // Drops the kept image now.
    static void Forget();
};

}  // namespace TDWXML
