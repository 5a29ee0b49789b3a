extern "C" {
#include <libavutil/cpu.h>
}

namespace {

// A decoder opened with automatic threads starts a thread per core, each
// of which allocates and zeroes decoding state of its own: under the
// sanitizer that is fresh memory every time, and the random-edit runs open
// decoders at every copy, split and undo of a movie. Several of these executables
// run side by side in the suite, so each decodes as on a machine of two
// cores; decoding stays threaded.
const bool decoderThreadsBounded = [] {
    av_cpu_force_count(2);
    return true;
}();

} // namespace
