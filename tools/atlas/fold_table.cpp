// zdk-foldtable: prints the program's accent and case fold table as 512 hex digits, for the
// atlas generator, which must fold town names exactly as the program does.
#include <cstdio>

#include "FoldTable.h"

int main() {
    for (const unsigned char folded : FoldTable)
        std::printf("%02x", folded);
    std::printf("\n");
    return 0;
}
