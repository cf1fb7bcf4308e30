#include "Driver.h"
