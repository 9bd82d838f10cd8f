#include "app/batch.h"
#include "platform/paths.h"

#include <iostream>

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return mf7::run_batch(args, mf7::executable_folder(), std::cout, std::cerr);
}
