// corvane_make_templates <program folder> [manual text]
// Writes the templates under <program folder>/模板 and the user manual.
#include <cstdio>

#include "install/templates/Templates.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: corvane_make_templates <program folder> [manual.md]\n");
        return 2;
    }
    std::string error;
    if (!templates::WriteTemplates(argv[1], error) || !templates::WriteManual(argc > 2 ? argv[2] : "", argv[1], error)) {
        std::fprintf(stderr, "corvane_make_templates: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
