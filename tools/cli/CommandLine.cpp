#include "tools/cli/CommandLine.h"

#include <cstdio>
#include <memory>
#include <sstream>
#include <string>

namespace cli {

namespace {

// The usage line first, so a reader sees how to call the tool before reading
// what it does; then the description, the arguments, the options, any
// subcommands and the footer, as CLI11 lays them out.
class HelpFormat : public CLI::Formatter {
  public:
    HelpFormat() { label("Usage", "usage"); }

    std::string make_help(const CLI::App* app, std::string name, CLI::AppFormatMode mode) const override {
        if (mode == CLI::AppFormatMode::Sub) {
            return make_expanded(app);
        }
        std::ostringstream out;
        out << make_usage(app, name) << make_description(app) << make_positionals(app)
            << make_groups(app, mode) << make_subcommands(app, mode) << '\n'
            << make_footer(app);
        return out.str();
    }
};

} // namespace

void UseHelpFormat(CLI::App& app) {
    app.formatter(std::make_shared<HelpFormat>());
}

std::optional<int> Parse(CLI::App& app, int argc, char** argv) {
    try {
        app.parse(argc, argv);
        return std::nullopt;
    } catch (const CLI::Success&) {
        std::fputs(app.help().c_str(), stdout);
        return 0;
    } catch (const CLI::ParseError& error) {
        return Mistake(app, error.what());
    }
}

int Mistake(const CLI::App& app, const std::string& reason) {
    std::fprintf(stderr, "%s: %s\n%s", app.get_name().c_str(), reason.c_str(), app.help().c_str());
    return 2;
}

} // namespace cli
