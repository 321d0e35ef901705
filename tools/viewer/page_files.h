// The page's own files (HTML, CSS, JavaScript under tools/viewer/page/),
// built into the executable by tools/viewer/embed_page.cmake, so that
// --serve needs nothing beside the executable and nothing from the network.
#pragma once

#include <string_view>

namespace scenario::viewer {

struct PageFile {
  std::string_view name;          // "index.html", "viewer.js", ...
  std::string_view content_type;  // "text/html; charset=utf-8", ...
  std::string_view bytes;
};

// The file of that name, or null.
const PageFile* FindPageFile(std::string_view name);

// How many files the page has, and the i-th of them.
size_t PageFileCount();
const PageFile& PageFileAt(size_t index);

}  // namespace scenario::viewer
