#pragma once
// Permissions as an ordinary user meets them, also when the tests run as root (who may read
// and write anything): the work runs in a forked child that has become "nobody".
#include <filesystem>
#include <functional>
#include <string>

namespace vorla::testing {

// Runs `body` as an ordinary user and returns what it returned. As root: in a child process
// that gives `folder` to nobody (so that it may save there) and becomes nobody; otherwise in
// place. A child that dies returns "child failed: ..." instead.
std::string run_as_ordinary_user(const std::filesystem::path& folder,
                                 const std::function<std::string()>& body);

}  // namespace vorla::testing
