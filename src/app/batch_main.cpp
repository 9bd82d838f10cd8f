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
    return mf7::run_batch(mf7::program_arguments(argc, argv), mf7::executable_folder(), std::cout,
                          std::cerr);
}
