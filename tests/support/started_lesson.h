#pragma once

// Starting the lesson as a teacher configured it lives with the other
// window helpers.
#include "support/lesson_setup.h"
