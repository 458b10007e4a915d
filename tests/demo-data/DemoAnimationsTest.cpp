// Tests of its generator.
#include <gtest/gtest.h>
