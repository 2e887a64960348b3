# The tools' command lines, read by CLI11 (header-only, Debian's libcli11-dev).
# The cross build cannot take /usr/include as a whole (it holds the Linux C
# library), so it gets a copy of the CLI11 headers alone.
if(CMAKE_CROSSCOMPILING)
  find_path(QDT_CLI11_INCLUDE_DIR CLI/CLI.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
  set(QDT_CLI11_COPY ${CMAKE_CURRENT_BINARY_DIR}/cli11)
  file(COPY ${QDT_CLI11_INCLUDE_DIR}/CLI DESTINATION ${QDT_CLI11_COPY})
  add_library(qdt_cli11 INTERFACE)
  target_include_directories(qdt_cli11 SYSTEM INTERFACE ${QDT_CLI11_COPY})
else()
  find_package(CLI11 CONFIG REQUIRED)
  add_library(qdt_cli11 INTERFACE)
  target_link_libraries(qdt_cli11 INTERFACE CLI11::CLI11)
endif()

add_library(qdt_command_line STATIC ${PROJECT_SOURCE_DIR}/tools/cli/CommandLine.cpp)
target_include_directories(qdt_command_line PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(qdt_command_line PUBLIC qdt_cli11)
