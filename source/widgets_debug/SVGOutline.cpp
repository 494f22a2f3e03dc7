#include "source/widgets_debug/SVGOutline.h"

#include <pugixml.hpp>

namespace zarvo {

namespace {
void Walk(const pugi::xml_node& node, SVGOutline& outline) {
  for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
    if (child.type() != pugi::node_element) continue;
    ++outline.elementCount;
    if (const pugi::xml_attribute id = child.attribute("id"); id && *id.value()) outline.ids.emplace_back(id.value());
    Walk(child, outline);
  }
}
}  // namespace

Result<SVGOutline> ReadSVGOutline(std::string_view svgText) {
  pugi::xml_document dom;
  const pugi::xml_parse_result parsed = dom.load_buffer(svgText.data(), svgText.size());
  if (!parsed) return IllegalArgumentError(String("SVG text is not XML: ") + parsed.description());
  SVGOutline outline;
  Walk(dom, outline);
  return outline;
}

}  // namespace zarvo
