// The table from (component, property) to accessor that persistence walks.
// A target is a component, or a sub-object of one (an object-valued property
// such as a font, or an item of a collection-valued property such as a
// caption bar's buttons), told by a facet type. Setting a property through an
// accessor goes through the component's own writer, so it has the same
// effects as setting it in code.
//
// Accessors are template arguments (member functions or captureless lambdas)
// compiled into plain functions: a table entry is a few pointers, not a set of
// type-erased callables, which cost about 2 KB of code each.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/Component.h"

namespace settings {

// Facet of a component target: the component itself.
struct SelfFacet {};

// A facet type's identity: the address of an object of its own.
using FacetId = const void*;
template <class F>
inline constexpr char kFacetTag = 0;
template <class F>
constexpr FacetId FacetOf() {
  return &kFacetTag<F>;
}

struct Target {
  ui::Component* component = nullptr;
  FacetId facet = FacetOf<SelfFacet>();
  size_t index = 0;  // the item's index, for a collection item
};

enum class PropKind {
  Integer,     // integers, colours, enumerations and Booleans: REG_DWORD
  Text,        // REG_SZ
  Object,      // an object-valued property: a subkey named after it
  Collection,  // a collection: items as subkeys "Name<i>"
};

struct Property {
  const char* name = "";
  PropKind kind = PropKind::Integer;
  FacetId facet = FacetOf<SelfFacet>();  // the targets it belongs to
  bool (*applies)(const Target&) = nullptr;    // the target's class has it
  int32_t (*getInteger)(const Target&) = nullptr;
  void (*setInteger)(const Target&, int32_t) = nullptr;
  std::string (*getText)(const Target&) = nullptr;
  void (*setText)(const Target&, const std::string&) = nullptr;
  // Object: the sub-object.
  std::optional<Target> (*object)(const Target&) = nullptr;
  // Collection: the number of items; item i's target.
  size_t (*count)(const Target&) = nullptr;
  FacetId itemFacet = FacetOf<SelfFacet>();
};

// Accessor arguments are member function pointers or captureless lambdas
// taking the component (and, for a facet, the item's index).
class PropertyTable {
 public:
  // The property of that name (without regard to case) on the target, or none.
  const Property* Find(const Target& target, const std::string& name) const;

  // Properties of components of class C (and of classes derived from it).
  template <class C, auto Get, auto Set>
  void Integer(const char* name) {
    Property p = Base<C>(name, PropKind::Integer);
    p.getInteger = [](const Target& t) { return static_cast<int32_t>(std::invoke(Get, Self<C>(t))); };
    p.setInteger = [](const Target& t, int32_t v) { std::invoke(Set, Self<C>(t), v); };
    Add(p);
  }
  // Stored as 0 or 1; any non-zero value read back is true.
  template <class C, auto Get, auto Set>
  void Boolean(const char* name) {
    Integer<C, [](C& c) -> int32_t { return std::invoke(Get, c) ? 1 : 0; },
            [](C& c, int32_t v) { std::invoke(Set, c, v != 0); }>(name);
  }
  // An enumeration with ordinals 0 to Count-1; other values are ignored.
  template <class C, int32_t Count, auto Get, auto Set>
  void Enumeration(const char* name) {
    Integer<C, Get, [](C& c, int32_t v) {
      using E = std::invoke_result_t<decltype(Get), C&>;
      if (v >= 0 && v < Count) std::invoke(Set, c, static_cast<E>(v));
    }>(name);
  }
  template <class C, auto Get, auto Set>
  void Text(const char* name) {
    Property p = Base<C>(name, PropKind::Text);
    p.getText = [](const Target& t) -> std::string { return std::invoke(Get, Self<C>(t)); };
    p.setText = [](const Target& t, const std::string& v) { std::invoke(Set, Self<C>(t), v); };
    Add(p);
  }
  // An object-valued property of components of class C whose object is the
  // facet F of the same component.
  template <class C, class F>
  void Object(const char* name) {
    Property p = Base<C>(name, PropKind::Object);
    p.object = [](const Target& t) -> std::optional<Target> { return Target{t.component, FacetOf<F>(), 0}; };
    Add(p);
  }
  // A collection-valued property whose items are the facet F of the component.
  template <class C, class F, auto Count>
  void Collection(const char* name) {
    Property p = Base<C>(name, PropKind::Collection);
    p.count = [](const Target& t) -> size_t { return std::invoke(Count, Self<C>(t)); };
    p.itemFacet = FacetOf<F>();
    Add(p);
  }
  // Properties of facet F of components of class C; the index is the item's.
  template <class F, class C, auto Get, auto Set>
  void FacetInteger(const char* name) {
    Property p = Base<C>(name, PropKind::Integer);
    p.facet = FacetOf<F>();
    p.getInteger = [](const Target& t) { return static_cast<int32_t>(std::invoke(Get, Self<C>(t), t.index)); };
    p.setInteger = [](const Target& t, int32_t v) { std::invoke(Set, Self<C>(t), t.index, v); };
    Add(p);
  }
  template <class F, class C, auto Get, auto Set>
  void FacetBoolean(const char* name) {
    FacetInteger<F, C, [](C& c, auto i) -> int32_t { return std::invoke(Get, c, i) ? 1 : 0; },
                 [](C& c, auto i, int32_t v) { std::invoke(Set, c, i, v != 0); }>(name);
  }

  size_t Size() const { return properties_.size(); }

 private:
  // Find has checked the class with applies before any accessor runs.
  template <class C>
  static C& Self(const Target& t) { return static_cast<C&>(*t.component); }
  template <class C>
  static Property Base(const char* name, PropKind kind) {
    Property p;
    p.name = name;
    p.kind = kind;
    p.applies = [](const Target& t) { return ui::As<C>(t.component) != nullptr; };
    return p;
  }
  void Add(const Property& p) { properties_.push_back(p); }
  std::vector<Property> properties_;
};

}  // namespace settings
