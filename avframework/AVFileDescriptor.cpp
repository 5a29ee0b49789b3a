#include "AVFileDescriptor.h"

#include <unistd.h>

AVFileDescriptor::~AVFileDescriptor()
{
    if (_value >= 0)
        ::close(_value);
}
