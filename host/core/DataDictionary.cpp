#include "host/core/DataDictionary.h"

namespace zarvo {

std::string_view DataTypeName(DataType type) noexcept {
  switch (type) {
    case DataType::kBool: return "Bool";
    case DataType::kInt: return "Int";
    case DataType::kInt32: return "Int32";
    case DataType::kFloat: return "Float";
    case DataType::kString: return "String";
    case DataType::kUrl: return "Url";
    case DataType::kColorA: return "ColorA";
    case DataType::kVector2d: return "Vector2d";
    case DataType::kVector: return "Vector";
    case DataType::kVector4d: return "Vector4d";
    case DataType::kCanvasUnitValue: return "CanvasUnitValue";
    case DataType::kArray: return "Array";
    case DataType::kDictionary: return "DataDictionary";
    case DataType::kObject: return "Object";
  }
  return "Unknown";
}

void DataDictionary::SetValue(const Id& key, DataValue value) {
  for (auto& entry : entries_) {
    if (entry.first == key) {
      entry.second = std::move(value);
      return;
    }
  }
  entries_.emplace_back(key, std::move(value));
}

bool DataDictionary::Erase(const Id& key) {
  for (auto it = entries_.begin(); it != entries_.end(); ++it) {
    if (it->first == key) {
      entries_.erase(it);
      return true;
    }
  }
  return false;
}

const DataValue* DataDictionary::Find(const Id& key) const noexcept {
  for (const auto& entry : entries_) {
    if (entry.first == key) return &entry.second;
  }
  return nullptr;
}

namespace {
bool ValuesEqual(const DataValue& a, const DataValue& b) {
  if (a.storage.index() != b.storage.index()) return false;
  return std::visit(
      [&](const auto& left) -> bool {
        using T = std::decay_t<decltype(left)>;
        const T& right = std::get<T>(b.storage);
        if constexpr (std::is_same_v<T, std::shared_ptr<const DataArray>>) {
          if (left == right) return true;
          if (!left || !right || left->size() != right->size()) return false;
          for (size_t i = 0; i < left->size(); ++i) {
            if (!ValuesEqual((*left)[i], (*right)[i])) return false;
          }
          return true;
        } else if constexpr (std::is_same_v<T, std::shared_ptr<const DataDictionary>>) {
          if (left == right) return true;
          return left && right && *left == *right;
        } else {
          return left == right;
        }
      },
      a.storage);
}
}  // namespace

bool operator==(const DataDictionary& a, const DataDictionary& b) {
  if (a.entries_.size() != b.entries_.size()) return false;
  for (const auto& [key, value] : a.entries_) {
    const DataValue* other = b.Find(key);
    if (!other || !ValuesEqual(value, *other)) return false;
  }
  return true;
}

const DataDictionary& DataDictionary::GetEmpty() {
  static const DataDictionary empty;
  return empty;
}

Error DataDictionary::WrongTypeError(const Id& key, DataType wanted, DataType found) {
  return IllegalArgumentError("Value of key '" + key.GetString() + "' is " +
                              std::string(DataTypeName(found)) + ", not " +
                              std::string(DataTypeName(wanted)));
}

Error DataDictionary::MissingKeyError(const Id& key) {
  return NotFoundError("Key '" + key.GetString() + "' is missing");
}

}  // namespace zarvo
