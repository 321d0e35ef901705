// The window module's bytes, built into the packager, and their loading: a
// copy of the executable alone in a folder still shows its window. The bytes
// go into an anonymous in-memory file that the dynamic loader opens; the
// module stays loaded until the process ends, since the toolkit's windows,
// fonts and exit handlers live in it.
#include "app/window_module_image.h"

#include <dlfcn.h>
#include <sys/mman.h>
#include <unistd.h>

#include <string>

// SCENARIO_WINDOW_MODULE_PATH: the built module, set by the build.
asm(".section .rodata\n"
    ".balign 64\n"
    ".globl scenario_window_image_begin\n"
    ".hidden scenario_window_image_begin\n"
    "scenario_window_image_begin:\n"
    ".incbin \"" SCENARIO_WINDOW_MODULE_PATH "\"\n"
    ".globl scenario_window_image_end\n"
    ".hidden scenario_window_image_end\n"
    "scenario_window_image_end:\n"
    ".previous\n");

extern "C" const char scenario_window_image_begin[];
extern "C" const char scenario_window_image_end[];

namespace scenario {

namespace {

bool WriteAll(int fd, const char* bytes, size_t size) {
  while (size > 0) {
    const ssize_t n = write(fd, bytes, size);
    if (n <= 0) return false;
    bytes += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

const WindowModule* LoadWindowModule(std::string* failure) {
  const char* begin = scenario_window_image_begin;
  const char* end = scenario_window_image_end;
  const int fd = memfd_create("scenario-window", MFD_CLOEXEC);
  if (fd < 0 || !WriteAll(fd, begin, static_cast<size_t>(end - begin))) {
    if (fd >= 0) close(fd);
    *failure = "the window module cannot be written to memory";
    return nullptr;
  }
  const std::string path = "/proc/self/fd/" + std::to_string(fd);
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
  close(fd);
  if (handle == nullptr) {
    const char* reason = dlerror();
    *failure = reason != nullptr ? reason : "the window module cannot be loaded";
    return nullptr;
  }
  auto entry = reinterpret_cast<const WindowModule* (*)()>(dlsym(handle, "scenario_window_module"));
  const WindowModule* module = entry != nullptr ? entry() : nullptr;
  if (module == nullptr || module->version != kWindowModuleVersion) {
    *failure = "the window module does not match the packager";
    return nullptr;
  }
  return module;
}

}  // namespace scenario
