#pragma once
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "host/core/Result.h"
#include "host/core/Types.h"

namespace zarvo {

enum class ConfigType { kBool, kInt, kFloat, kString };

std::string_view ConfigTypeName(ConfigType type) noexcept;

// A named configuration switch of the host's configuration database, defined as a static
// object by the code that reads it:
//
//   static ConfigBool showCells("g_mvp_show_cells", "Show the cell boundaries.", false);
//   ... if (showCells.Get()) ...
//
// Values come from the default, then the environment, then the command line (later wins):
// - environment: "ZARVO_" followed by the upper-cased name, other characters than letters
//   and digits written as '_' ("g_mvp_menu" is ZARVO_G_MVP_MENU); read when the variable is
//   registered and again by ConfigDatabase::ApplyEnvironment;
// - command line: "--name=value" or "-name=value"; a Bool also takes "--name" for true.
// Bool text is true/false, 1/0, yes/no or on/off in any case. A value is read at use; nothing
// is told when it changes.
class ConfigVariableBase {
 public:
  ConfigVariableBase(const ConfigVariableBase&) = delete;
  ConfigVariableBase& operator=(const ConfigVariableBase&) = delete;
  virtual ~ConfigVariableBase();

  const std::string& GetName() const noexcept { return name_; }
  const std::string& GetDescription() const noexcept { return description_; }
  virtual ConfigType GetType() const noexcept = 0;
  // Parses `text` as the variable's type and stores it; on error the value stays.
  [[nodiscard]] virtual Result<void> SetFromText(std::string_view text) = 0;
  virtual std::string GetValueText() const = 0;
  virtual bool IsDefault() const noexcept = 0;
  virtual void ResetToDefault() = 0;

 protected:
  ConfigVariableBase(std::string_view name, std::string_view description);
  // Enters the database and applies the environment; the last step of a derived
  // constructor, once the value exists.
  void Register();

 private:
  std::string name_;
  std::string description_;
  bool registered_ = false;
};

template <class T>
class ConfigVariable final : public ConfigVariableBase {
  static_assert(std::is_same_v<T, Bool> || std::is_same_v<T, Int> || std::is_same_v<T, Float> ||
                    std::is_same_v<T, String>,
                "configuration variables hold Bool, Int, Float or String");

 public:
  ConfigVariable(std::string_view name, std::string_view description, T defaultValue);

  const T& Get() const noexcept { return value_; }
  const T& GetDefault() const noexcept { return default_; }
  void Set(T value) {
    if (value == value_) return;
    value_ = std::move(value);
  }

  ConfigType GetType() const noexcept override;
  [[nodiscard]] Result<void> SetFromText(std::string_view text) override;
  std::string GetValueText() const override;
  bool IsDefault() const noexcept override { return value_ == default_; }
  void ResetToDefault() override { Set(default_); }

 private:
  T value_;
  T default_;
};

using ConfigBool = ConfigVariable<Bool>;
using ConfigInt = ConfigVariable<Int>;
using ConfigFloat = ConfigVariable<Float>;
using ConfigString = ConfigVariable<String>;

extern template class ConfigVariable<Bool>;
extern template class ConfigVariable<Int>;
extern template class ConfigVariable<Float>;
extern template class ConfigVariable<String>;

// The process-wide list of configuration variables, in registration order. Main thread only.
class ConfigDatabase {
 public:
  static ConfigDatabase& Get();

  // The first variable of that name. A name may be defined by more than one file with the
  // same type; every setting by name reaches all of them.
  ConfigVariableBase* Find(std::string_view name) const noexcept;
  const std::vector<ConfigVariableBase*>& GetVariables() const noexcept { return variables_; }
  // Sets a variable by name from text; an unknown name is a NotFound error.
  [[nodiscard]] Result<void> SetValue(std::string_view name, std::string_view text);
  // Applies the "--name=value" / "-name=value" arguments of registered variables and removes
  // them from argv (argv[0] and everything after a "--" are kept). Unknown arguments stay, in
  // order, for the program's own parsing. Every valid setting is applied; the first error is
  // returned and its argument stays.
  [[nodiscard]] Result<void> ParseCommandLine(int& argc, char** argv);
  // Reads the environment variable of every registered variable; returns the first error.
  [[nodiscard]] Result<void> ApplyEnvironment();
  void ResetAllToDefaults();

  // "ZARVO_G_MVP_MENU" for "g_mvp_menu".
  static std::string GetEnvironmentName(std::string_view variableName);

 private:
  friend class ConfigVariableBase;
  ConfigDatabase() = default;
  void Add(ConfigVariableBase* variable);
  void Remove(ConfigVariableBase* variable) noexcept;
  // Sets every variable of that name (a switch may be defined in more than one file).
  [[nodiscard]] Result<void> SetNamed(std::string_view name, std::string_view text, bool* found);

  std::vector<ConfigVariableBase*> variables_;
};

// Shorthand for ConfigDatabase::Get().ParseCommandLine.
[[nodiscard]] Result<void> ParseCommandLine(int& argc, char** argv);

}  // namespace zarvo
