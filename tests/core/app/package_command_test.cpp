// The arguments of `vorla package`: what is asked for, where its files are, what is refused.
#include <gtest/gtest.h>

#include "core/app/package_command.h"

using namespace vorla::app;

namespace {

PackageRequest request(std::vector<std::string> positional,
                       std::map<std::string, std::string> options = {}) {
    CommandLine cl;
    cl.command = "package";
    cl.positional = std::move(positional);
    cl.options = std::move(options);
    return parse_package_request(cl, "/home/user/work");
}

}  // namespace

TEST(PackageCommand, RelativePathsAreTheUsersFromWhereTheProgramStarted) {
    const PackageRequest e = request({"export"}, {{"--cong", "12"}, {"--output", "../out/x.vpk"}});
    ASSERT_EQ(e.error, "");
    EXPECT_EQ(e.action, PackageRequest::Action::export_package);
    EXPECT_EQ(e.cong_id, 12);
    EXPECT_EQ(e.output, std::filesystem::path("/home/user/out/x.vpk"));
    EXPECT_FALSE(request({"export"}, {{"--cong", "1"}}).output);
    EXPECT_EQ(request({"export"}, {{"--cong", "1"}, {"--output", "/tmp/a.vpk"}}).output,
              std::filesystem::path("/tmp/a.vpk"));

    const PackageRequest i = request({"import", "Лесное.vpk"}, {{"--circuit", "30002"}});
    ASSERT_EQ(i.error, "");
    EXPECT_EQ(i.action, PackageRequest::Action::import_package);
    EXPECT_EQ(i.file, std::filesystem::path("/home/user/work/Лесное.vpk"));
    EXPECT_EQ(i.circuit_id, 30002);
    EXPECT_EQ(request({"import", "a.vpk"}, {{"--circuit", "0"}}).circuit_id, 0);  // none
    EXPECT_FALSE(request({"import", "a.vpk"}).circuit_id);
}

TEST(PackageCommand, WrongArgumentsAreRefusedWithAReason) {
    const std::vector<std::pair<PackageRequest, std::string>> cases = {
        {request({}), "package export or package import?"},
        {request({"send"}), "unknown package command: send (known: export, import)"},
        {request({"export"}), "package export needs --cong ID"},
        {request({"export"}, {{"--cong", "0"}}), "bad congregation id for --cong: 0"},
        {request({"export"}, {{"--cong", "x"}}), "bad congregation id for --cong: x"},
        {request({"export"}, {{"--cong", "70000"}}), "bad congregation id for --cong: 70000"},
        {request({"export", "extra"}, {{"--cong", "1"}}), "unexpected argument: extra"},
        {request({"export"}, {{"--cong", "1"}, {"--circuit", "2"}}),
         "--circuit belongs to package import"},
        {request({"export"}, {{"--cong", "1"}, {"--output", ""}}), "option --output needs a file"},
        {request({"import"}), "package import needs the package FILE"},
        {request({"import", "a.vpk"}, {{"--cong", "1"}}),
         "--cong and --output belong to package export"},
        {request({"import", "a.vpk"}, {{"--circuit", "-1"}}), "bad circuit id for --circuit: -1"},
    };
    for (const auto& [r, error] : cases)
        EXPECT_EQ(r.error, error);
}
