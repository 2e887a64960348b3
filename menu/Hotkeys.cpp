#include "menu/Hotkeys.h"

#include "host/KeyStates.h"
#include "host/PluginKeys.h"
#include "menu/Settings.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

namespace Menu {

namespace {

constexpr std::uint32_t HotkeyWindowMs = 100; // an older release is lost, as the menu key's is

// The row a binding names, while its page holds it.
Option* RowOf(std::int32_t pageId, std::int32_t row) {
    const auto page = submenuRegistry.find(pageId);
    if (page == submenuRegistry.end() || row < 0 ||
        static_cast<std::size_t>(row) >= page->second.options.size()) {
        return nullptr;
    }
    return &page->second.options[static_cast<std::size_t>(row)];
}

// The key a binding asks for: its "[hotkeys]" line when a player wrote one
// that names a key (an empty value binds none), else its row's.
std::uint32_t AskedKey(const HotkeyBinding& binding) {
    const SettingsFrameState& kept = settings.frame;
    if (!kept.loaded || binding.savedAs.empty()) {
        return binding.asked;
    }
    const std::optional<std::string> line = kept.file.Get("hotkeys", binding.savedAs);
    if (!line) {
        return binding.asked;
    }
    return line->empty() ? 0 : plugin_keys::KeyOfName(*line).value_or(binding.asked);
}

// Written once, so a player finds where to rebind it.
void WriteMissingLine(const HotkeyBinding& binding) {
    SettingsFrameState& kept = settings.frame;
    if (kept.loaded && binding.asked != 0 && !binding.savedAs.empty() &&
        !kept.file.Get("hotkeys", binding.savedAs)) {
        kept.file.Set("hotkeys", binding.savedAs, plugin_keys::NameOfKey(binding.asked));
        kept.unsaved = true;
    }
}

// Clears what a hotkey's run set, also when its action throws; the row is
// found again, as the action may have rebuilt its page.
class HotkeyRun {
  public:
    HotkeyRun(std::int32_t page, std::int32_t row) : page_(page), row_(row) {
        settings.frame.hotkeyRunning = true;
        settings.frame.hotkeyPage = page;
        settings.frame.hotkeyRowIndex = row;
    }
    ~HotkeyRun() {
        settings.frame.hotkeyRunning = false;
        if (Option* option = RowOf(page_, row_)) {
            option->frame.invoking = false;
            KeepRowValue(*option);
        }
    }
    HotkeyRun(const HotkeyRun&) = delete;
    HotkeyRun& operator=(const HotkeyRun&) = delete;

  private:
    std::int32_t page_;
    std::int32_t row_;
};

// As Select runs the row, without its sound: a disabled row does nothing,
// a toggle flips first.
void RunRow(std::int32_t page, std::int32_t row) {
    Option* option = RowOf(page, row);
    if (option == nullptr || option->isDisabled) {
        return;
    }
    const HotkeyRun run(page, row);
    if (option->isToggle && option->toggleTarget != nullptr) {
        *option->toggleTarget = !*option->toggleTarget;
    }
    if (option->action) {
        const std::function<void()> action = option->action;
        option->frame.invoking = true;
        action();
    }
}

} // namespace

void CollectHotkeys(const Submenu& page) {
    std::vector<HotkeyBinding>& bindings = settings.frame.hotkeys;
    const auto first = std::find_if(bindings.begin(), bindings.end(),
                                    [&page](const HotkeyBinding& b) { return b.page == page.id; });
    const auto at = first - bindings.begin();
    std::erase_if(bindings, [&page](const HotkeyBinding& b) { return b.page == page.id; });
    std::vector<HotkeyBinding> rows;
    for (const Option& row : page.options) {
        // A kept toggle without a key may be given one in the file.
        if (row.hotkey != 0 || (row.isToggle && !row.savedAs.empty())) {
            rows.push_back({page.id, row.index, row.hotkey, row.savedAs, 0});
        }
    }
    bindings.insert(bindings.begin() + std::min<std::ptrdiff_t>(at, std::ssize(bindings)), rows.begin(),
                    rows.end());
    BindHotkeys();
}

void BindHotkeys() {
    SettingsFrameState& kept = settings.frame;
    kept.anyHotkey = false;
    std::vector<std::uint32_t> taken{kept.menuKey};
    for (HotkeyBinding& binding : kept.hotkeys) {
        WriteMissingLine(binding);
        const std::uint32_t key = AskedKey(binding);
        const bool free = key != 0 && std::find(taken.begin(), taken.end(), key) == taken.end();
        binding.key = free ? key : 0;
        if (free) {
            taken.push_back(key);
            kept.anyHotkey = true;
        }
    }
}

void RunHotkeys(bool run) {
    // By index and copied: a row's action may register pages and so change the bindings.
    for (std::size_t i = 0; i < settings.frame.hotkeys.size(); ++i) {
        const HotkeyBinding& binding = settings.frame.hotkeys[i];
        if (binding.key != 0 && ConsumeKeyRelease(binding.key, HotkeyWindowMs) && run) {
            RunRow(binding.page, binding.row);
        }
    }
}

Option* HotkeyRow() {
    return settings.frame.hotkeyRunning ? RowOf(settings.frame.hotkeyPage, settings.frame.hotkeyRowIndex)
                                        : nullptr;
}

} // namespace Menu
