#pragma once
// The errors the domain raises. Each carries the exact text the user sees;
// a data-file error also says where the bad line is.

#include <stdexcept>
#include <string>

namespace vantor {

// A number that does not convert: "'%s' is not a valid integer value".
// File and Line are filled in by the file readers (Line is 1-based, 0 = not from a file).
class EConvertError : public std::runtime_error {
public:
    explicit EConvertError(const std::string& text);
    static EConvertError ForText(const std::string& fieldText);
    std::string Text;  // the whole message, every byte kept (what() stops at a NUL byte)
    std::string File;
    long long Line = 0;
};

// A data file that exists but cannot be opened or read.
class EInOutError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// 32-bit arithmetic that leaves the signed 32-bit range: "Integer overflow".
class EIntOverflow : public std::runtime_error {
public:
    EIntOverflow() : std::runtime_error("Integer overflow") {}
};

// An integer division by zero: "Division by zero".
class EDivByZero : public std::runtime_error {
public:
    EDivByZero() : std::runtime_error("Division by zero") {}
};

}  // namespace vantor
