#pragma once
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "host/core/Id.h"
#include "host/core/Ref.h"
#include "host/core/Result.h"
#include "host/core/Types.h"

namespace zarvo {

class DataDictionary;
struct DataValue;
using DataArray = std::vector<DataValue>;
using ObjectRef = Ref<ObjectInterface>;

enum class DataType {
  kBool, kInt, kInt32, kFloat, kString, kUrl, kColorA, kVector2d, kVector, kVector4d,
  kCanvasUnitValue, kArray, kDictionary, kObject,
};

std::string_view DataTypeName(DataType type) noexcept;

// One value of a dictionary. Arrays and nested dictionaries are shared on copy.
struct DataValue {
  using Storage = std::variant<Bool, Int, Int32, Float, String, Url, ColorA, Vector2d, Vector,
                               Vector4d, CanvasUnitValue, std::shared_ptr<const DataArray>,
                               std::shared_ptr<const DataDictionary>, ObjectRef>;
  Storage storage;

  DataType GetType() const noexcept { return static_cast<DataType>(storage.index()); }
};

template <class T> struct DataTypeOf;
template <> struct DataTypeOf<Bool> { static constexpr DataType kType = DataType::kBool; };
template <> struct DataTypeOf<Int> { static constexpr DataType kType = DataType::kInt; };
template <> struct DataTypeOf<Int32> { static constexpr DataType kType = DataType::kInt32; };
template <> struct DataTypeOf<Float> { static constexpr DataType kType = DataType::kFloat; };
template <> struct DataTypeOf<String> { static constexpr DataType kType = DataType::kString; };
template <> struct DataTypeOf<Url> { static constexpr DataType kType = DataType::kUrl; };
template <> struct DataTypeOf<ColorA> { static constexpr DataType kType = DataType::kColorA; };
template <> struct DataTypeOf<Vector2d> { static constexpr DataType kType = DataType::kVector2d; };
template <> struct DataTypeOf<Vector> { static constexpr DataType kType = DataType::kVector; };
template <> struct DataTypeOf<Vector4d> { static constexpr DataType kType = DataType::kVector4d; };
template <> struct DataTypeOf<CanvasUnitValue> { static constexpr DataType kType = DataType::kCanvasUnitValue; };
template <> struct DataTypeOf<DataArray> { static constexpr DataType kType = DataType::kArray; };
template <> struct DataTypeOf<DataDictionary> { static constexpr DataType kType = DataType::kDictionary; };
template <> struct DataTypeOf<ObjectRef> { static constexpr DataType kType = DataType::kObject; };

// Key/value record keyed by identifiers: events, dialog settings and results, style sheets.
// Records are small, so the entries sit in one vector searched by hash.
class DataDictionary {
 public:
  DataDictionary() = default;

  template <class T>
  void Set(const Id& key, T value) {
    SetValue(key, Wrap(std::move(value)));
  }
  void SetValue(const Id& key, DataValue value);
  bool Erase(const Id& key);
  void Clear() noexcept { entries_.clear(); }

  bool Contains(const Id& key) const noexcept { return Find(key) != nullptr; }
  const DataValue* Find(const Id& key) const noexcept;
  size_t GetCount() const noexcept { return entries_.size(); }
  bool IsEmpty() const noexcept { return entries_.empty(); }
  const std::vector<std::pair<Id, DataValue>>& GetEntries() const noexcept { return entries_; }

  // The value under `key`; the caller's default when the key is absent; an error naming the
  // key when it holds another type. An Int32 reads as Int, an Int or Int32 as Float.
  template <class T>
  Result<T> Get(const Id& key, T defaultValue) const {
    const DataValue* value = Find(key);
    if (!value) return defaultValue;
    return Read<T>(key, *value);
  }
  // Like Get, but an absent key is an error too.
  template <class T>
  Result<T> GetRequired(const Id& key) const {
    const DataValue* value = Find(key);
    if (!value) return MissingKeyError(key);
    return Read<T>(key, *value);
  }

  friend bool operator==(const DataDictionary& a, const DataDictionary& b);

  // The shared empty dictionary, read when an event or style sheet is absent.
  static const DataDictionary& GetEmpty();

 private:
  template <class T>
  static DataValue Wrap(T value) {
    if constexpr (std::is_same_v<T, DataArray>) {
      return DataValue{std::make_shared<const DataArray>(std::move(value))};
    } else if constexpr (std::is_same_v<T, DataDictionary>) {
      return DataValue{std::make_shared<const DataDictionary>(std::move(value))};
    } else if constexpr (std::is_same_v<T, const char*>) {
      return DataValue{String(value)};
    } else if constexpr (std::is_base_of_v<ObjectInterface, std::remove_pointer_t<T>> ||
                         std::is_convertible_v<T, ObjectRef>) {
      return DataValue{ObjectRef(value)};
    } else {
      return DataValue{std::move(value)};
    }
  }

  template <class T>
  static Result<T> Read(const Id& key, const DataValue& value) {
    if constexpr (std::is_same_v<T, DataArray>) {
      if (auto* p = std::get_if<std::shared_ptr<const DataArray>>(&value.storage)) return **p;
    } else if constexpr (std::is_same_v<T, DataDictionary>) {
      if (auto* p = std::get_if<std::shared_ptr<const DataDictionary>>(&value.storage)) return **p;
    } else {
      if (auto* p = std::get_if<T>(&value.storage)) return *p;
      if constexpr (std::is_same_v<T, Int>) {
        if (auto* p = std::get_if<Int32>(&value.storage)) return static_cast<Int>(*p);
      }
      if constexpr (std::is_same_v<T, Float>) {
        if (auto* p = std::get_if<Int>(&value.storage)) return static_cast<Float>(*p);
        if (auto* p = std::get_if<Int32>(&value.storage)) return static_cast<Float>(*p);
      }
    }
    return WrongTypeError(key, DataTypeOf<T>::kType, value.GetType());
  }

  static Error WrongTypeError(const Id& key, DataType wanted, DataType found);
  static Error MissingKeyError(const Id& key);

  std::vector<std::pair<Id, DataValue>> entries_;
};

}  // namespace zarvo
