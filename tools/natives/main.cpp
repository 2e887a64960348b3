// Adds a native to host/NativeList.h by its public name and checks the list,
// both against the reference of the game's natives the modder has downloaded.
#include "tools/cli/CommandLine.h"
#include "tools/cli/DefaultFile.h"
#include "tools/cli/InputFile.h"
#include "tools/natives/Add.h"
#include "tools/natives/Check.h"
#include "tools/natives/NativeList.h"
#include "tools/natives/NativesFile.h"

#include <cstdio>
#include <exception>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <variant>

namespace {

// A file's mistakes name the file.
template <typename Read> auto Within(const std::string& path, Read read) {
    try {
        return read();
    } catch (const std::runtime_error& error) {
        const std::string what = error.what();
        throw std::runtime_error(what.rfind("cannot read ", 0) == 0 ? what : path + ": " + what);
    }
}

// The line goes after the last, on a line of its own.
void Append(const std::string& path, const std::string& line) {
    const std::string text = cli::ReadInputFile(path);
    std::ofstream file(path, std::ios::binary | std::ios::app);
    file << (text.empty() || text.back() == '\n' ? "" : "\n") << line << '\n';
    if (!file) {
        throw std::runtime_error("cannot write " + path);
    }
}

// The framework's list, as installed: the next install replaces it, and the
// stand-in built beside it does not know what a mod appends.
constexpr const char* PackageListIsNotTheMods =
    " is the package's copy of the framework's list, not a mod's. Keep the mod's natives in a list "
    "of its own, QDT_NATIVE lines included as host/Natives.h includes this one, and give it with "
    "--list FILE; or call a native by its hash, NativeInvoker::Invoke<RESULT>(0xHASH, ARGUMENTS...).";

struct Options {
    std::string database;
    cli::DefaultFile defaultList = cli::FindDefaultFile(QDT_INSTALLED_NATIVE_LIST, QDT_NATIVE_LIST);
    std::string listPath = defaultList.path;
    bool add = false; // else check
    std::string name;
    std::string constant;
    bool write = false;
};

// Reads the command line into options; an exit status when the program is to stop there.
std::optional<int> ReadOptions(int argc, char** argv, Options& options) {
    CLI::App app("Reads the public reference of the game's natives (a JSON file of namespaces, each mapping "
                 "a hash to a name, params and return_type) to add a native to host/NativeList.h (or a mod's "
                 "own list, --list) by its public name, or to check the list against it.",
                 "qdt_natives");
    cli::UseHelpFormat(app);
    app.add_option("--db", options.database, "the natives file (needed)")->type_name("FILE");
    app.add_option("--list", options.listPath, "the native list")->type_name("FILE")->capture_default_str();
    app.require_subcommand(0, 1);
    CLI::App* add = app.add_subcommand(
        "add",
        "prints the list's line for NAMESPACE::NAME: constant, hash, name and the kinds of its arguments "
        "and result, taken from the types; refuses a type it cannot map, naming the choice to make");
    add->add_option("NAME", options.name, "the native, as in CLOCK::SET_CLOCK_TIME")
        ->type_name("NAMESPACE::NAME")
        ->required();
    add->add_option("--constant", options.constant, "the constant's name (made from NAME by default)");
    add->add_flag("--write", options.write, "appends the line to the list, unless the list holds the native");
    app.add_subcommand("check", "compares every line of the list with the file: prints each disagreement and "
                                "exits 1, or exits 0 when all agree");
    if (const std::optional<int> status = cli::Parse(app, argc, argv)) {
        return status;
    }
    // Checked here, not by CLI11, so that a mistyped option is the reason given.
    if (options.database.empty()) {
        return cli::Mistake(app, "--db FILE is needed");
    }
    if (app.get_subcommands().empty()) {
        return cli::Mistake(app, "add or check?");
    }
    options.add = add->parsed();
    if (options.write && options.defaultList.installed && options.listPath == options.defaultList.path) {
        return cli::Mistake(app, "--write: " + options.listPath + PackageListIsNotTheMods);
    }
    return std::nullopt;
}

int Add(const Options& options, const std::vector<natives::ListEntry>& list,
        const natives::NativesFile& file) {
    const natives::Addition addition = natives::AddNative(options.name, options.constant, list, file);
    if (const auto* refusals = std::get_if<std::vector<std::string>>(&addition)) {
        for (const std::string& refusal : *refusals) {
            std::fprintf(stderr, "qdt_natives: %s: %s\n", options.name.c_str(), refusal.c_str());
        }
        return 1;
    }
    const std::string line = natives::FormatEntry(std::get<natives::ListEntry>(addition));
    if (options.write) {
        Append(options.listPath, line);
    }
    std::printf("%s\n", line.c_str());
    return 0;
}

int Check(const Options& options, const std::vector<natives::ListEntry>& list,
          const natives::NativesFile& file) {
    const std::vector<natives::Disagreement> disagreements = natives::CheckList(list, file);
    for (const natives::Disagreement& disagreement : disagreements) {
        std::printf("%s:%d: %s\n", options.listPath.c_str(), disagreement.line, disagreement.what.c_str());
    }
    std::printf("%zu native(s) checked, %zu disagreement(s)\n", list.size(), disagreements.size());
    return disagreements.empty() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (const std::optional<int> status = ReadOptions(argc, argv, options)) {
        return *status;
    }
    try {
        const natives::NativesFile file = Within(
            options.database, [&] { return natives::ReadNativesFile(cli::ReadInputFile(options.database)); });
        for (const std::string& skipped : file.skipped) {
            std::fprintf(stderr, "qdt_natives: %s: skipped %s\n", options.database.c_str(), skipped.c_str());
        }
        const std::vector<natives::ListEntry> list = Within(
            options.listPath, [&] { return natives::ReadNativeList(cli::ReadInputFile(options.listPath)); });
        return options.add ? Add(options, list, file) : Check(options, list, file);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "qdt_natives: %s\n", error.what());
        return 1;
    }
}
