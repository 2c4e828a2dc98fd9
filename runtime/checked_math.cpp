#include "runtime/checked_math.h"

namespace ombrix {

void RaiseRuntimeError(ErrorKind kind) { throw RuntimeError(kind); }

}  // namespace ombrix
