#pragma once

// Counts the GLU quadrics the renderer creates and deletes through the real GLU. The binary is
// linked with -Wl,--wrap=gluNewQuadric,--wrap=gluDeleteQuadric, so the renderer's calls reach
// the counters here first and then GLU.
namespace quadriccensus {

long created();
long deleted();
inline long live()
{
    return created() - deleted();
}

} // namespace quadriccensus
