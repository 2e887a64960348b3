#include "tools/players_notes/NotesTemplate.h"

#include "driver/Runner.h"
#include "host/PluginKeys.h"
#include "sim/ControlTable.h"

#include <cstdint>
#include <stdexcept>

namespace players_notes {

namespace {

// The plug-in's own keys, which the game's control list does not hold. The
// row reader opens the menu with the same plugin_keys::Toggle, so a plug-in that
// moved its key fails the release instead of getting notes that say F8.
struct PluginKey {
    std::string_view role;
    std::uint32_t code;
    std::string_view name;
};
constexpr PluginKey pluginKeys[] = {{"toggle", plugin_keys::Toggle, "F8"},
                                    {"fast", plugin_keys::FastStep, "Shift"}};

constexpr std::string_view rowWord = "MAIN_PAGE_ROW";

class Filler {
  public:
    Filler(const NotesFacts& facts, int line) : facts_(facts), line_(line) {}

    std::string Value(std::string_view word, const std::string& row) const {
        if (word == rowWord) {
            return row;
        }
        if (word == "MAIN_PAGE_ROW_COUNT") {
            return std::to_string(facts_.mainPageRows.size());
        }
        const std::size_t colon = word.find(':');
        if (colon != std::string_view::npos) {
            return Binding(word.substr(0, colon), word.substr(colon + 1));
        }
        const auto given = facts_.values.find(word);
        if (given == facts_.values.end()) {
            Fail("no value for @" + std::string(word) + "@");
        }
        return given->second;
    }

  private:
    std::string Binding(std::string_view kind, std::string_view name) const {
        if (kind == "key") {
            for (const PluginKey& key : pluginKeys) {
                if (key.role == name) {
                    return std::string(key.name);
                }
            }
            Fail("the plug-in has no key \"" + std::string(name) + "\" (toggle, fast)");
        }
        const sim::ControlInfo* control = sim::FindControl(name);
        if (kind != "keys" && kind != "button") {
            Fail("unknown placeholder kind \"" + std::string(kind) + "\" (key, keys, button)");
        }
        if (control == nullptr) {
            Fail("no control " + std::string(name) + " in host/ControlList.h");
        }
        std::string text;
        if (kind == "button") {
            text = control->button;
        } else {
            for (std::string_view key : control->keys) {
                if (!key.empty()) {
                    text += (text.empty() ? "" : " or ") + std::string(key);
                }
            }
        }
        if (text.empty()) {
            Fail(std::string(name) + " has no default " + (kind == "button" ? "button" : "key"));
        }
        return text;
    }

    [[noreturn]] void Fail(const std::string& reason) const {
        throw std::runtime_error("template line " + std::to_string(line_) + ": " + reason);
    }

    const NotesFacts& facts_;
    int line_;
};

bool IsWordCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == ':';
}

// One line with its placeholders filled; row fills @MAIN_PAGE_ROW@.
std::string FillLine(std::string_view line, const Filler& filler, const std::string& row) {
    std::string out;
    std::size_t at = 0;
    while (at < line.size()) {
        const std::size_t open = line.find('@', at);
        if (open == std::string_view::npos) {
            break;
        }
        std::size_t close = open + 1;
        while (close < line.size() && IsWordCharacter(line[close])) {
            ++close;
        }
        out.append(line.substr(at, open - at));
        if (close < line.size() && line[close] == '@' && close > open + 1) {
            out += filler.Value(line.substr(open + 1, close - open - 1), row);
            at = close + 1;
        } else {
            out += '@';
            at = open + 1;
        }
    }
    out.append(line.substr(std::min(at, line.size())));
    return out;
}

} // namespace

std::string FillNotes(std::string_view notesTemplate, const NotesFacts& facts) {
    const std::string rowPlaceholder = "@" + std::string(rowWord) + "@";
    std::string notes;
    int number = 0;
    std::size_t start = 0;
    while (start < notesTemplate.size()) {
        std::size_t end = notesTemplate.find('\n', start);
        end = end == std::string_view::npos ? notesTemplate.size() : end + 1;
        const std::string_view line = notesTemplate.substr(start, end - start);
        start = end;
        const Filler filler(facts, ++number);
        if (line.find(rowPlaceholder) == std::string_view::npos) {
            notes += FillLine(line, filler, {});
            continue;
        }
        for (const std::string& row : facts.mainPageRows) {
            notes += FillLine(line, filler, row);
        }
    }
    return notes;
}

} // namespace players_notes
