// Writes the players' notes from their template at release time: the main
// page's rows as the built plug-in shows them in the stand-in, the keys and
// buttons by the names the game's control list gives them.
#include "tools/cli/CommandLine.h"
#include "tools/cli/InputFile.h"
#include "tools/players_notes/MainPageRows.h"
#include "tools/players_notes/NotesTemplate.h"

#include <cstdio>
#include <exception>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::string module = QDT_PLUGIN_MODULE;
    std::string notesTemplate;
    std::vector<std::string> settings;
    bool rowsOnly = false;
    CLI::App app(
        "Fills in the players' notes: the main page's rows, read by running the plug-in module in the "
        "stand-in (F8, then down until the counter comes round), and the keys and buttons named as in "
        "host/ControlList.h. Placeholders are listed in tools/players_notes/NotesTemplate.h.",
        "qdt_players_notes");
    cli::UseHelpFormat(app);
    app.add_option("TEMPLATE", notesTemplate, "the notes' template (release/README.txt.in)")
        ->type_name("FILE");
    app.add_option("--module", module, "the plug-in module whose rows are listed")->type_name("FILE");
    app.add_option("--set", settings, "a value for @NAME@ in the template")
        ->type_name("NAME=VALUE")
        ->allow_extra_args(false);
    app.add_flag("--rows", rowsOnly, "print the main page's rows, one a line, and nothing else");
    if (const std::optional<int> status = cli::Parse(app, argc, argv)) {
        return *status;
    }
    players_notes::NotesFacts facts;
    for (const std::string& setting : settings) {
        const std::size_t equals = setting.find('=');
        if (equals == std::string::npos || equals == 0) {
            return cli::Mistake(app, "--set takes NAME=VALUE, not " + setting);
        }
        facts.values[setting.substr(0, equals)] = setting.substr(equals + 1);
    }
    if (!rowsOnly && notesTemplate.empty()) {
        return cli::Mistake(app, "a TEMPLATE is needed, or --rows");
    }
    try {
        facts.mainPageRows = players_notes::ReadMainPageRows(module);
        if (facts.mainPageRows.empty()) {
            throw std::runtime_error("the main page of " + module + " shows no rows");
        }
        std::string out;
        if (rowsOnly) {
            for (const std::string& row : facts.mainPageRows) {
                out += row + '\n';
            }
        } else {
            out = players_notes::FillNotes(cli::ReadInputFile(notesTemplate), facts);
        }
        std::fwrite(out.data(), 1, out.size(), stdout);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "qdt_players_notes: %s\n", error.what());
        return 1;
    }
}
