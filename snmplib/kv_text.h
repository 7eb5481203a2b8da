#pragma once
// Small text routines shared by the whole library. Texts are byte strings.

#include <cstdint>
#include <string>

// The text between a leading and a trailing double quote; otherwise the text as is.
std::string Unquote(const std::string &text);

// Every occurrence of `pattern`, left to right, replaced; inserted text is not rescanned.
std::string ReplaceAll(const std::string &text, const std::string &pattern,
                       const std::string &replacement);

// The rest of `text` after `prefix` when text is longer and starts with it; else "".
std::string StripPrefix(const std::string &text, const std::string &prefix);

// Last 1-based position p >= start such that text[start..p] are all in `characters`;
// 0 when the character at start is not one of them (or start lies outside the text).
int SpanOf(const std::string &text, int start, const std::string &characters);

// `name` inside `directory`, with the native separator; either separator is accepted
// as the directory's trailing one.
std::string JoinPath(const std::string &directory, const std::string &name);

// The text without blanks and control characters at both ends.
std::string Trim(const std::string &text);

// Byte-wise comparison ignoring ASCII letter case.
bool EqualsIgnoreCase(const std::string &a, const std::string &b);
bool StartsWithIgnoreCase(const std::string &text, const std::string &prefix);

// The standard number conversions: the whole text (blanks around allowed) as a
// decimal number, or KvException "'<text>' is not a valid integer value" (resp.
// "... floating point value"). Such a conversion error carries no library code: 0.
int StrToInt(const std::string &text);
uint32_t StrToUInt(const std::string &text);
double StrToFloat(const std::string &text);
