#pragma once
// Errors come back as values: a code and a message, never a bool plus a guess.

#include <QString>
#include <optional>
#include <utility>

namespace kvq {

struct Error {
    int code = 0;
    QString message;
};

// Outcome of an operation that has no value of its own.
class Status {
public:
    Status() = default;
    static Status failure(QString message, int code = 1) { return Status(Error{code, std::move(message)}); }
    bool ok() const { return !error_.has_value(); }
    explicit operator bool() const { return ok(); }
    const QString& message() const {
        static const QString none;
        return error_ ? error_->message : none;
    }
    int code() const { return error_ ? error_->code : 0; }

private:
    explicit Status(Error e) : error_(std::move(e)) {}
    std::optional<Error> error_;
};

// A value or an error.
template <typename T> class Result {
public:
    Result(T value) : value_(std::move(value)) {}
    static Result failure(QString message, int code = 1) { return Result(Error{code, std::move(message)}); }
    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& value() const& { return *value_; }
    T& value() & { return *value_; }
    T&& value() && { return std::move(*value_); }
    const T* operator->() const { return &*value_; }
    T* operator->() { return &*value_; }
    const QString& message() const { return error_.message; }
    int code() const { return error_.code; }

private:
    explicit Result(Error e) : error_(std::move(e)) {}
    std::optional<T> value_;
    Error error_;
};

} // namespace kvq
