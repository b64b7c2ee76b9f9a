// Writes the data files that ship with the program into a dist/ folder:
//   zdk-shipgen path/to/dist
#include <iostream>
#include <string>

#include "JoinPath.h"
#include "ProfileFile.h"
#include "ShippedData.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: zdk-shipgen DIST_FOLDER\n";
        return 2;
    }
    const std::string dist = argv[1];
    const std::string options = JoinPath(JoinPath(dist, "options"), "ZODIKEON.ZDO");
    const std::string digns = JoinPath(JoinPath(dist, "data"), "zdkdigns.csv");
    bool ok = writeFileAtomically(options, ShippedOptionsFileText());
    ok = writeFileAtomically(digns, ShippedDignityFileText()) && ok;
    if (!ok) {
        std::cerr << "zdk-shipgen: could not write " << options << " or " << digns << "\n";
        return 1;
    }
    std::cout << "wrote " << options << " and " << digns << "\n";
    return 0;
}
