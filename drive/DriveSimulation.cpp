#include "drive/DriveSimulation.h"
