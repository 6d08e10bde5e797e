#include "keep_gl_driver_loaded.h"

#include <dlfcn.h>
#include <link.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

// Mesa's drivers: the DRI drivers (swrast_dri.so and its siblings) and, from Mesa 24 on, the
// gallium library they load.
bool isGlDriver(std::string_view path)
{
    return path.ends_with("_dri.so") || path.find("/libgallium") != std::string_view::npos;
}

std::vector<std::string> loadedGlDrivers()
{
    std::vector<std::string> drivers;
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* data) {
            if (info->dlpi_name != nullptr && isGlDriver(info->dlpi_name))
                static_cast<std::vector<std::string>*>(data)->emplace_back(info->dlpi_name);
            return 0;
        },
        &drivers);
    return drivers;
}

} // namespace

void keepGlDriversLoaded()
{
    // RTLD_NOLOAD with RTLD_NODELETE loads nothing; it marks the loaded object as never to be
    // unloaded. The handle is kept open on purpose.
    for (const std::string& driver : loadedGlDrivers())
        dlopen(driver.c_str(), RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE);
}
