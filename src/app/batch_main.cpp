#include "app/batch.h"
#include "platform/paths.h"

#ifdef MF7_MAP_PICTURES
#include "app/batch_pictures.h"
#endif

#include <iostream>

int main(int argc, char** argv) {
#ifdef MF7_MAP_PICTURES
    mf7::MapPictures pictures;
#endif
    std::vector<std::string> args(argv + 1, argv + argc);
    return mf7::run_batch(args, mf7::executable_folder(), std::cout, std::cerr);
}
