#include "core/io/file_set.h"

#include <cerrno>
#include <cstring>

#include "core/io/file_ops.h"

namespace vorla::io {

FileSetResult write_file_set(const std::vector<OutputFile>& files) {
    for (std::size_t k = 0; k < files.size(); ++k) {
        errno = 0;
        if (replace_file(files[k].path, files[k].bytes)) continue;
        // A device, a folder or a FIFO in the file's place is refused before anything is tried.
        const int error = errno;
        FileSetResult result{files[k].path, error ? std::strerror(error) : "not a regular file"};
        std::error_code ignored;
        for (std::size_t done = 0; done < k; ++done)
            std::filesystem::remove(files[done].path, ignored);
        return result;
    }
    return {};
}

}  // namespace vorla::io
