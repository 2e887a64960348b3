#include "menu/Controller.h"

#include "host/NativeInvoker.h"
#include "host/Natives.h"
#include "menu/Drawing.h"
#include "menu/Prompts.h"
#include "menu/Style.h"
#include "menu/TextStore.h"

#include <utility>

namespace Menu {

void Controller::AddSubmenu(std::int32_t id, std::string_view title, std::string_view subtitle,
                            std::function<void(Submenu*)> init) {
    Submenu fresh;
    fresh.title = title;
    fresh.subtitle = subtitle;
    fresh.id = id;
    fresh.maxVisibleOptions = RowsShown(style);
    fresh.init = std::move(init);
    // An empty init throws here, before the registry is touched.
    fresh.init(&fresh);

    // Assigning into the existing entry keeps it in place, so a currentSubmenu
    // that points at it shows the new contents.
    submenuRegistry[id] = std::move(fresh);
}

void Controller::OpenSubmenu(std::int32_t id) {
    if (submenuRegistry.find(id) == submenuRegistry.end()) {
        return;
    }
    if (currentSubmenu == nullptr) {
        currentSubmenu = &submenuRegistry[id];
        return;
    }
    const std::int32_t currentId = currentSubmenu->id;
    if (id > currentId) {
        submenuStack.push_back(currentId);
        savedSelection[currentId] = selectedIndex;
    } else if (id < currentId) {
        if (!submenuStack.empty()) {
            submenuStack.pop_back();
        }
        savedSelection.erase(currentId);
    }
    currentSubmenu = &submenuRegistry[id];
    selectedIndex = 0;
}

void Controller::EnterSubmenu(std::int32_t id) {
    const std::int32_t currentId = currentSubmenu->id;
    submenuStack.push_back(currentId);
    savedSelection[currentId] = selectedIndex;
    currentSubmenu = &submenuRegistry[id];
    selectedIndex = 0;
}

void Controller::GoBack() {
    if (!submenuStack.empty()) {
        currentSubmenu = &submenuRegistry[submenuStack.back()];
        submenuStack.pop_back();
        const auto saved = savedSelection.find(currentSubmenu->id);
        selectedIndex = saved != savedSelection.end() ? saved->second : 0;
        if (saved != savedSelection.end()) {
            savedSelection.erase(saved);
        }
        return;
    }
    currentSubmenu = &submenuRegistry[0];
    selectedIndex = savedSelection[0];
}

void Controller::FrameTick() {
    // The game has drawn the last frame: its texts can be reused.
    frameTexts.Reset();
    // While the game's keyboard is open it takes the player's keys.
    const bool typingThisFrame = typing.open;
    if (typingThisFrame) {
        ReadKeyboard();
    } else {
        ReadInput();
    }
    if (currentSubmenu == nullptr) {
        // A start-up that registered no page 0 has nothing to show: no input
        // is acted on and the prompts stay as when closed.
        UpdatePrompts();
        return;
    }
    if (!typingThisFrame) {
        Navigate();
    }
    SuppressGameControls();

    if (isOpen) {
        DrawBackground();
        DrawHighlight();
        DrawTitles();
        DrawCounter();
        auto& options = currentSubmenu->options;
        for (std::int32_t i = 0; i < currentSubmenu->optionCount; ++i) {
            if (static_cast<std::size_t>(i) < options.size()) {
                Option& option = options[static_cast<std::size_t>(i)];
                if (option.isTextEntry) {
                    ShowTypedValue(option); // its string may have changed since the last frame
                }
                option.Draw();
            }
        }
        NativeInvoker::Invoke(Native::RadarDisplaySwitch, 0);
    }

    UpdatePrompts();
}

} // namespace Menu
