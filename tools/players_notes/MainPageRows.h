// The main page's rows as a player finds them: the plug-in module loaded into
// the stand-in, the menu opened with F8 and stepped down row by row until the
// counter comes round again, each selected row's label read off the screen.
#pragma once

#include <string>
#include <vector>

namespace players_notes {

// The labels, top to bottom. Throws std::runtime_error when the module does
// not load, the menu does not open or shows no row counter.
std::vector<std::string> ReadMainPageRows(const std::string& modulePath);

} // namespace players_notes
