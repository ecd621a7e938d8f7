#include "core/editors/talk_title_import.h"

#include "core/editors/talk_editor_model.h"
#include "core/io/file_ops.h"
#include "core/text/cp1251.h"
#include "core/text/texts.h"
#include "core/text/trim.h"
#include "core/text/utf8.h"

namespace vorla::editors {

namespace {

constexpr std::size_t kMaxListedLines = 20;
constexpr std::uint64_t kMaxFileBytes = 1 << 20;

std::string as_utf8(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    if (text::is_valid_utf8(bytes)) return std::string(bytes);
    return text::cp1251_to_utf8(bytes);
}

// One line's number and title, or nothing when the line is not of that form.
std::optional<std::pair<int, std::string>> parse_line(std::string_view line) {
    std::size_t digits = 0;
    int number = 0;
    while (digits < line.size() && line[digits] >= '0' && line[digits] <= '9') {
        if (number <= store::TalkCatalogue::kTalks) number = number * 10 + (line[digits] - '0');
        ++digits;
    }
    if (digits == 0 || digits == line.size() || (line[digits] != '\t' && line[digits] != ' '))
        return std::nullopt;
    if (number < 1 || number > store::TalkCatalogue::kTalks) return std::nullopt;
    std::string_view title = line.substr(digits);
    while (!title.empty() && (title.front() == '\t' || title.front() == ' '))
        title.remove_prefix(1);
    title = text::trim(title);
    if (title.empty() || !text::cp1251_can_hold(title)) return std::nullopt;
    return std::make_pair(number, text::left(title, store::TalkRecord::kTitleMax));
}

}  // namespace

TitleImport parse_talk_titles(std::string_view file_bytes) {
    TitleImport out;
    const std::string content = as_utf8(file_bytes);
    std::string_view rest = content;
    int line_no = 0;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        ++line_no;
        if (line.ends_with('\r')) line.remove_suffix(1);
        line = text::trim(line);
        if (line.empty()) continue;
        if (auto parsed = parse_line(line)) {
            out.titles.push_back(std::move(*parsed));
        } else {
            out.refused_lines.push_back(line_no);
        }
    }
    return out;
}

std::string title_import_report(std::size_t taken, const std::vector<int>& refused_lines) {
    std::string report = text::format(text::TextId::titles_taken, std::to_string(taken));
    if (refused_lines.empty()) return report;
    report += text::format(text::TextId::title_lines_refused, std::to_string(refused_lines.size()));
    for (std::size_t i = 0; i < refused_lines.size() && i < kMaxListedLines; ++i) {
        if (i > 0) report += ", ";
        report += std::to_string(refused_lines[i]);
    }
    report += refused_lines.size() > kMaxListedLines ? ", …" : ".";
    report += text::text(text::TextId::title_line_form);
    return report;
}

std::string import_talk_titles(store::Document& doc, const std::filesystem::path& file) {
    // A list of 256 titles is a few kilobytes; a bigger file is not one.
    const io::FileRead read = io::read_file(file, kMaxFileBytes);
    if (!read.bytes || read.cut())
        return text::format(text::TextId::cannot_read_file, file.filename().string());
    const TitleImport parsed = parse_talk_titles(
        std::string_view(reinterpret_cast<const char*>(read.bytes->data()), read.bytes->size()));
    store::TalkCatalogue& talks = doc.talks();
    for (const auto& [number, title] : parsed.titles) {
        store::TalkRecord entry = *talks.find(number);
        entry.title = title;
        talks.set(number, entry);
    }
    if (!parsed.titles.empty()) doc.announce(store::Change::talks);
    return title_import_report(parsed.titles.size(), parsed.refused_lines);
}

}  // namespace vorla::editors
