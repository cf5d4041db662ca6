// Text decoding: any bytes decode to lines without line ends, those lines encode and decode back
// to themselves, a real file reads as its bytes decode, and the strict integer conversion agrees
// with the standard one.
#include <charconv>
#include <climits>

#include "core/files/skemora_error.h"
#include "core/files/text_file.h"
#include "fuzz_support.h"

using namespace skemora;
using namespace skemora::fuzz;

namespace {

// The value of a strict decimal text: an optional sign, then digits only, inside int.
bool ReferenceInteger(const std::string& text, int& value) {
    std::size_t first = 0;
    if (!text.empty() && text[0] == '+') first = 1;
    if (first == 1 && (text.size() == 1 || text[1] == '-')) return false;
    const char* begin = text.data() + first;
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(begin, end, value);
    return error == std::errc() && rest == end && begin != end;
}

void CheckInteger(const std::string& line) {
    int expected = 0;
    const bool valid = ReferenceInteger(line, expected);
    try {
        const int value = StrToInt(line);
        Check(valid, "StrToInt accepts only what a strict conversion accepts");
        Check(value == expected, "StrToInt gives the decimal value");
    } catch (const SkemoraError&) {
        Check(!valid, "StrToInt refuses only what a strict conversion refuses");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzFolder folder;
    const std::string bytes = Bytes(data, size);

    const auto lines = DecodeLines(bytes);
    for (const auto& line : lines) {
        Check(line.find_first_of("\r\n") == std::string::npos, "a line holds no line end");
    }

    const std::string encoded = EncodeLines(lines);
    Check(DecodeLines(encoded) == lines, "decoded lines encode and decode back to themselves");
    Check(EncodeLines(DecodeLines(encoded)) == encoded, "encoding written lines is stable");

    const std::string path = folder / "lines.txt";
    WriteBytes(path, bytes);
    Check(ReadLines(path) == lines, "a file reads as its bytes decode");

    if (lines.size() <= 64) {
        for (const auto& line : lines) CheckInteger(line);
    }
    return 0;
}
