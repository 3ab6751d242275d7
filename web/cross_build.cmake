# Settings of the WebAssembly build that the core layers need before they are added.

# The engine reports failures by exception, and emscripten only catches them when asked to.
add_compile_options(-fexceptions)
add_link_options(-fexceptions)

# nlohmann/json is header-only. The host's package would add the whole of /usr/include, whose C
# library clashes with emscripten's, so the build sees its headers alone through a folder of
# its own; the host's package file then finds its target already defined and adds nothing.
find_path(MUSTERWRIGHT_JSON_HEADERS nlohmann/json.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH
          REQUIRED)
set(json_view ${PROJECT_BINARY_DIR}/json-headers)
file(MAKE_DIRECTORY ${json_view})
file(CREATE_LINK ${MUSTERWRIGHT_JSON_HEADERS}/nlohmann ${json_view}/nlohmann SYMBOLIC)
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
target_include_directories(nlohmann_json::nlohmann_json INTERFACE ${json_view})
find_path(MUSTERWRIGHT_JSON_PACKAGE nlohmann_jsonConfig.cmake
          PATHS /usr/share/cmake/nlohmann_json /usr/lib/cmake/nlohmann_json
          NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(nlohmann_json_DIR ${MUSTERWRIGHT_JSON_PACKAGE} CACHE PATH "")
