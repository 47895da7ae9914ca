// reference_gen FILE: writes the function reference from the registry (only when it changed).
#include <iostream>
#include <sstream>

#include "catalog.h"
#include "reference.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: reference_gen FILE\n";
        return 2;
    }
    std::ostringstream o;
    brindle::catalog::reference(o);
    return brindle::catalog::write_if_changed(argv[1], o.str()) ? 0 : 1;
}
