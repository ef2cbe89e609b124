/* Compiles the public header as C11 (strictly, see CMakeLists.txt) and checks the record
 * layout there; record_layout.cpp does the same for C++. */
#include "record_layout.h"
