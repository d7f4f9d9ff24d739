#include "settings/PropertyTable.h"

#include "text/Text.h"

namespace settings {

const Property* PropertyTable::Find(const Target& target, const std::string& name) const {
  if (!target.component) return nullptr;
  // Later registrations win, so a class can refine what a base class says.
  for (auto it = properties_.rbegin(); it != properties_.rend(); ++it)
    if (it->facet == target.facet && text::EqualsNoCase(it->name, name) && it->applies(target))
      return &*it;
  return nullptr;
}

}  // namespace settings
