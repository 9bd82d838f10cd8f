#include "app/batch.h"
#include "platform/files.h"
#include "platform/paths.h"

#include <iostream>

int main(int argc, char** argv) {
    mf7::ignore_file_size_signal();
    std::vector<std::string> args(argv + 1, argv + argc);
    return mf7::run_batch(args, mf7::executable_folder(), std::cout, std::cerr);
}
