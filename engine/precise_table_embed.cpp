// The table of the precise positions as the engine holds it: engine/precise_table.bin byte
// for byte, put into the read-only data by the assembler's .incbin at a cache line's
// boundary, so that no compiler has to parse twenty megabytes of numbers. The build names
// the file in STARLOOM_PRECISE_TABLE and makes this object again when the file changes.
#include "engine/precise.h"
#include "engine/precise_coefficients.h"

#ifndef STARLOOM_PRECISE_TABLE
#error "STARLOOM_PRECISE_TABLE must give the path of engine/precise_table.bin"
#endif

asm(".pushsection .rodata.starloom_precise_table, \"a\"\n"
    ".balign 64\n" // kPreciseTableAlignment
    ".globl starloom_precise_table\n"
    ".type starloom_precise_table, %object\n"
    "starloom_precise_table:\n"
    ".incbin \"" STARLOOM_PRECISE_TABLE "\"\n"
    ".globl starloom_precise_table_end\n"
    "starloom_precise_table_end:\n"
    ".size starloom_precise_table, starloom_precise_table_end - starloom_precise_table\n"
    ".popsection\n");

extern "C" const unsigned char starloom_precise_table[];
extern "C" const unsigned char starloom_precise_table_end[];

namespace starloom {

std::span<const unsigned char> EmbeddedPreciseTable() {
    return {starloom_precise_table,
            static_cast<std::size_t>(starloom_precise_table_end - starloom_precise_table)};
}

Status StatusOf(const PreciseTableCheck &check) {
    if (check.intact)
        return Success();
    return Failure(StatusCode::Damaged, "built-in table of precise positions", check.reason);
}

const PreciseTableCheck &PreciseTableStatus() {
    static const PreciseTableCheck status = CheckPreciseTable(EmbeddedPreciseTable());
    return status;
}

} // namespace starloom
