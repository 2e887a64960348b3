#include "menu/Settings.h"

#include "host/KeyStates.h"
#include "host/Platform.h"
#include "host/PluginKeys.h"
#include "host/SettingsDisk.h"
#include "host/SettingsFile.h"
#include "menu/Hotkeys.h"
#include "menu/Number.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace Menu {

namespace {

constexpr std::uint32_t WriteIntervalMs = 1000;

bool Keepable(const Option& row) {
    return (row.isToggle || row.isList || row.isNumber || row.isTextEntry) && !row.isFilter;
}

std::string ValueOf(const Option& row) {
    if (row.isToggle) {
        return row.toggleTarget != nullptr && *row.toggleTarget ? "on" : "off";
    }
    if (row.isList) {
        const bool inside =
            row.listIndex >= 0 && static_cast<std::size_t>(row.listIndex) < row.listValues.size();
        return inside ? row.listValues[static_cast<std::size_t>(row.listIndex)] : std::string();
    }
    if (row.isNumber) {
        return std::string(NumberText(row).View());
    }
    return row.textTarget != nullptr ? *row.textTarget : std::string();
}

// "13", "-0.5": at most 15 digits, a point and a sign; nothing for any other text.
std::optional<double> ReadDecimal(std::string_view text, std::int32_t& decimals) {
    const bool negative = text.starts_with('-');
    text.remove_prefix(negative ? 1 : 0);
    std::int64_t digits = 0;
    std::int32_t count = 0;
    decimals = -1;
    for (const char c : text) {
        if (c == '.' && decimals < 0) {
            decimals = 0;
        } else if (c >= '0' && c <= '9' && ++count <= 15) {
            digits = digits * 10 + (c - '0');
            decimals += decimals >= 0 ? 1 : 0;
        } else {
            return std::nullopt;
        }
    }
    decimals = std::max(decimals, 0);
    const double value = static_cast<double>(digits) / std::pow(10.0, decimals);
    return count == 0 ? std::nullopt : std::optional<double>(negative ? -value : value);
}

// A value as the row shows it, in its range and on its steps.
bool RestoreNumber(Option& row, std::string_view text) {
    std::int32_t decimals = 0;
    const std::optional<double> value = ReadDecimal(text, decimals);
    if (!value || decimals > row.decimals || *value < row.numberMin || *value > row.numberMax) {
        return false;
    }
    const double steps = (*value - row.numberMin) / row.numberStep;
    if (std::fabs(steps - std::round(steps)) > 1e-6) {
        return false;
    }
    if (row.numberTarget != nullptr) {
        *row.numberTarget = static_cast<std::int32_t>(std::lround(*value));
    } else if (row.floatTarget != nullptr) {
        *row.floatTarget = static_cast<float>(*value);
    }
    ShowNumber(row);
    return true;
}

std::optional<bool> ReadSwitch(std::string_view text) {
    for (const std::string_view on : {"on", "true", "1"}) {
        if (::settings_file::SameName(text, on)) {
            return true;
        }
    }
    for (const std::string_view off : {"off", "false", "0"}) {
        if (::settings_file::SameName(text, off)) {
            return false;
        }
    }
    return std::nullopt;
}

// Sets the row's target to a value read from the file; a value the row
// cannot take leaves it as it is.
void Restore(Option& row, const std::string& text) {
    if (row.isToggle) {
        const std::optional<bool> on = ReadSwitch(text);
        if (on && row.toggleTarget != nullptr) {
            *row.toggleTarget = *on;
        }
    } else if (row.isList) {
        const auto found = std::find(row.listValues.begin(), row.listValues.end(), text);
        if (found != row.listValues.end()) {
            row.listIndex = static_cast<std::int32_t>(found - row.listValues.begin());
            row.valueText = *found;
            row.frame.valueTextInitialized = true;
        }
    } else if (row.isNumber) {
        RestoreNumber(row, text);
    } else if (row.textTarget != nullptr) {
        const auto characters =
            std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xc0) != 0x80; });
        if (characters <= row.textMaxLength) {
            *row.textTarget = text;
            row.rightText = text;
        }
    }
}

void RestoreRows(Submenu& page) {
    SettingsFrameState& kept = settings.frame;
    for (Option& row : page.options) {
        if (row.savedAs.empty() ||
            std::find(kept.restored.begin(), kept.restored.end(), row.savedAs) != kept.restored.end()) {
            continue;
        }
        kept.restored.push_back(row.savedAs);
        if (const std::optional<std::string> value = kept.file.Get(row.savedAs)) {
            Restore(row, *value);
        }
    }
}

} // namespace

void CheckKeptRow(const Option& row) {
    if (!row.savedAs.empty()) {
        const std::optional<::settings_file::Name> name = ::settings_file::SplitName(row.savedAs);
        if (!Keepable(row) || !name || ::settings_file::SameName(name->section, "menu") ||
            ::settings_file::SameName(name->section, "hotkeys")) {
            throw std::invalid_argument("\"" + row.text + "\" cannot be kept as \"" + row.savedAs +
                                        "\": a toggle, list, number or text row keeps its value as "
                                        "\"section.name\", outside [menu] and [hotkeys]");
        }
    }
    if (row.hotkey != 0 && (!(row.isAction || row.isToggle) || row.hotkey >= KeyStateCount)) {
        throw std::invalid_argument("\"" + row.text +
                                    "\" cannot take a hotkey: an action or toggle row "
                                    "takes a virtual-key code from 0x01 to 0xFE");
    }
}

void TakeKeptRows(Submenu& page) {
    if (settings.frame.loaded) {
        RestoreRows(page);
    }
    CollectHotkeys(page);
}

void LoadSettings(std::string path) {
    SettingsFrameState& kept = settings.frame;
    kept.path = std::move(path);
    if (!kept.path.empty()) {
        kept.file = ::settings_file::File::Parse(settings_disk::ReadOrSetAside(kept.path));
    }
    kept.loaded = true;
    if (const std::optional<std::string> key = kept.file.Get("menu", "key")) {
        kept.menuKey = plugin_keys::KeyOfName(*key).value_or(plugin_keys::Toggle);
    } else {
        // Written once, so a player finds where to change it.
        kept.file.Set("menu", "key", plugin_keys::NameOfKey(plugin_keys::Toggle));
        kept.unsaved = true;
    }
    for (auto& [id, page] : submenuRegistry) {
        RestoreRows(page);
    }
    BindHotkeys();
}

void KeepRowValue(const Option& row) noexcept {
    if (row.savedAs.empty() || !settings.enabled) {
        return;
    }
    try {
        const std::optional<::settings_file::Name> name = ::settings_file::SplitName(row.savedAs);
        const std::string value = ValueOf(row);
        if (name && settings.frame.file.Get(name->section, name->key) != value) {
            settings.frame.file.Set(name->section, name->key, value);
            settings.frame.unsaved = true;
        }
    } catch (...) {
        // Out of memory: the value is kept at the next change.
    }
}

void WriteSettings(bool now) noexcept {
    SettingsFrameState& kept = settings.frame;
    if (!kept.unsaved || kept.path.empty()) {
        return;
    }
    const std::uint32_t time = GetTickCount();
    if (!now && kept.triedWriting && time - kept.lastWriteAt < WriteIntervalMs) {
        return;
    }
    kept.triedWriting = true;
    kept.lastWriteAt = time;
    try {
        kept.unsaved = !settings_disk::Replace(kept.path, kept.file.Text());
    } catch (...) {
        // Out of memory: tried again at the next chance.
    }
}

} // namespace Menu
