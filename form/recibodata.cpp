// The record is plain data: construction, copy and comparison are the compiler's. Drawing and
// printing it belong to the output layer (output/).
#include "form/recibodata.h"
