// The table from (component, property) to accessor that persistence walks.
// A target is a component, or a sub-object of one (an object-valued property
// such as a font, or an item of a collection-valued property such as a
// caption bar's buttons), told by a facet type. Setting a property through an
// accessor goes through the component's own writer, so it has the same
// effects as setting it in code.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <typeindex>
#include <vector>

#include "ui/Component.h"

namespace settings {

// Facet of a component target: the component itself.
struct SelfFacet {};

struct Target {
  ui::Component* component = nullptr;
  std::type_index facet = typeid(SelfFacet);
  size_t index = 0;  // the item's index, for a collection item
};

enum class PropKind {
  Integer,     // integers, colours, enumerations and Booleans: REG_DWORD
  Text,        // REG_SZ
  Object,      // an object-valued property: a subkey named after it
  Collection,  // a collection: items as subkeys "Name<i>"
};

struct Property {
  std::string name;
  PropKind kind = PropKind::Integer;
  std::type_index facet = typeid(SelfFacet);      // the targets it belongs to
  std::function<bool(const Target&)> applies;       // the target's class has it
  std::function<int32_t(const Target&)> getInteger;
  std::function<void(const Target&, int32_t)> setInteger;
  std::function<std::string(const Target&)> getText;
  std::function<void(const Target&, const std::string&)> setText;
  // Object: the sub-object, or nothing when it is absent.
  std::function<std::optional<Target>(const Target&)> object;
  // Collection: the number of items; item i's target.
  std::function<size_t(const Target&)> count;
  std::type_index itemFacet = typeid(SelfFacet);
};

class PropertyTable {
 public:
  // The property of that name (without regard to case) on the target, or none.
  const Property* Find(const Target& target, const std::string& name) const;

  // Properties of components of class C (and of classes derived from it).
  template <class C>
  void Integer(std::string name, std::function<int32_t(C&)> get, std::function<void(C&, int32_t)> set) {
    Property p = Base<C>(std::move(name), PropKind::Integer);
    p.getInteger = [get](const Target& t) { return get(*dynamic_cast<C*>(t.component)); };
    p.setInteger = [set](const Target& t, int32_t v) { set(*dynamic_cast<C*>(t.component), v); };
    Add(std::move(p));
  }
  // Stored as 0 or 1; any non-zero value read back is true.
  template <class C>
  void Boolean(std::string name, std::function<bool(C&)> get, std::function<void(C&, bool)> set) {
    Integer<C>(std::move(name), [get](C& c) { return get(c) ? 1 : 0; },
               [set](C& c, int32_t v) { set(c, v != 0); });
  }
  // An enumeration with ordinals 0 to count-1; other values are ignored.
  template <class C>
  void Enumeration(std::string name, int32_t count, std::function<int32_t(C&)> get,
                   std::function<void(C&, int32_t)> set) {
    Integer<C>(std::move(name), get, [set, count](C& c, int32_t v) {
      if (v >= 0 && v < count) set(c, v);
    });
  }
  template <class C>
  void Text(std::string name, std::function<std::string(C&)> get,
            std::function<void(C&, const std::string&)> set) {
    Property p = Base<C>(std::move(name), PropKind::Text);
    p.getText = [get](const Target& t) { return get(*dynamic_cast<C*>(t.component)); };
    p.setText = [set](const Target& t, const std::string& v) { set(*dynamic_cast<C*>(t.component), v); };
    Add(std::move(p));
  }
  // An object-valued property of components of class C whose object is the
  // facet F of the same component; present tells whether it exists.
  template <class C, class F>
  void Object(std::string name, std::function<bool(C&)> present = {}) {
    Property p = Base<C>(std::move(name), PropKind::Object);
    p.object = [present](const Target& t) -> std::optional<Target> {
      if (present && !present(*dynamic_cast<C*>(t.component))) return std::nullopt;
      return Target{t.component, typeid(F), 0};
    };
    Add(std::move(p));
  }
  // A collection-valued property whose items are the facet F of the component.
  template <class C, class F>
  void Collection(std::string name, std::function<size_t(C&)> count) {
    Property p = Base<C>(std::move(name), PropKind::Collection);
    p.count = [count](const Target& t) { return count(*dynamic_cast<C*>(t.component)); };
    p.itemFacet = typeid(F);
    Add(std::move(p));
  }
  // Properties of facet F of components of class C; the index is the item's.
  template <class F, class C>
  void FacetInteger(std::string name, std::function<int32_t(C&, size_t)> get,
                    std::function<void(C&, size_t, int32_t)> set) {
    Property p = Base<C>(std::move(name), PropKind::Integer);
    p.facet = typeid(F);
    p.getInteger = [get](const Target& t) { return get(*dynamic_cast<C*>(t.component), t.index); };
    p.setInteger = [set](const Target& t, int32_t v) { set(*dynamic_cast<C*>(t.component), t.index, v); };
    Add(std::move(p));
  }
  template <class F, class C>
  void FacetBoolean(std::string name, std::function<bool(C&, size_t)> get,
                    std::function<void(C&, size_t, bool)> set) {
    FacetInteger<F, C>(std::move(name), [get](C& c, size_t i) { return get(c, i) ? 1 : 0; },
                       [set](C& c, size_t i, int32_t v) { set(c, i, v != 0); });
  }

  size_t Size() const { return properties_.size(); }

 private:
  template <class C>
  static Property Base(std::string name, PropKind kind) {
    Property p;
    p.name = std::move(name);
    p.kind = kind;
    p.applies = [](const Target& t) { return dynamic_cast<C*>(t.component) != nullptr; };
    return p;
  }
  void Add(Property p) { properties_.push_back(std::move(p)); }
  std::vector<Property> properties_;
};

}  // namespace settings
