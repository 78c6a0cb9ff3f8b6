// skincheck <skin folder>: prints every rule the skin breaks; exits 1 when there is one.
#include "tools/skincheck/SkinCheck.h"

#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: skincheck <skin folder>\n";
        return 2;
    }
    const auto problems = CheckSkinFolder(argv[1]);
    for (const TSkinProblem& p : problems)
        std::cout << p.Where << ": " << p.What << "\n";
    return problems.empty() ? 0 : 1;
}
