#pragma once

#include <QString>

#include <optional>
#include <utility>

// The value of an operation that only succeeds or fails.
struct Done
{
};

// What the program's own operations give back: the value, or the kind of error with the
// message the user or the terminal is shown. (The fuzz build's compiler has no std::expected.)
template<typename T, typename E>
class Result
{
public:
    Result(T value)
        : value(std::move(value))
    { }

    static Result Failure(E error, QString message = {})
    {
        Result failed;
        failed.error = error;
        failed.message = std::move(message);
        return failed;
    }

    bool Ok() const { return value.has_value(); }
    // The value of a success; only to be asked for after Ok().
    const T& Value() const& { return *value; }
    T& Value() & { return *value; }
    T&& Value() && { return std::move(*value); }
    // The kind of error of a failure; none for a success.
    std::optional<E> Error() const { return error; }
    const QString& Message() const { return message; }

private:
    Result() = default;

    std::optional<T> value;
    std::optional<E> error;
    QString message;
};
