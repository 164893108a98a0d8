#include "TestData.h"
