// png-overlap: how many pixels two pictures both change from a third, the base: where two figures
// drawn alone over the same backdrop overlap. Prints the count.
//   png-overlap BASE.png A.png B.png
#include "picture_difference.h"
#include "png_file.h"

#include <cstdio>
#include <exception>

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fputs("usage: png-overlap BASE.png A.png B.png\n", stderr);
        return 2;
    }
    try {
        const headless::Image base = pngfile::read(argv[1]);
        std::printf("%zu\n",
                    picture::commonChanges(base, pngfile::read(argv[2]), pngfile::read(argv[3])));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "png-overlap: %s\n", e.what());
        return 1;
    }
    return 0;
}
