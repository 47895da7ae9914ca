// registry_gen: writes one of the files the catalog produces from the registry rows
// (catalog.h, outputs()), only when its content changed, so that a rebuild leaves unchanged
// scripts untouched:
//
//   registry_gen OUTPUT FILE        declare, drop, kinds, exports, examples, names, udr-drop
//   registry_gen OUTPUT W FILE      udr-declare, udr-kinds: UDR text parameters W bytes wide
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>

#include "catalog.h"

namespace cat = brindle::catalog;

int main(int argc, char** argv) {
    const std::string what = argc > 1 ? argv[1] : "";
    for (const cat::Output& out : cat::outputs()) {
        if (what != out.name) continue;
        if (argc != (out.takes_width ? 4 : 3)) break;
        int width = 0;
        if (out.takes_width) {
            width = std::atoi(argv[2]);
            if (width < 1 || width > cat::kUdrMaxText) {
                std::cerr << "registry_gen: the width must be 1 to " << cat::kUdrMaxText << "\n";
                return 2;
            }
        }
        std::ostringstream o;
        out.write(o, width);
        return cat::write_if_changed(argv[argc - 1], o.str()) ? 0 : 1;
    }
    std::cerr << "usage: registry_gen OUTPUT [WIDTH] FILE, OUTPUT one of\n";
    for (const cat::Output& out : cat::outputs())
        std::cerr << "  " << out.name << (out.takes_width ? " WIDTH" : "") << "  " << out.about << "\n";
    return 2;
}
