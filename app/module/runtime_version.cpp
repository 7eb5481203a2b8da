#include "runtime_version.h"

std::string RuntimeVersion;
