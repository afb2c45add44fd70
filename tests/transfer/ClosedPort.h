#pragma once
#include "support/ClosedPort.h"
