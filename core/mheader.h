#ifndef LINEWRIGHT_CORE_MHEADER_H
#define LINEWRIGHT_CORE_MHEADER_H

// Sizes shared by the stages. Where a limit is visible in the output (how
// long a piece or a name may be) it is kept; the rest only bounds buffers.

// One parameter piece, without its terminator.
constexpr int kPieceSize = 510;
// A parameter buffer (512 bytes with room to spare).
constexpr int kParamSize = 512;
// A command's whole parameter text, terminator included.
constexpr int kCommandParamsSize = 32768;
// Longest line a stage reads at once.
constexpr int kLineBufferSize = 65534;
// A path, terminator included.
constexpr int kPathSize = 261;

#endif
