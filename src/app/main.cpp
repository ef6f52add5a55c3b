#include "frame.h"

int main(int argc, char** argv)
{
    return velmarin_main(argc, argv);
}
