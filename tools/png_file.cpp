#include "png_file.h"

#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace pngfile {

namespace {

std::string systemError(const std::string& what)
{
    return what + ": " + std::strerror(errno);
}

// The permissions a newly created file would get, as mkstemp's 0600 would not.
mode_t newFileMode()
{
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

} // namespace

std::string writeAtomically(const std::string& path, const headless::Image& image)
{
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0)
        return systemError("cannot create a file beside " + path);
    const auto discard = [&temporary](const std::string& reason) {
        std::remove(temporary.c_str());
        return reason;
    };
    fchmod(fd, newFileMode());
    FILE* file = fdopen(fd, "wb");
    if (file == nullptr) {
        close(fd);
        return discard(systemError("cannot write " + temporary));
    }

    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.width());
    png.height = static_cast<png_uint_32>(image.height());
    png.format = PNG_FORMAT_RGB;
    const bool encoded =
        png_image_write_to_stdio(&png, file, 0, image.rgb().data(), 0, nullptr) != 0;
    const std::string pngMessage = png.message;
    png_image_free(&png);
    const bool flushed = std::fflush(file) == 0 && fsync(fileno(file)) == 0;
    const bool closed = std::fclose(file) == 0;
    if (!encoded)
        return discard("cannot encode the PNG: " + pngMessage);
    if (!flushed || !closed)
        return discard(systemError("cannot write " + temporary));
    if (std::rename(temporary.c_str(), path.c_str()) != 0)
        return discard(systemError("cannot rename the picture to " + path));
    return {};
}

headless::Image read(const std::string& path)
{
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&png, path.c_str()) == 0)
        throw std::runtime_error("cannot read " + path + ": " + png.message);
    png.format = PNG_FORMAT_RGB;
    std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(png));
    if (png_image_finish_read(&png, nullptr, rgb.data(), 0, nullptr) == 0) {
        const std::string message = png.message;
        png_image_free(&png);
        throw std::runtime_error("cannot decode " + path + ": " + message);
    }
    return headless::Image(static_cast<int>(png.width), static_cast<int>(png.height),
                           std::move(rgb));
}

} // namespace pngfile
