#include "platform/xml/ElementText.h"

namespace TDWXML {

bool HasChildElements(pugi::xml_node element) {
    return static_cast<bool>(
        element.find_child([](pugi::xml_node n) { return n.type() == pugi::node_element; }));
}

}  // namespace TDWXML
