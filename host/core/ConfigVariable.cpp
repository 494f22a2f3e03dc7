#include "host/core/ConfigVariable.h"

#include <algorithm>
#include <cassert>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "host/core/Log.h"

namespace zarvo {

namespace {

constexpr std::string_view kEnvironmentPrefix = "ZARVO_";

[[maybe_unused]] bool IsValidName(std::string_view name) {
  if (name.empty()) return false;
  return std::all_of(name.begin(), name.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.' || c == '-';
  });
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

Error BadValueError(const std::string& name, ConfigType type, std::string_view text) {
  return IllegalArgumentError("Config variable '" + name + "' expects a " +
                              std::string(ConfigTypeName(type)) + ", not '" + std::string(text) + "'");
}

Result<Bool> ParseBool(const std::string& name, std::string_view text) {
  const std::string lower = Lower(text);
  if (lower == "true" || lower == "1" || lower == "yes" || lower == "on") return true;
  if (lower == "false" || lower == "0" || lower == "no" || lower == "off") return false;
  return BadValueError(name, ConfigType::kBool, text);
}

// from_chars takes no leading '+', which people type.
std::string_view StripPlus(std::string_view text) {
  return text.size() > 1 && text[0] == '+' && text[1] != '-' ? text.substr(1) : text;
}

Result<Int> ParseInt(const std::string& name, std::string_view text) {
  const std::string_view digits = StripPlus(text);
  Int value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
    return BadValueError(name, ConfigType::kInt, text);
  }
  return value;
}

Result<Float> ParseFloat(const std::string& name, std::string_view text) {
  const std::string_view digits = StripPlus(text);
  Float value = 0.0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
      !std::isfinite(value)) {
    return BadValueError(name, ConfigType::kFloat, text);
  }
  return value;
}

}  // namespace

std::string_view ConfigTypeName(ConfigType type) noexcept {
  switch (type) {
    case ConfigType::kBool: return "Bool";
    case ConfigType::kInt: return "Int";
    case ConfigType::kFloat: return "Float";
    case ConfigType::kString: return "String";
  }
  return "Unknown";
}

// --- ConfigVariableBase ---

ConfigVariableBase::ConfigVariableBase(std::string_view name, std::string_view description)
    : name_(name), description_(description) {
  assert(IsValidName(name_) && "a configuration variable name is letters, digits, '_', '.', '-'");
}

ConfigVariableBase::~ConfigVariableBase() {
  if (registered_) ConfigDatabase::Get().Remove(this);
}

void ConfigVariableBase::Register() {
  ConfigDatabase::Get().Add(this);
  registered_ = true;
  const std::string environmentName = ConfigDatabase::GetEnvironmentName(name_);
  if (const char* text = std::getenv(environmentName.c_str())) {
    // A constructor cannot return the error; the default stays and the user is told.
    Result<void> result = SetFromText(text);
    if (!result) LogWarning(environmentName + ": " + result.GetError().GetMessage());
  }
}

// --- ConfigVariable<T> ---

template <class T>
ConfigVariable<T>::ConfigVariable(std::string_view name, std::string_view description, T defaultValue)
    : ConfigVariableBase(name, description), value_(defaultValue), default_(std::move(defaultValue)) {
  Register();
}

template <class T>
ConfigType ConfigVariable<T>::GetType() const noexcept {
  if constexpr (std::is_same_v<T, Bool>) {
    return ConfigType::kBool;
  } else if constexpr (std::is_same_v<T, Int>) {
    return ConfigType::kInt;
  } else if constexpr (std::is_same_v<T, Float>) {
    return ConfigType::kFloat;
  } else {
    return ConfigType::kString;
  }
}

template <class T>
Result<void> ConfigVariable<T>::SetFromText(std::string_view text) {
  if constexpr (std::is_same_v<T, Bool>) {
    ZV_TRY_ASSIGN(Bool value, ParseBool(GetName(), text));
    Set(value);
  } else if constexpr (std::is_same_v<T, Int>) {
    ZV_TRY_ASSIGN(Int value, ParseInt(GetName(), text));
    Set(value);
  } else if constexpr (std::is_same_v<T, Float>) {
    ZV_TRY_ASSIGN(Float value, ParseFloat(GetName(), text));
    Set(value);
  } else {
    Set(String(text));
  }
  return Ok();
}

template <class T>
std::string ConfigVariable<T>::GetValueText() const {
  if constexpr (std::is_same_v<T, Bool>) {
    return value_ ? "true" : "false";
  } else if constexpr (std::is_same_v<T, Int>) {
    return std::to_string(value_);
  } else if constexpr (std::is_same_v<T, Float>) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof(buffer), value_);
    return std::string(buffer, result.ptr);
  } else {
    return value_;
  }
}

template class ConfigVariable<Bool>;
template class ConfigVariable<Int>;
template class ConfigVariable<Float>;
template class ConfigVariable<String>;

// --- ConfigDatabase ---

ConfigDatabase& ConfigDatabase::Get() {
  // Never destroyed: static variables of other files unregister during exit.
  static ConfigDatabase* database = new ConfigDatabase;
  return *database;
}

void ConfigDatabase::Add(ConfigVariableBase* variable) {
  // Two files may each define the same switch (the table and the tree graph both read
  // "g_mvp_show_cells"); settings by name reach every definition, and a late one takes the
  // value already set on the first.
  if (ConfigVariableBase* existing = Find(variable->GetName())) {
    if (existing->GetType() != variable->GetType()) {
      LogError("Config variable '" + variable->GetName() + "' is defined as " +
               std::string(ConfigTypeName(existing->GetType())) + " and as " +
               std::string(ConfigTypeName(variable->GetType())));
      assert(false && "configuration variable defined with two types");
    } else if (!existing->IsDefault()) {
      Result<void> copied = variable->SetFromText(existing->GetValueText());
      (void)copied;  // the text came from a variable of the same type
    }
  }
  variables_.push_back(variable);
}

void ConfigDatabase::Remove(ConfigVariableBase* variable) noexcept {
  auto it = std::find(variables_.begin(), variables_.end(), variable);
  if (it != variables_.end()) variables_.erase(it);
}

ConfigVariableBase* ConfigDatabase::Find(std::string_view name) const noexcept {
  for (ConfigVariableBase* variable : variables_) {
    if (variable->GetName() == name) return variable;
  }
  return nullptr;
}

Result<void> ConfigDatabase::SetNamed(std::string_view name, std::string_view text, bool* found) {
  *found = false;
  for (ConfigVariableBase* variable : variables_) {
    if (variable->GetName() != name) continue;
    *found = true;
    ZV_TRY(variable->SetFromText(text));
  }
  return Ok();
}

Result<void> ConfigDatabase::SetValue(std::string_view name, std::string_view text) {
  bool found = false;
  ZV_TRY(SetNamed(name, text, &found));
  if (!found) return NotFoundError("Config variable not found: '" + std::string(name) + "'");
  return Ok();
}

Result<void> ConfigDatabase::ParseCommandLine(int& argc, char** argv) {
  if (argc <= 0 || !argv) return Ok();
  Error first;
  int kept = 1;
  bool optionsEnded = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i] ? argv[i] : "";
    bool consumed = false;
    if (argument == "--") optionsEnded = true;
    if (!optionsEnded && argument.size() > 1 && argument[0] == '-') {
      std::string_view option = argument.substr(argument[1] == '-' ? 2 : 1);
      const size_t equals = option.find('=');
      const std::string_view name = option.substr(0, equals);
      if (ConfigVariableBase* variable = Find(name)) {
        Result<void> result;
        bool found = false;
        if (equals != std::string_view::npos) {
          result = SetNamed(name, option.substr(equals + 1), &found);
        } else if (variable->GetType() == ConfigType::kBool) {
          result = SetNamed(name, "true", &found);
        } else {
          result = IllegalArgumentError("Config variable '" + variable->GetName() +
                                        "' needs a value: --" + variable->GetName() + "=value");
        }
        consumed = result.IsOk();
        if (!result && !first.IsSet()) first = result.GetError();
      }
    }
    if (!consumed) argv[kept++] = argv[i];
  }
  argc = kept;
  argv[argc] = nullptr;
  if (first.IsSet()) return first;
  return Ok();
}

Result<void> ConfigDatabase::ApplyEnvironment() {
  Error first;
  for (ConfigVariableBase* variable : variables_) {
    const std::string environmentName = GetEnvironmentName(variable->GetName());
    const char* text = std::getenv(environmentName.c_str());
    if (!text) continue;
    Result<void> result = variable->SetFromText(text);
    if (!result && !first.IsSet()) first = result.GetError();
  }
  if (first.IsSet()) return first;
  return Ok();
}

void ConfigDatabase::ResetAllToDefaults() {
  for (ConfigVariableBase* variable : variables_) variable->ResetToDefault();
}

std::string ConfigDatabase::GetEnvironmentName(std::string_view variableName) {
  std::string name(kEnvironmentPrefix);
  for (char c : variableName) {
    const auto byte = static_cast<unsigned char>(c);
    name += std::isalnum(byte) ? static_cast<char>(std::toupper(byte)) : '_';
  }
  return name;
}

Result<void> ParseCommandLine(int& argc, char** argv) {
  return ConfigDatabase::Get().ParseCommandLine(argc, argv);
}

}  // namespace zarvo
