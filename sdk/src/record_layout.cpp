// The record layout seen from C++ (record_layout_c11.c checks it from C).
#include "record_layout.h"
