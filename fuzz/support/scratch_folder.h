#pragma once
// What every file reader's fuzz target needs: one scratch data folder per fuzzing process
// (removed at exit) with the input bytes there as a data file.
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/io/prompter.h"
#include "core/store/data_folder.h"

namespace vorla::fuzz {

namespace fs = std::filesystem;

struct Scratch {
    fs::path dir;
    Scratch() {
        std::string pattern = (fs::temp_directory_path() / "vorla-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) __builtin_trap();
        dir = pattern;
    }
    ~Scratch() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
};

// Writes the bytes as the file; no bytes leave the file missing.
inline void put(const fs::path& file, const std::uint8_t* data, std::size_t size) {
    std::error_code ec;
    fs::remove_all(file, ec);
    if (size == 0) return;
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

// The scratch folder of this process.
inline const fs::path& scratch_dir() {
    static Scratch scratch;
    return scratch.dir;
}

// The scratch folder emptied of everything the last input left there.
inline const fs::path& empty_scratch_dir() {
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(scratch_dir(), ec))
        fs::remove_all(e.path(), ec);
    return scratch_dir();
}

// The scratch data folder of this process with the input bytes as the data file `name`.
// Each input gets a folder of its own: what one remembers of the files it read must not meet
// the files of the next.
inline store::DataFolder input_as(std::string_view name, const std::uint8_t* data,
                                  std::size_t size) {
    static io::SilentPrompter prompter;
    store::DataFolder folder(scratch_dir(), prompter);
    put(folder.file(name), data, size);
    return folder;
}

}  // namespace vorla::fuzz
