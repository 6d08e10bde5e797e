#include "toge.h"

Toge::Toge()
{
    bandSign.fill(1);
    mode = 2;
}
