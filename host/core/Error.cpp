#include "host/core/Error.h"

#include <cstdio>

namespace zarvo {

namespace {
const std::string kEmptyMessage;
const std::source_location kNoLocation{};
}  // namespace

std::string_view ErrorKindName(ErrorKind kind) noexcept {
  switch (kind) {
    case ErrorKind::kIllegalArgument: return "IllegalArgumentError";
    case ErrorKind::kIllegalState: return "IllegalStateError";
    case ErrorKind::kNullReference: return "NullReferenceError";
    case ErrorKind::kOutOfMemory: return "OutOfMemoryError";
    case ErrorKind::kOutOfRange: return "OutOfRangeError";
    case ErrorKind::kUnexpected: return "UnexpectedError";
    case ErrorKind::kNotFound: return "NotFoundError";
  }
  return "UnknownError";
}

Error::Error(ErrorKind kind, std::string message, std::source_location where)
    : data_(std::make_shared<const Data>(Data{kind, std::move(message), where})) {}

ErrorKind Error::GetKind() const noexcept {
  return data_ ? data_->kind : ErrorKind::kUnexpected;
}

const std::string& Error::GetMessage() const noexcept {
  return data_ ? data_->message : kEmptyMessage;
}

const std::source_location& Error::GetLocation() const noexcept {
  return data_ ? data_->where : kNoLocation;
}

std::string Error::ToString() const {
  if (!data_) return "no error";
  std::string text(ErrorKindName(data_->kind));
  text += ": ";
  text += data_->message;
  text += " (";
  text += data_->where.file_name();
  text += ":";
  text += std::to_string(data_->where.line());
  text += ")";
  return text;
}

Error IllegalArgumentError(std::string message, std::source_location where) {
  return Error(ErrorKind::kIllegalArgument, std::move(message), where);
}
Error IllegalStateError(std::string message, std::source_location where) {
  return Error(ErrorKind::kIllegalState, std::move(message), where);
}
Error NullReferenceError(std::string message, std::source_location where) {
  return Error(ErrorKind::kNullReference, std::move(message), where);
}
Error OutOfMemoryError(std::source_location where) {
  return Error(ErrorKind::kOutOfMemory, "Out of memory", where);
}
Error OutOfRangeError(std::string message, std::source_location where) {
  return Error(ErrorKind::kOutOfRange, std::move(message), where);
}
Error UnexpectedError(std::string message, std::source_location where) {
  return Error(ErrorKind::kUnexpected, std::move(message), where);
}
Error NotFoundError(std::string message, std::source_location where) {
  return Error(ErrorKind::kNotFound, std::move(message), where);
}

}  // namespace zarvo
