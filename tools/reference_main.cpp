// reference_gen FILE: writes the function reference from the registry (only when it changed).
#include <fstream>
#include <iostream>
#include <sstream>

#include "reference.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: reference_gen FILE\n";
        return 2;
    }
    std::ostringstream o;
    brindle::catalog::reference(o);
    std::ifstream old(argv[1], std::ios::binary);
    std::stringstream before;
    before << old.rdbuf();
    if (old && before.str() == o.str()) return 0;
    std::ofstream f(argv[1], std::ios::binary);
    f << o.str();
    return f ? 0 : 1;
}
