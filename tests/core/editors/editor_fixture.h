#pragma once
// A data folder written from explicit bytes, and the document opened on it, for the editor
// models' tests. Today is Monday 7 December 2026: W = 1406.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/store/document.h"
#include "core/text/cp1251.h"
#include "support/record_fixtures.h"
#include "support/recording_prompter.h"
#include "support/temp_dir.h"

namespace vorla::testing {

struct EditorTest : ::testing::Test {
    TempDir dir;
    RecordingPrompter prompter;
    std::unique_ptr<store::Document> doc;

    store::Document& open(std::string language = {}) {
        doc = std::make_unique<store::Document>(
            store::Document::Options{dir.path(), calendar::Date{2026, 12, 7}, std::move(language)},
            prompter);
        return *doc;
    }
    // The 256-byte record at slot n of a slot file.
    std::vector<std::uint8_t> slot(const char* file, std::size_t n, std::size_t size = 256) const {
        const auto bytes = read_bytes(dir / file);
        if (bytes.size() < (n + 1) * size) return {};
        return std::vector<std::uint8_t>(
            bytes.begin() + static_cast<std::ptrdiff_t>(n * size),
            bytes.begin() + static_cast<std::ptrdiff_t>((n + 1) * size));
    }
    static std::uint16_t u16_at(const std::vector<std::uint8_t>& b, std::size_t offset) {
        return static_cast<std::uint16_t>(b.at(offset) | b.at(offset + 1) << 8);
    }
    // The NUL-terminated Windows-1251 text of a field, as UTF-8.
    static std::string text_at(const std::vector<std::uint8_t>& b, std::size_t offset,
                               std::size_t width) {
        std::string raw;
        for (std::size_t i = offset; i < offset + width && b.at(i) != 0; ++i)
            raw += static_cast<char>(b[i]);
        return text::cp1251_to_utf8(raw);
    }
    std::size_t position_of(std::uint16_t brother_id) const {
        return doc->brothers().find(brother_id).value();
    }
};

}  // namespace vorla::testing
