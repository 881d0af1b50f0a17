// GoogleTest fixtures that start a fresh Ambrix.exe for every test.
#pragma once

#include <gtest/gtest.h>

#include "running_ambrix.h"

namespace e2e {

class AmbrixTest : public testing::Test {
 protected:
  RunningAmbrix app;
};

template <class Case>
class AmbrixTestWithParam : public testing::TestWithParam<Case> {
 protected:
  RunningAmbrix app;
};

}  // namespace e2e
