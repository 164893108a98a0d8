#pragma once
// Errors come back as values: a code that says what kind of failure it was and a message for the person,
// never a bool plus a guess, an optional text or a sentinel string. Result<T> carries a value or an
// error; Status, which is Result<void>, says only whether it worked.

#include <QString>
#include <optional>
#include <utility>

namespace kvq {

enum class ErrorCode : int {
    None = 0,
    Failed,     // nothing more specific fits
    FileAccess, // a file or folder could not be opened, read or written
    BadInput,   // content or an argument that was refused: size, format, range
    Usage,      // a command line that does not fit the program
    // A serial port that could not be opened.
    PortNotMapped,
    PortNotFound,
    PortNoPermission,
    PortBusy,
    PortSettings,
};

struct Error {
    ErrorCode code = ErrorCode::Failed;
    QString message;
};

// A value or an error.
template <typename T> class Result {
public:
    Result(T value) : value_(std::move(value)) {}
    Result(Error error) : error_(std::move(error)) {}
    static Result failure(QString message, ErrorCode code = ErrorCode::Failed) {
        return Result(Error{code, std::move(message)});
    }
    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& value() const& { return *value_; }
    T& value() & { return *value_; }
    T&& value() && { return std::move(*value_); }
    const T& operator*() const& { return *value_; }
    T& operator*() & { return *value_; }
    const T* operator->() const { return &*value_; }
    T* operator->() { return &*value_; }
    const Error& error() const { return error_; }
    const QString& message() const { return error_.message; }
    ErrorCode code() const { return ok() ? ErrorCode::None : error_.code; }

private:
    std::optional<T> value_;
    Error error_;
};

// The outcome of an operation that has no value of its own.
template <> class Result<void> {
public:
    Result() = default;
    Result(Error error) : error_(std::move(error)) {}
    static Result failure(QString message, ErrorCode code = ErrorCode::Failed) {
        return Result(Error{code, std::move(message)});
    }
    bool ok() const { return !error_.has_value(); }
    explicit operator bool() const { return ok(); }
    const Error& error() const {
        static const Error none{ErrorCode::None, {}};
        return error_ ? *error_ : none;
    }
    const QString& message() const { return error().message; }
    ErrorCode code() const { return error().code; }

private:
    std::optional<Error> error_;
};

using Status = Result<void>;

} // namespace kvq
