#pragma once

// The file access's former name, until the settings tests include platform/file_access.h.
#include "platform/file_access.h"
