#include "core/commands/command_prompt.h"

#include "core/text/texts.h"

namespace vorla::commands {

namespace {

std::string line(Command command, int n) {
    const std::string& t = text::builtin_texts().get(static_cast<int>(command));
    std::size_t start = 0;
    for (int i = 0; i < n; ++i) {
        const std::size_t nl = t.find('\n', start);
        if (nl == std::string::npos) return {};
        start = nl + 1;
    }
    return t.substr(start, t.find('\n', start) - start);
}

}  // namespace

std::string command_prompt(Command command) {
    return line(command, 0);
}

std::string command_tip(Command command) {
    return line(command, 1);
}

}  // namespace vorla::commands
