#include "platform/xml/TextWriter.h"

#include <array>
#include <utility>

namespace TDWXML::detail {

namespace {

constexpr std::string_view kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";

enum EEscape : unsigned char { kPlain = 0, kInText = 1, kInValue = 2 };

// Which bytes need an escape where: control bytes everywhere but tab, line
// feed and carriage return in text, which stand as they are; '&' and '<'
// everywhere; '>' in text; '"' in attribute values.
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

void AppendEscaped(std::string& out, std::string_view text, EEscape where) {
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

void AppendIndent(std::string& out, std::size_t depth) {
    out += '\n';
    out.append(2 * depth, ' ');
}

}  // namespace

CTextWriter::CTextWriter() {
    // A configuration's document, whole, without growing on the way.
    m_text.reserve(32 * 1024);
    m_text = kDeclaration;
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
    m_text += name;
    m_open.push_back({std::string(name), m_text.size(), m_text.size()});
}

void CTextWriter::CloseIn(std::string& text, const SOpen& element, std::size_t depth) {
    if (!element.hasChildren) {
        text += " />";
        return;
    }
    AppendIndent(text, depth);
    text += "</";
    text += element.name;
    text += '>';
}

void CTextWriter::Close() {
    const SOpen element = std::move(m_open.back());
    m_open.pop_back();
    CloseIn(m_text, element, m_open.size());
}

void CTextWriter::SetAttribute(std::string_view name, std::string_view value) {
    SOpen& element = m_open.back();
    std::string escaped;
    AppendEscaped(escaped, value, kInValue);
    // The attributes stand as ' name="value"', their values escaped, so the
    // next '"' ends each value.
    std::size_t at = element.attributesStart;
    while (at < element.attributesEnd) {
        const std::size_t equals = m_text.find('=', at);
        const std::size_t valueStart = equals + 2;
        const std::size_t valueEnd = m_text.find('"', valueStart);
        if (std::string_view(m_text).substr(at + 1, equals - at - 1) == name) {
            m_text.replace(valueStart, valueEnd - valueStart, escaped);
            element.attributesEnd =
                element.attributesEnd + escaped.size() - (valueEnd - valueStart);
            return;
        }
        at = valueEnd + 1;
    }
    std::string attribute;
    attribute.reserve(name.size() + escaped.size() + 4);
    attribute += ' ';
    attribute += name;
    attribute += "=\"";
    attribute += escaped;
    attribute += '"';
    m_text.insert(element.attributesEnd, attribute);
    element.attributesEnd += attribute.size();
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
        AppendEscaped(m_text, attrValue, kInValue);
        m_text += '"';
    }
    if (text.empty()) {
        m_text += " />";
        return;
    }
    m_text += '>';
    AppendEscaped(m_text, text, kInText);
    m_text += "</";
    m_text += name;
    m_text += '>';
}

void CTextWriter::Comment(std::string_view text) {
    BeginChild();
    m_text += "<!--";
    m_text += text;
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
