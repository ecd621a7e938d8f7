#include "core/app/package_command.h"

#include "core/reports/range_arguments.h"
#include "core/schedule/package_export.h"
#include "core/schedule/package_import_model.h"

namespace vorla::app {

namespace {

std::optional<std::uint16_t> parse_id(const std::string& s, int lowest) {
    const auto n = reports::parse_count(s, lowest, 65535);
    if (!n) return std::nullopt;
    return static_cast<std::uint16_t>(*n);
}

PackageOutcome failure(std::string message) {
    return PackageOutcome{1, {}, "vorla: " + std::move(message) + "\n"};
}

PackageOutcome run_export(store::Document& doc, const PackageRequest& r) {
    if (!doc.congregations().find(r.cong_id))
        return failure("no congregation with id " + std::to_string(r.cong_id));
    const schedule::PackageExport e = schedule::export_package(doc, r.cong_id, r.output);
    if (!e.written) return failure(e.message);
    return PackageOutcome{0, e.path.string() + "\n", {}};
}

PackageOutcome run_import(store::Document& doc, const PackageRequest& r) {
    if (r.circuit_id && *r.circuit_id != 0 && doc.circuits().find_by_id(*r.circuit_id) == 0)
        return failure("no circuit with id " + std::to_string(*r.circuit_id));
    schedule::PackageImportModel model(doc, r.file);
    if (!model.readable()) return failure("cannot read " + r.file.string());
    if (!model.ok_enabled())
        return failure("the package names no congregation: " + r.file.string());
    PackageOutcome outcome;
    if (r.circuit_id) {
        model.set_circuit(*r.circuit_id);
    } else if (const std::string warning = model.circuit_warning(); !warning.empty()) {
        outcome.err += "vorla: " + warning + "\n";
    }
    model.ok();
    const schedule::ImportReport& report = model.report();
    outcome.out +=
        std::string(report.congregation_added ? "congregation added: " : "congregation updated: ") +
        report.congregation + "\n";
    for (const std::string& name : report.added)
        outcome.out += "added: " + name + "\n";
    for (const std::string& name : report.updated)
        outcome.out += "updated: " + name + "\n";
    for (const std::string& name : report.detached)
        outcome.out += "detached: " + name + "\n";
    if (!report.complete) {
        outcome.err += "vorla: the import is incomplete: a record could not be read or written\n";
        outcome.status = 1;
    }
    return outcome;
}

}  // namespace

PackageRequest parse_package_request(const CommandLine& line,
                                     const std::filesystem::path& launch_dir) {
    PackageRequest r;
    const auto option = [&](const char* key) -> std::optional<std::string> {
        const auto it = line.options.find(key);
        if (it == line.options.end()) return std::nullopt;
        return it->second;
    };
    const auto from_launch = [&](const std::string& p) {
        return (launch_dir / std::filesystem::path(p)).lexically_normal();
    };
    const std::string what = line.positional.empty() ? std::string() : line.positional[0];
    if (what == "export") {
        r.action = PackageRequest::Action::export_package;
        if (line.positional.size() > 1)
            r.error = "unexpected argument: " + line.positional[1];
        else if (option("--circuit"))
            r.error = "--circuit belongs to package import";
        else if (!option("--cong"))
            r.error = "package export needs --cong ID";
        else if (const auto id = parse_id(*option("--cong"), 1))
            r.cong_id = *id;
        else
            r.error = "bad congregation id for --cong: " + *option("--cong");
        if (const auto out = option("--output"); out && r.error.empty()) {
            if (out->empty())
                r.error = "option --output needs a file";
            else
                r.output = from_launch(*out);
        }
    } else if (what == "import") {
        r.action = PackageRequest::Action::import_package;
        if (line.positional.size() < 2 || line.positional[1].empty())
            r.error = "package import needs the package FILE";
        else if (option("--cong") || option("--output"))
            r.error = "--cong and --output belong to package export";
        else
            r.file = from_launch(line.positional[1]);
        if (const auto c = option("--circuit"); c && r.error.empty()) {
            if (const auto id = parse_id(*c, 0))
                r.circuit_id = *id;
            else
                r.error = "bad circuit id for --circuit: " + *c;
        }
    } else {
        r.error = what.empty() ? "package export or package import?"
                               : "unknown package command: " + what + " (known: export, import)";
    }
    return r;
}

PackageOutcome run_package(store::Document& doc, const PackageRequest& request) {
    switch (request.action) {
        case PackageRequest::Action::export_package:
            return run_export(doc, request);
        case PackageRequest::Action::import_package:
            return run_import(doc, request);
        case PackageRequest::Action::none:
            break;
    }
    return failure(request.error);
}

}  // namespace vorla::app
