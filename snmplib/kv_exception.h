#pragma once
// The one exception type of the library: a message text and a negative library code.
// Blocking operations raise it; windows catch it and show what() as a status line.

#include <stdexcept>
#include <string>

class KvException : public std::runtime_error {
public:
  KvException(const std::string &message, int code) : std::runtime_error(message), code_(code) {}
  int Code() const { return code_; }

private:
  int code_;
};
