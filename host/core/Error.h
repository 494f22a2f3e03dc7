#pragma once
#include <memory>
#include <source_location>
#include <string>
#include <string_view>

namespace zarvo {

enum class ErrorKind {
  kIllegalArgument,
  kIllegalState,
  kNullReference,
  kOutOfMemory,
  kOutOfRange,
  kUnexpected,
  kNotFound,
};

// Readable name of an error kind, as used in logs and test output ("IllegalArgumentError").
std::string_view ErrorKindName(ErrorKind kind) noexcept;

// An error: kind, the system's message and where it was raised. An empty Error means "no
// error"; the data is shared so that passing an error up the stack copies one pointer.
class Error {
 public:
  Error() = default;
  Error(ErrorKind kind, std::string message, std::source_location where);

  bool IsSet() const noexcept { return data_ != nullptr; }
  ErrorKind GetKind() const noexcept;
  const std::string& GetMessage() const noexcept;
  const std::source_location& GetLocation() const noexcept;
  // "IllegalArgumentError: <message> (file:line)"
  std::string ToString() const;

 private:
  struct Data {
    ErrorKind kind;
    std::string message;
    std::source_location where;
  };
  std::shared_ptr<const Data> data_;
};

Error IllegalArgumentError(std::string message,
                           std::source_location where = std::source_location::current());
Error IllegalStateError(std::string message,
                        std::source_location where = std::source_location::current());
Error NullReferenceError(std::string message = "Null reference",
                         std::source_location where = std::source_location::current());
Error OutOfMemoryError(std::source_location where = std::source_location::current());
Error OutOfRangeError(std::string message,
                      std::source_location where = std::source_location::current());
Error UnexpectedError(std::string message,
                      std::source_location where = std::source_location::current());
Error NotFoundError(std::string message,
                    std::source_location where = std::source_location::current());

}  // namespace zarvo
