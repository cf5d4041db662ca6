#include "core/export/page_parts.h"

#include "core/files/text_file.h"

namespace skemora {

std::string HtmlEscape(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

namespace {

// Where the charset line stands: first in the head, ahead of any text the browser must read.
constexpr std::size_t kCharsetLine = 2;

std::string CharsetLine(std::string_view charset) {
    return "<meta charset=\"" + std::string(charset) + "\">";
}

}  // namespace

void AppendPageStart(std::vector<std::string>& lines, const std::string& name) {
    lines.insert(lines.end(), {"<html>", "<head>", CharsetLine("windows-1252"),
                               "<title>" + HtmlEscape(name) + "</title>", "</head>",
                               "<body bgcolor=\"#FFFFFF\">", "<div align=\"center\"><center>"});
}

void AppendPageEnd(std::vector<std::string>& lines) {
    lines.insert(lines.end(), {"</body>", "</html>"});
    // The charset line is plain ASCII, so it does not change which encoding the page needs.
    if (lines.size() > kCharsetLine) lines[kCharsetLine] = CharsetLine(CharsetOf(EncodeLines(lines)));
}

void AppendLessonRows(std::vector<std::string>& lines, const WeekGridText& grid,
                      std::string_view cellOpen, std::string_view cellClose) {
    for (std::size_t row = 0; row < grid.Cells[0].size(); ++row) {
        lines.emplace_back("<tr>");
        for (const auto& column : grid.Cells) {
            const std::string& caption = column[row];
            std::string line(cellOpen);
            line += caption.empty() ? std::string("&nbsp;") : HtmlEscape(caption);
            line += cellClose;
            lines.push_back(std::move(line));
        }
        lines.emplace_back("</tr>");
    }
}

}  // namespace skemora
