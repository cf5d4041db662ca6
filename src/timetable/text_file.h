// Whole text files: lines ended by CR LF (a lone CR or LF also ends a line when reading),
// Windows-1252 on disk unless the text needs UTF-8, UTF-8 in memory; atomic replace on write.
#pragma once

#include <string>
#include <vector>

namespace skemora {

// The lines of the file; throws SkemoraError when it exists but cannot be read.
std::vector<std::string> ReadLines(const std::string& path);
// Replaces the file atomically; throws CannotCreateFile(path) on any failure.
void WriteLines(const std::string& path, const std::vector<std::string>& lines);
// Strict decimal conversion; throws InvalidInteger(text).
int StrToInt(const std::string& text);

}  // namespace skemora
