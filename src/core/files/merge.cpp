#include "core/files/merge.h"

#include <algorithm>
#include <regex>

namespace skemora {

namespace {

// A line past the end of a file reads as an empty line: lines are positions, and a writer that
// leaves the trailing ones empty may or may not write them.
const std::string& At(const std::vector<std::string>& lines, std::size_t i) {
    static const std::string empty;
    return i < lines.size() ? lines[i] : empty;
}

bool Continues(const std::string& text, std::size_t i) {
    return i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
}

// The part of `base` that `changed` replaced, as [Begin, End) in base, on character bounds.
struct Region {
    std::size_t Begin;
    std::size_t End;
};

Region ChangedRegion(const std::string& base, const std::string& changed) {
    const std::size_t most = std::min(base.size(), changed.size());
    std::size_t prefix = 0;
    while (prefix < most && base[prefix] == changed[prefix]) ++prefix;
    std::size_t suffix = 0;
    while (suffix < most - prefix &&
           base[base.size() - 1 - suffix] == changed[changed.size() - 1 - suffix]) {
        ++suffix;
    }
    Region region{prefix, base.size() - suffix};
    while (region.Begin > 0 && Continues(base, region.Begin)) --region.Begin;
    while (Continues(base, region.End)) ++region.End;
    return region;
}

// What `changed` holds in place of base's [begin, end), when it matches base outside it.
std::string Middle(const std::string& base, const std::string& changed, std::size_t begin,
                   std::size_t end) {
    return changed.substr(begin, changed.size() - (base.size() - end) - begin);
}

}  // namespace

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += '\n';
        text += lines[i];
    }
    return text;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(std::move(line));
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    return lines;
}

LineMerge MergeLines(const std::vector<std::string>& base, const std::vector<std::string>& ours,
                     const std::vector<std::string>& theirs) {
    if (ours == base || ours == theirs) return {theirs, false};
    if (theirs == base) return {ours, false};
    LineMerge merge;
    const std::size_t size = std::max(ours.size(), theirs.size());
    for (std::size_t i = 0; i < size; ++i) {
        const std::string &b = At(base, i), &o = At(ours, i), &t = At(theirs, i);
        if (o == b) {
            merge.Lines.push_back(t);
        } else if (t == b || t == o) {
            merge.Lines.push_back(o);
        } else {
            merge.Lines.push_back(t);
            merge.Conflict = true;
        }
    }
    return merge;
}

std::string MergeTexts(const std::string& base, const std::string& ours, const std::string& theirs) {
    if (ours == base || ours == theirs) return theirs;
    if (theirs == base) return ours;
    const Region o = ChangedRegion(base, ours);
    const Region t = ChangedRegion(base, theirs);
    if (o.End < t.Begin || t.End < o.Begin) {
        // Apart: both changes go in, the later one first so the earlier keeps its place.
        const bool oursFirst = o.Begin < t.Begin;
        const Region& early = oursFirst ? o : t;
        const Region& late = oursFirst ? t : o;
        const std::string& earlyText = oursFirst ? ours : theirs;
        const std::string& lateText = oursFirst ? theirs : ours;
        std::string merged = base;
        merged.replace(late.Begin, late.End - late.Begin,
                       Middle(base, lateText, late.Begin, late.End));
        merged.replace(early.Begin, early.End - early.Begin,
                       Middle(base, earlyText, early.Begin, early.End));
        return merged;
    }
    const std::size_t begin = std::min(o.Begin, t.Begin);
    const std::size_t end = std::max(o.End, t.End);
    const std::string theirsPart = Middle(base, theirs, begin, end);
    const std::string oursPart = Middle(base, ours, begin, end);
    std::string both = theirsPart.empty() ? oursPart
                       : oursPart.empty() ? theirsPart
                                          : theirsPart + "\n" + oursPart;
    return base.substr(0, begin) + both + base.substr(end);
}

std::string ConflictCopyPath(const std::string& path, const std::string& stamp) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || dot <= nameStart) dot = path.size();
    return path.substr(0, dot) + ".skemora-conflict-" + stamp + path.substr(dot);
}

std::string ConflictCopyOriginal(const std::string& fileName) {
    static const std::regex patterns[] = {
        std::regex(R"(^(.+)\.sync-conflict-[0-9]{8}-[0-9]{6}-[A-Za-z0-9]+(\.[^.]*)?$)"),
        std::regex(R"(^(.+) \(conflicted copy[^)]*\)(\.[^.]*)?$)"),
        std::regex(R"(^(.+)\.skemora-conflict-[0-9]{8}-[0-9]{6}(\.[^.]*)?$)"),
    };
    std::smatch match;
    for (const auto& pattern : patterns) {
        if (std::regex_match(fileName, match, pattern)) return match.str(1) + match.str(2);
    }
    return {};
}

bool IsSyncToolConflictCopy(const std::string& fileName) {
    return !ConflictCopyOriginal(fileName).empty() &&
           fileName.find(".skemora-conflict-") == std::string::npos;
}

std::string MergeTextsWithoutBase(const std::string& first, const std::string& second) {
    if (first.find(second) != std::string::npos) return first;
    if (second.find(first) != std::string::npos) return second;
    // The shared start and end stand for the base both grew from.
    const Region firstPart = ChangedRegion(second, first);
    const std::string base = second.substr(0, firstPart.Begin) + second.substr(firstPart.End);
    return MergeTexts(base, second, first);
}

LineMerge MergeCopyLines(const std::vector<std::string>& file, const std::vector<std::string>& copy,
                         bool preferCopy) {
    LineMerge merge;
    const std::size_t size = std::max(file.size(), copy.size());
    for (std::size_t i = 0; i < size; ++i) {
        const std::string &f = At(file, i), &c = At(copy, i);
        const bool conflict = !f.empty() && !c.empty() && f != c;
        merge.Conflict = merge.Conflict || conflict;
        merge.Lines.push_back(f.empty() || (conflict && preferCopy) ? c : f);
    }
    // Lines past the end of both that the copy left empty are no lines of the file.
    while (merge.Lines.size() > file.size() && merge.Lines.back().empty()) merge.Lines.pop_back();
    return merge;
}

}  // namespace skemora
