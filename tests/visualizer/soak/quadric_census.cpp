#include "quadric_census.h"

#include <GL/glu.h>

namespace {
long createdCount = 0;
long deletedCount = 0;
} // namespace

extern "C" {

GLUquadric* __real_gluNewQuadric();
void __real_gluDeleteQuadric(GLUquadric* quadric);

GLUquadric* __wrap_gluNewQuadric()
{
    GLUquadric* quadric = __real_gluNewQuadric();
    if (quadric != nullptr)
        ++createdCount;
    return quadric;
}

void __wrap_gluDeleteQuadric(GLUquadric* quadric)
{
    if (quadric != nullptr)
        ++deletedCount;
    __real_gluDeleteQuadric(quadric);
}

} // extern "C"

namespace quadriccensus {

long created()
{
    return createdCount;
}
long deleted()
{
    return deletedCount;
}

} // namespace quadriccensus
