// The players' notes filled in from a template. A placeholder is @WORD@:
//   @MAIN_PAGE_ROW@        the line holding it is written once per main-page row
//   @MAIN_PAGE_ROW_COUNT@  how many rows that is
//   @keys:CONTROL@         a control's default keys ("Enter or Numpad Enter"),
//   @button:CONTROL@       or its controller button, from host/ControlList.h
//   @key:toggle@           the plug-in's own keys: F8 opens and closes the
//   @key:fast@             menu, Shift held moves ten rows
//   @NAME@                 a value the caller gives (the product's name, ...)
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace players_notes {

struct NotesFacts {
    std::vector<std::string> mainPageRows;
    std::map<std::string, std::string, std::less<>> values;
};

// Throws std::runtime_error naming the template's line and the placeholder
// it cannot fill, so no note reaches players half filled in.
std::string FillNotes(std::string_view notesTemplate, const NotesFacts& facts);

} // namespace players_notes
