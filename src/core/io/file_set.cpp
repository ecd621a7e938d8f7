#include "core/io/file_set.h"

#include <cerrno>
#include <cstring>

#include "core/io/file_ops.h"

namespace vorla::io {

FileSetResult write_file_set(const std::vector<OutputFile>& files) {
    for (std::size_t k = 0; k < files.size(); ++k) {
        const WriteResult written = replace_file(files[k].path, files[k].bytes);
        if (written) continue;
        // A device, a folder or a FIFO in the file's place is refused before anything is tried.
        const bool not_a_file = written.error == kNotRegularFile || written.error == EISDIR;
        FileSetResult result{files[k].path,
                             not_a_file ? "not a regular file" : std::strerror(written.error)};
        std::error_code ignored;
        for (std::size_t done = 0; done < k; ++done)
            std::filesystem::remove(files[done].path, ignored);
        return result;
    }
    return {};
}

}  // namespace vorla::io
