#pragma once
#include <memory>
#include <unordered_map>
#include <vector>

#include "host/core/DataDictionary.h"
#include "host/core/Id.h"

namespace zarvo {

// A style sheet: a dictionary of style values, indexed for lookup. Immutable once made, so a
// widget may hold one while the service switches to another.
class StyleSheet {
 public:
  StyleSheet() = default;
  explicit StyleSheet(DataDictionary values);
  const DataValue* Find(const Id& key) const;
  const DataDictionary& GetValues() const noexcept { return values_; }

 private:
  DataDictionary values_;
  std::unordered_map<Id, size_t, IdHasher> index_;
};

// A style key, declared once with its value type and default.
template <class T>
struct StyleKey {
  Id id;
  T defaultValue;
};

// The widget style sheet service ("net.zarvo.mvp.interface.widgetstylesheet"). Widgets read a
// value at the moment they apply it, so a new style sheet takes effect at the next application.
class StyleSheetService {
 public:
  static StyleSheetService& Get();

  // Declares a key once; a second declaration of the same id with another type is a mistake.
  template <class T>
  static StyleKey<T> Declare(const char* id, T defaultValue) {
    Get().declared_.push_back(Declaration{Id(id), DataValue{defaultValue}});
    return StyleKey<T>{Id(id), std::move(defaultValue)};
  }

  // The current style sheet; nullptr when none is set (reads then yield the defaults).
  std::shared_ptr<const StyleSheet> GetWidgetStylesheet() const { return current_; }
  void SetWidgetStylesheet(std::shared_ptr<const StyleSheet> sheet) { current_ = std::move(sheet); }
  void SetWidgetStylesheet(DataDictionary values) { current_ = std::make_shared<const StyleSheet>(std::move(values)); }

  // The value of `key` in `sheet` (or the current one), its default when the sheet lacks it or
  // holds another type.
  template <class T>
  T Read(const StyleKey<T>& key, const StyleSheet* sheet = nullptr) const {
    if (!sheet) sheet = current_.get();
    if (sheet) {
      if (const DataValue* value = sheet->Find(key.id)) {
        if (const T* typed = std::get_if<T>(&value->storage)) return *typed;
      }
    }
    return key.defaultValue;
  }

  // Every declared key with its default, in declaration order.
  struct Declaration {
    Id id;
    DataValue defaultValue;
  };
  const std::vector<Declaration>& GetDeclarations() const noexcept { return declared_; }

 private:
  std::shared_ptr<const StyleSheet> current_;
  std::vector<Declaration> declared_;
};

}  // namespace zarvo
