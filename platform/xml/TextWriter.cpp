#include "platform/xml/TextWriter.h"

#include <array>

#include "platform/xml/TextCodec.h"

namespace TDWXML::detail {

namespace {

// A configuration's document, whole, without growing on the way.
constexpr std::size_t kFirstEstimate = 32 * 1024;

// A line end and the indentation of the deepest elements written in one copy.
constexpr std::size_t kIndentedDepth = 32;
const std::string kLineStart = '\n' + std::string(2 * kIndentedDepth, ' ');

enum EWhere : unsigned char { kInText = 1, kInValue = 2, kInComment = 4 };

// Which bytes of the document's text need an escape where: control bytes
// everywhere but tab, line feed and carriage return in text, which stand as
// they are; '&' and '<' everywhere; '>' in text; '"' in attribute values.
constexpr std::array<unsigned char, 256> kEscapes = [] {
    std::array<unsigned char, 256> table{};
    for (int ch = 0; ch < 0x20; ++ch) {
        table[ch] = kInText | kInValue;
    }
    table['\t'] = table['\n'] = table['\r'] = kInValue;
    table['&'] = table['<'] = kInText | kInValue;
    table['>'] = kInText;
    table['"'] = kInValue;
    return table;
}();

// Which configuration bytes do not stand in the document as they are: those
// that EncodeView changes (all but printable ASCII, tab and line feed), and
// those that need an escape.
constexpr std::array<unsigned char, 256> kNotAsIs = [] {
    std::array<unsigned char, 256> table = kEscapes;
    for (int byte = 0; byte < 256; ++byte) {
        if (byte >= 0x80 || (byte < 0x20 && byte != '\t' && byte != '\n')) {
            table[byte] = kInText | kInValue | kInComment;
        }
    }
    return table;
}();

// How many bytes at the start of bytes stand in the document as they are.
std::size_t AsIsPrefix(std::string_view bytes, EWhere where) {
    std::size_t i = 0;
    while (i < bytes.size() && (kNotAsIs[static_cast<unsigned char>(bytes[i])] & where) == 0) {
        ++i;
    }
    return i;
}

void AppendEscaped(std::string& out, std::string_view text, EWhere where) {
    std::size_t run = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((kEscapes[byte] & where) == 0) {
            continue;
        }
        out.append(text, run, i - run);
        run = i + 1;
        switch (byte) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += "&#";
                out += static_cast<char>('0' + byte / 10);
                out += static_cast<char>('0' + byte % 10);
                out += ';';
        }
    }
    out.append(text, run, text.size() - run);
}

// Configuration bytes as the document holds them, encoded and escaped. Plain
// text, the usual case, is looked at once and copied.
void AppendText(std::string& out, std::string_view bytes, EWhere where) {
    const std::size_t asIs = AsIsPrefix(bytes, where);
    out.append(bytes.data(), asIs);
    if (asIs < bytes.size()) {
        std::string storage;
        AppendEscaped(out, EncodeView(bytes.substr(asIs), &storage), where);
    }
}

// "--" cannot stand inside a comment, nor can '-' end one.
std::string CommentText(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (const char ch : text) {
        if (ch == '-' && !out.empty() && out.back() == '-') {
            out.push_back(' ');
        }
        out.push_back(ch);
    }
    if (!out.empty() && out.back() == '-') {
        out.push_back(' ');
    }
    return out;
}

bool FitsComment(std::string_view text) {
    return AsIsPrefix(text, kInComment) == text.size() &&
           text.find("--") == std::string_view::npos && (text.empty() || text.back() != '-');
}

void AppendIndent(std::string& out, std::size_t depth) {
    if (depth <= kIndentedDepth) {
        out.append(kLineStart.data(), 1 + 2 * depth);
        return;
    }
    out += '\n';
    out.append(2 * depth, ' ');
}

}  // namespace

CTextWriter::CTextWriter() {
    m_text.reserve(kFirstEstimate);
    m_text = kDeclaration;
    m_open.reserve(kIndentedDepth);
}

void CTextWriter::BeginChild() {
    if (!m_open.empty() && !m_open.back().hasChildren) {
        // Nothing follows a start tag that has no child yet.
        m_text += '>';
        m_open.back().hasChildren = true;
    }
    AppendIndent(m_text, m_open.size());
}

void CTextWriter::Open(std::string_view name) {
    BeginChild();
    m_text += '<';
    const std::size_t nameStart = m_text.size();
    m_text += name;
    m_open.push_back({nameStart, name.size(), m_text.size()});
}

void CTextWriter::CloseIn(std::string& text, const SOpen& element, std::size_t depth) {
    if (!element.hasChildren) {
        text += " />";
        return;
    }
    AppendIndent(text, depth);
    text += "</";
    text.append(text, element.nameStart, element.nameLength);
    text += '>';
}

void CTextWriter::Close() {
    const SOpen element = m_open.back();
    m_open.pop_back();
    CloseIn(m_text, element, m_open.size());
}

void CTextWriter::SetAttribute(std::string_view name, std::string_view value) {
    SOpen& element = m_open.back();
    // The attributes stand as ' name="value"', their values escaped, so the
    // next '"' ends each value.
    std::size_t at = element.nameStart + element.nameLength;
    while (at < element.attributesEnd) {
        const std::size_t equals = m_text.find('=', at);
        const std::size_t valueStart = equals + 2;
        const std::size_t valueEnd = m_text.find('"', valueStart);
        if (std::string_view(m_text).substr(at + 1, equals - at - 1) == name) {
            std::string escaped;
            AppendText(escaped, value, kInValue);
            m_text.replace(valueStart, valueEnd - valueStart, escaped);
            element.attributesEnd =
                element.attributesEnd + escaped.size() - (valueEnd - valueStart);
            return;
        }
        at = valueEnd + 1;
    }
    const bool atEnd = element.attributesEnd == m_text.size();
    std::string later;
    // Usually the start tag is still the end of the text.
    std::string& out = atEnd ? m_text : later;
    const std::size_t start = out.size();
    out += ' ';
    out += name;
    out += "=\"";
    AppendText(out, value, kInValue);
    out += '"';
    if (!atEnd) {
        m_text.insert(element.attributesEnd, later);
    }
    element.attributesEnd += out.size() - start;
}

void CTextWriter::Leaf(std::string_view name, std::string_view attrName, std::string_view attrValue,
                       std::string_view text) {
    BeginChild();
    m_text += '<';
    m_text += name;
    if (!attrName.empty()) {
        m_text += ' ';
        m_text += attrName;
        m_text += "=\"";
        AppendText(m_text, attrValue, kInValue);
        m_text += '"';
    }
    if (text.empty()) {
        m_text += " />";
        return;
    }
    m_text += '>';
    AppendText(m_text, text, kInText);
    m_text += "</";
    m_text += name;
    m_text += '>';
}

void CTextWriter::Comment(std::string_view text) {
    BeginChild();
    m_text += "<!--";
    if (FitsComment(text)) {
        m_text += text;
    } else {
        m_text += EncodeText(CommentText(text));
    }
    m_text += "-->";
}

std::string CTextWriter::TakeText() {
    while (!m_open.empty()) {
        Close();
    }
    m_text += '\n';
    return std::move(m_text);
}

std::string CTextWriter::Text() const {
    std::string text;
    text.reserve(m_text.size() + 16 * m_open.size() + 1);
    text = m_text;
    for (std::size_t depth = m_open.size(); depth-- > 0;) {
        CloseIn(text, m_open[depth], depth);
    }
    text += '\n';
    return text;
}

}  // namespace TDWXML::detail
