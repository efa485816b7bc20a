#include "platform/xml/ElementIndex.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <unordered_set>

namespace TDWXML::detail {

namespace {

// Beyond this many attributes an element's names are checked for repeats
// through a hash set rather than pair by pair.
constexpr std::size_t kPairwiseAttributes = 8;

bool HasRepeatedAttribute(pugi::xml_node element) {
    const pugi::xml_attribute first = element.first_attribute();
    if (!first || !first.next_attribute()) {
        return false;  // most elements: nothing to compare
    }
    std::size_t count = 0;
    for (pugi::xml_attribute a = first; a; a = a.next_attribute()) {
        ++count;
    }
    if (count <= kPairwiseAttributes) {
        for (pugi::xml_attribute a = element.first_attribute(); a; a = a.next_attribute()) {
            for (pugi::xml_attribute b = a.next_attribute(); b; b = b.next_attribute()) {
                if (std::strcmp(a.name(), b.name()) == 0) {
                    return true;
                }
            }
        }
        return false;
    }
    std::unordered_set<std::string_view> names;
    names.reserve(count);
    for (pugi::xml_attribute a = element.first_attribute(); a; a = a.next_attribute()) {
        if (!names.insert(a.name()).second) {
            return true;
        }
    }
    return false;
}

constexpr std::size_t kWordBytes = sizeof(std::uint64_t);

// The name's first 2 * kWordBytes bytes, zero-padded, into two words: one
// copy whatever the length.
void PackPrefix(std::string_view name, std::uint64_t* prefix) {
    char bytes[2 * kWordBytes] = {};
    std::memcpy(bytes, name.data(), std::min(name.size(), sizeof bytes));
    std::memcpy(prefix, bytes, sizeof bytes);
}

}  // namespace

bool CElementIndex::Build(pugi::xml_node root, std::size_t expected) {
    m_elements.clear();
    m_elements.reserve(expected);
    // The elements entered and not yet left, innermost last, each with the
    // last of its children listed so far.
    struct SOpen {
        std::int32_t element;
        std::int32_t lastChild;
    };
    std::vector<SOpen> open;
    pugi::xml_node node = root;
    for (;;) {
        const pugi::xml_node_type type = node.type();
        if (type == pugi::node_element) {
            if (HasRepeatedAttribute(node)) {
                return false;
            }
            const auto index = static_cast<std::int32_t>(m_elements.size());
            SIndexedElement& element = m_elements.emplace_back();
            element.node = node;
            element.name = node.name();
            const std::string_view name(element.name);
            element.length = static_cast<std::uint32_t>(name.size());
            PackPrefix(name, element.prefix);
            if (!open.empty()) {
                SOpen& parent = open.back();
                if (parent.lastChild == kNone) {
                    m_elements[static_cast<std::size_t>(parent.element)].firstChild = index;
                } else {
                    m_elements[static_cast<std::size_t>(parent.lastChild)].nextSibling = index;
                }
                parent.lastChild = index;
            }
            if (const pugi::xml_node child = node.first_child()) {
                open.push_back({index, kNone});
                node = child;
                continue;
            }
        } else if ((type == pugi::node_pcdata || type == pugi::node_cdata) && !open.empty()) {
            SIndexedElement& parent = m_elements[static_cast<std::size_t>(open.back().element)];
            if (parent.textPieces++ == 0) {
                parent.firstText = node.value();
            }
        }
        // On to the next node in document order, without leaving root (the
        // node is root when no element is open).
        for (;;) {
            if (open.empty()) {
                return true;
            }
            if (const pugi::xml_node next = node.next_sibling()) {
                node = next;
                break;
            }
            node = m_elements[static_cast<std::size_t>(open.back().element)].node;
            open.pop_back();
        }
    }
}

std::int32_t CElementIndex::FirstChild(std::int32_t element, std::string_view name) const {
    std::uint64_t prefix[2];
    PackPrefix(name, prefix);
    const std::uint64_t first = prefix[0];
    const std::uint64_t second = prefix[1];
    constexpr std::size_t kPrefixBytes = 2 * kWordBytes;
    for (std::int32_t child = (*this)[element].firstChild; child != kNone;
         child = (*this)[child].nextSibling) {
        const SIndexedElement& entry = (*this)[child];
        if (entry.prefix[0] == first && entry.prefix[1] == second && entry.length == name.size() &&
            (name.size() <= kPrefixBytes ||
             std::memcmp(entry.name + kPrefixBytes, name.data() + kPrefixBytes,
                         name.size() - kPrefixBytes) == 0)) {
            return child;
        }
    }
    return kNone;
}

const char* CElementIndex::LastAttribute(const char* tag, const char* attribute) const {
    const std::size_t length = std::strlen(tag);
    for (auto element = m_elements.rbegin(); element != m_elements.rend(); ++element) {
        if (element->length == length && std::memcmp(element->name, tag, length) == 0) {
            if (const pugi::xml_attribute found = element->node.attribute(attribute)) {
                return found.value();
            }
        }
    }
    return nullptr;
}

}  // namespace TDWXML::detail
