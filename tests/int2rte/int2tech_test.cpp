#include "int2rte/int2tech.h"

#include <gtest/gtest.h>
