#include "app/batch.h"
#include "platform/paths.h"

#include <iostream>

int main(int argc, char** argv) {
    return mf7::run_batch(mf7::program_arguments(argc, argv), mf7::executable_folder(), std::cout,
                          std::cerr);
}
